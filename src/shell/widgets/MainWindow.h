#pragma once

#include "shell/Startup.h"
#include "shell/Stores.h"

#include <QMainWindow>

class QLabel;

namespace corvane::shell {

// The main window: composes the panes and runs the start-up sequence. It holds no mail logic.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(const QString &applicationFolder, QWidget *parent = nullptr);

    Startup &startup() { return m_startup; }
    Stores &stores() { return m_stores; }

    // Runs the start-up sequence and shows its outcome: the caption, and when not ready a beep.
    // Errors are shown in the standard error box; the window stays open.
    void runStartup(StartupRun run);

private:
    void showNotReady();

    Stores m_stores;
    Startup m_startup;
    QLabel *m_placeholder = nullptr;
};

} // namespace corvane::shell
