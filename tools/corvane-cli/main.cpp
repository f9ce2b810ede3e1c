// corvane-cli: send, check and read Corvane mail without a display.
#include "CliArguments.h"
#include "CliCommands.h"

#include "shell/ProfileLock.h"
#include "shell/ProgramFolders.h"

#include "platform/Errors.h"
#include "platform/Logging.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("corvane-cli"));
    corvane::platform::installTranslations(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    const auto parsed = corvane::cli::parseArguments(QCoreApplication::arguments().mid(1));
    if (const auto *usage = std::get_if<corvane::cli::UsageError>(&parsed)) {
        err << "corvane-cli: " << usage->message << "\n\n" << corvane::cli::usageText();
        return corvane::cli::kUsage;
    }
    const auto &invocation = std::get<corvane::cli::Invocation>(parsed);
    if (invocation.verbose)
        corvane::platform::enableVerboseLogging();
    // Without --profile the tool opens the profile the window would open.
    QString profile;
    const bool needsProfile = !std::holds_alternative<corvane::cli::HelpCommand>(invocation.command)
        && !std::holds_alternative<corvane::cli::VersionCommand>(invocation.command);
    if (needsProfile && !invocation.profile) {
        try {
            // A profile folder the user may not write gives way to the user's own, as for the window;
            // the lock is taken again by the commands that write.
            const corvane::shell::ClaimedProfile claimed = corvane::shell::claimProfile(
                corvane::shell::programFolders(),
                QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), true);
            profile = claimed.folders.profile;
            // The user is told where the settings now live, as the window tells them.
            if (!claimed.notice.isEmpty())
                err << "corvane-cli: " << claimed.notice << "\n";
        } catch (const corvane::Error &error) {
            err << "corvane-cli: " << error.message() << "\n";
            return corvane::cli::kFailure;
        }
    }
    return corvane::cli::runCommand(invocation, profile, out, err);
}
