#include "ui/widgets/MessageBoxes.h"

#include <QGridLayout>
#include <QSpacerItem>

namespace corvane::ui {

void makeRoomForTitle(QMessageBox &box)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    // The title bar shows the title in a bold font beside the window's icon and its buttons, about
    // six lines' height together; the window manager cuts a title that lacks the room.
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    const int width = metrics.horizontalAdvance(box.windowTitle()) + 6 * metrics.height();
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

void showMessageBox(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    makeRoomForTitle(box);
    box.exec();
}

bool askYesNo(QWidget *parent, const QString &title, const QString &question, QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    makeRoomForTitle(box);
    return box.exec() == QMessageBox::Yes;
}

} // namespace corvane::ui
