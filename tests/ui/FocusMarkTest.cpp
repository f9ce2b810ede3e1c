#include "ui/widgets/FocusMark.h"
#include "ui/widgets/OutlookBar.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusFrame>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The colour at the middle of each edge of the control, 1 px inside, as the window shows it.
QList<QColor> edgeColours(QWidget *window, const QWidget *control)
{
    const QImage image = window->grab().toImage();
    const qreal scale = image.devicePixelRatio();
    const QRect r(control->mapTo(window, QPoint(0, 0)), control->size());
    QList<QColor> colours;
    for (const QPoint point : {QPoint(r.center().x(), r.top() + 1), QPoint(r.center().x(), r.bottom() - 1),
                               QPoint(r.left() + 1, r.center().y()), QPoint(r.right() - 1, r.center().y())})
        colours.append(image.pixelColor(point * scale));
    return colours;
}

// Under Fusion, whichever control has the focus is framed 2 px wide in the highlight colour, and
// the frame goes with the focus.
TEST(FocusMark, EveryKindOfControlIsFramedInTheHighlightColourWhileItHasTheFocus)
{
    QStyle *before = QApplication::style();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    std::unique_ptr<corvane::ui::FocusMark> mark(corvane::ui::FocusMark::install(*qApp));
    const auto restore = qScopeGuard([&] {
        mark.reset();
        QApplication::setStyle(QStyleFactory::create(before->name()));
    });

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *button = new QPushButton(QStringLiteral("Send"));
    auto *tool = new QToolButton;
    tool->setText(QStringLiteral("Reply"));
    tool->setFocusPolicy(Qt::TabFocus);
    auto *list = new QListWidget;
    list->addItems({QStringLiteral("Ann"), QStringLiteral("Bob")});
    auto *edit = new QLineEdit(QStringLiteral("Plans"));
    auto *check = new QCheckBox(QStringLiteral("Check spelling as you type"));
    auto *bar = new corvane::ui::OutlookBar;
    bar->addItem(bar->addGroup(QStringLiteral("Standard")), QStringLiteral("InBox"), QIcon());
    for (QWidget *control : {static_cast<QWidget *>(button), static_cast<QWidget *>(tool), static_cast<QWidget *>(list),
                             static_cast<QWidget *>(edit), static_cast<QWidget *>(check), static_cast<QWidget *>(bar)})
        layout->addWidget(control);
    window.resize(300, 500);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QColor highlight = window.palette().color(QPalette::Active, QPalette::Highlight);

    QWidget *item = bar->itemButton(0, 0);
    for (QWidget *control : {static_cast<QWidget *>(button), static_cast<QWidget *>(tool), static_cast<QWidget *>(list),
                             static_cast<QWidget *>(edit), static_cast<QWidget *>(check), item}) {
        SCOPED_TRACE(control->metaObject()->className());
        control->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), control);
        for (const QColor &colour : edgeColours(&window, control))
            EXPECT_EQ(colour, highlight) << colour.name().toStdString();
        (control == button ? static_cast<QWidget *>(edit) : button)->setFocus(Qt::TabFocusReason);
        EXPECT_NE(edgeColours(&window, control), QList<QColor>(4, highlight)) << "the frame left with the focus";
    }
}

} // namespace
