#pragma once

#include <QDialog>

class QListWidget;
class QTimer;

namespace corvane::platform {
class BackgroundCopies;
}

namespace corvane::shell {

// Shown while closing waits for attachment copies: lists what is still being copied and offers to
// close at once. Without a modal loop: the window keeps handling events while it is up.
class CopiesWaitDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CopiesWaitDialog(platform::BackgroundCopies &copies, QWidget *parent = nullptr);

    QListWidget *copiesList() const { return m_list; }

Q_SIGNALS:
    // No copy runs any more: the window may close.
    void copiesFinished();
    // The user chose not to wait.
    void closeAnyway();

private:
    void refresh();

    platform::BackgroundCopies &m_copies;
    QListWidget *m_list;
    QTimer *m_poll;
};

} // namespace corvane::shell
