#include "MainWindow.h"

#include "ErrorBox.h"

#include "platform/Errors.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>

namespace corvane::shell {

MainWindow::MainWindow(const QString &applicationFolder, QWidget *parent)
    : QMainWindow(parent), m_startup(applicationFolder, m_stores)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Corvane"));
    resize(801, 509);
    m_placeholder = new QLabel(this);
    m_placeholder->setAlignment(Qt::AlignCenter);
    m_placeholder->setObjectName(QStringLiteral("placeholder"));
    setCentralWidget(m_placeholder);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    runStartup(StartupRun::Creation);
}

void MainWindow::runStartup(StartupRun run)
{
    try {
        const StartupOutcome outcome = m_startup.run(run);
        setWindowTitle(outcome.caption);
        if (outcome.ready) {
            m_placeholder->setText(tr("Ready. Mail folders: %1").arg(m_startup.settings().myDest));
        } else {
            showNotReady();
        }
    } catch (const Error &error) {
        setWindowTitle(Startup::captionFor(QString()).trimmed());
        showErrorBox(this, error.message());
    }
}

void MainWindow::showNotReady()
{
    m_placeholder->setText(tr("Please open Settings and choose your name and your shared inbox folder."));
    QApplication::beep();
}

} // namespace corvane::shell
