#include "ui/widgets/FindField.h"

#include <QKeyEvent>
#include <QShortcut>

namespace corvane::ui {

FindField::FindField(QWidget *host) : QLineEdit(host)
{
    setObjectName(QStringLiteral("findField"));
    const QString hint = tr("Show only the messages whose sender or recipients, subject, attachments or text hold "
                            "every word typed here (Ctrl+F); Esc shows all again");
    setPlaceholderText(tr("Find (Ctrl+F)"));
    setToolTip(hint);
    setAccessibleName(tr("Find"));
    setAccessibleDescription(hint);
    setClearButtonEnabled(true);
    // A window shortcut of a hidden pane does not fire, so each list pane can have its own.
    auto *find = new QShortcut(QKeySequence(QKeySequence::Find), host);
    find->setContext(Qt::WindowShortcut);
    connect(find, &QShortcut::activated, this, [this] {
        setFocus(Qt::ShortcutFocusReason);
        selectAll();
    });
}

void FindField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    Q_EMIT focused();
}

void FindField::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && !text().isEmpty()) {
        clear();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace corvane::ui
