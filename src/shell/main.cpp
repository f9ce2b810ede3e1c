#include "shell/widgets/MainWindow.h"

#include "platform/Paths.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Corvane"));

    corvane::shell::MainWindow window(corvane::platform::programFolder());
    window.show();
    return QApplication::exec();
}
