#include "KeyTable.h"

#include <QAction>
#include <QWidget>

namespace corvane::shell {

const QList<KeyBinding> &keyTable()
{
    static const QList<KeyBinding> table = {
        // Anywhere in the window.
        {Command::ShowNew, QKeySequence(Qt::CTRL | Qt::Key_1)},
        {Command::ShowInBox, QKeySequence(Qt::CTRL | Qt::Key_2)},
        {Command::ShowMailReader, QKeySequence(Qt::CTRL | Qt::Key_3)},
        {Command::ShowSentItems, QKeySequence(Qt::CTRL | Qt::Key_4)},
        {Command::ShowAddressBook, QKeySequence(Qt::CTRL | Qt::Key_5)},
        {Command::ShowAddressEdit, QKeySequence(Qt::CTRL | Qt::Key_6)},
        {Command::ShowSettings, QKeySequence(Qt::CTRL | Qt::Key_7)},
        {Command::NewMessage, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {Command::CheckMail, QKeySequence(Qt::Key_F5)},
        // In the InBox and the Mail Reader.
        {Command::Reply, QKeySequence(Qt::CTRL | Qt::Key_R)},
        {Command::ReplyAll, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R)},
        {Command::Forward, QKeySequence(Qt::CTRL | Qt::Key_L)},
        // In the Mail Reader, and in the lists while they have the focus (the list panes' own key).
        {Command::Delete, QKeySequence(Qt::Key_Delete)},
        // In the Mail Reader.
        {Command::Print, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {Command::PreviousMessage, QKeySequence(Qt::ALT | Qt::Key_Left)},
        {Command::NextMessage, QKeySequence(Qt::ALT | Qt::Key_Right)},
        // In the InBox and Sent Items: the find field's own key.
        {Command::Find, QKeySequence(QKeySequence::Find)},
    };
    return table;
}

QKeySequence keyOf(Command command)
{
    for (const KeyBinding &binding : keyTable()) {
        if (binding.command == command)
            return binding.key;
    }
    return {};
}

Command showCommand(Pane pane)
{
    return static_cast<Command>(static_cast<int>(Command::ShowNew) + static_cast<int>(pane));
}

QString withKey(const QString &hint, const QKeySequence &key)
{
    if (key.isEmpty())
        return hint;
    return QStringLiteral("%1 (%2)").arg(hint, key.toString(QKeySequence::NativeText));
}

void bindKey(QAction *action, Command command, QWidget *scope)
{
    const QKeySequence key = keyOf(command);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    if (!scope->actions().contains(action))
        scope->addAction(action);
    action->setToolTip(withKey(action->toolTip(), key));
}

} // namespace corvane::shell
