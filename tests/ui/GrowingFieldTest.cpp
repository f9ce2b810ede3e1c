#include "ui/widgets/GrowingField.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using corvane::ui::GrowingField;

namespace {

struct Page
{
    QWidget page;
    QLineEdit *edit = new QLineEdit;
    GrowingField *field = nullptr;

    explicit Page(bool stretchAfter = true)
    {
        page.resize(400, 60);
        field = new GrowingField(edit, &page);
        auto *layout = new QHBoxLayout(&page);
        layout->addSpacing(30);
        layout->addWidget(field->slot());
        layout->addWidget(new QPushButton(QStringLiteral("Browse")));
        if (stretchAfter)
            layout->addStretch(1);
        page.show();
    }
    void hover(QEvent::Type type)
    {
        QEvent event(type);
        QApplication::sendEvent(edit, &event);
    }
};

TEST(GrowingField, FollowsItsSlotAtTheDesignWidth)
{
    Page p;
    EXPECT_EQ(p.edit->width(), 121);
    EXPECT_EQ(p.edit->pos(), p.field->slot()->pos());
}

TEST(GrowingField, ALongPathGrowsOnlyToTheParentsRightEdgeAndShrinksWhenTheMouseLeaves)
{
    Page p;
    p.edit->setText(QString(300, u'x'));
    p.hover(QEvent::Enter);
    EXPECT_EQ(p.edit->x() + p.edit->width(), p.page.width());
    p.hover(QEvent::Leave);
    EXPECT_EQ(p.edit->width(), 121);
}

TEST(GrowingField, WidensWithTheWindowWhenTheLayoutGivesItRoom)
{
    Page p(false);
    const int narrow = p.edit->width();
    p.page.resize(900, 60);
    QApplication::processEvents();
    EXPECT_GT(p.edit->width(), narrow + 400);
    EXPECT_EQ(p.edit->width(), p.field->slot()->width());
}

} // namespace
