#include "KeyTable.h"

#include <QAction>
#include <QWidget>

namespace corvane::shell {

const QList<KeyBinding> &keyTable()
{
    static const QList<KeyBinding> table = {
        {Command::ShowNew, QKeySequence(Qt::CTRL | Qt::Key_1), "window"},
        {Command::ShowInBox, QKeySequence(Qt::CTRL | Qt::Key_2), "window"},
        {Command::ShowMailReader, QKeySequence(Qt::CTRL | Qt::Key_3), "window"},
        {Command::ShowSentItems, QKeySequence(Qt::CTRL | Qt::Key_4), "window"},
        {Command::ShowAddressBook, QKeySequence(Qt::CTRL | Qt::Key_5), "window"},
        {Command::ShowAddressEdit, QKeySequence(Qt::CTRL | Qt::Key_6), "window"},
        {Command::ShowSettings, QKeySequence(Qt::CTRL | Qt::Key_7), "window"},
        {Command::NewMessage, QKeySequence(Qt::CTRL | Qt::Key_N), "window"},
        {Command::Reply, QKeySequence(Qt::CTRL | Qt::Key_R), "InBox, Mail Reader"},
        {Command::ReplyAll, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R), "InBox, Mail Reader"},
        {Command::Forward, QKeySequence(Qt::CTRL | Qt::Key_L), "InBox, Mail Reader"},
        {Command::CheckMail, QKeySequence(Qt::Key_F5), "window"},
        {Command::Delete, QKeySequence(Qt::Key_Delete), "the lists, Mail Reader"},
        {Command::Print, QKeySequence(Qt::CTRL | Qt::Key_P), "Mail Reader"},
        {Command::Find, QKeySequence(QKeySequence::Find), "InBox, Sent Items"},
        {Command::PreviousMessage, QKeySequence(Qt::ALT | Qt::Key_Left), "Mail Reader"},
        {Command::NextMessage, QKeySequence(Qt::ALT | Qt::Key_Right), "Mail Reader"},
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
