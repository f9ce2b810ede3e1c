#include "receiving/widgets/DesktopShell.h"

#include "platform/Errors.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace corvane::receiving {

void DesktopShell::openFile(const QString &path, const QString &workingFolder)
{
    // The desktop starts the associated program in its own folder; the file's path is absolute.
    Q_UNUSED(workingFolder);
    open(path, QCoreApplication::translate("DesktopShell", "No program could be started to open \"%1\".").arg(QDir::toNativeSeparators(path)));
}

void DesktopShell::openFolder(const QString &folder)
{
    if (folder.isEmpty() || !QDir(folder).exists())
        throw IoError(
            QCoreApplication::translate("DesktopShell", "Your inbox folder \"%1\" cannot be reached.").arg(QDir::toNativeSeparators(folder)));
    open(folder,
         QCoreApplication::translate("DesktopShell", "No program could be started to open the folder \"%1\".").arg(QDir::toNativeSeparators(folder)));
}

void DesktopShell::open(const QString &path, const QString &failure)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            throw Error(failure);
        return;
    }
    // The opener hands the file to the program the desktop associates with it and ends; it ends
    // with an error when there is none. The process is left to run on: ending it with the window
    // would end the program it started.
    auto *process = new QProcess;
    process->setProgram(opener);
    process->setArguments({path});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    auto report = [process, failure, failed = openFailed] {
        process->deleteLater();
        if (failed)
            failed(failure);
    };
    QObject::connect(process, &QProcess::finished, process, [process, report](int exitCode, QProcess::ExitStatus status) {
        if (status == QProcess::NormalExit && exitCode == 0)
            process->deleteLater();
        else
            report();
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [report](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            report();
    });
    process->start();
}

} // namespace corvane::receiving
