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

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace corvane::ui
