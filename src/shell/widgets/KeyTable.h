#pragma once

#include "shell/Navigation.h"

#include <QKeySequence>
#include <QList>
#include <QString>

class QAction;
class QWidget;

namespace corvane::shell {

// The window's commands that have a key.
enum class Command {
    ShowNew, ShowInBox, ShowMailReader, ShowSentItems, ShowAddressBook, ShowAddressEdit, ShowSettings,
    NewMessage, Reply, ReplyAll, Forward, CheckMail, Delete, Print, Find, PreviousMessage, NextMessage,
};

struct KeyBinding
{
    Command command;
    QKeySequence key;
};

// Every key of the window, in one place: the window wires its commands from it and the tests
// check each key against it.
const QList<KeyBinding> &keyTable();
QKeySequence keyOf(Command command);
// The command that brings a pane to the front: Ctrl+1 ... Ctrl+7 in the navigation bar's order.
Command showCommand(Pane pane);

// A hint followed by its key, as tool tips show it: "Reply (Ctrl+R)".
QString withKey(const QString &hint, const QKeySequence &key);

// Gives the action the command's key and shows the key in its tool tip. The key acts while the
// scope is shown in the active window, so commands of the pane in front do not clash with those of
// the hidden panes.
void bindKey(QAction *action, Command command, QWidget *scope);

} // namespace corvane::shell
