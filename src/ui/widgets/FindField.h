#pragma once

#include <QLineEdit>

namespace corvane::ui {

// The find field above a message list: the list keeps the messages that hold every word typed.
// Ctrl+F anywhere in the window focuses the field of the list shown; Esc clears it.
class FindField : public QLineEdit
{
    Q_OBJECT

public:
    // The shortcut acts while the host (the list pane) is shown.
    explicit FindField(QWidget *host);

Q_SIGNALS:
    // The field took the focus: the user is about to search.
    void focused();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace corvane::ui
