#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace corvane::ui {

// The program's message boxes. What they say may carry what other users wrote (a sender's name, a
// subject, an attachment's or a file's name), so their text always shows as plain text: markup
// is never rendered and no link can be made to look like something else.

// Widens a box whose text is shorter than its title (the "New mail" box), so that the title bar
// shows the whole title. Call it last, once the box has its texts and buttons.
void makeRoomForTitle(QMessageBox &box);

// A box with an OK button.
void showMessageBox(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text);

// A confirmation with Yes and No; true on Yes. `defaultButton` is the one Enter presses.
bool askYesNo(QWidget *parent, const QString &title, const QString &question,
              QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

} // namespace corvane::ui
