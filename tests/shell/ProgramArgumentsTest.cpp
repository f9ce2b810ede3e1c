// The window program answers --help and --version on a terminal without a display.
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

TEST(ProgramArguments, HelpAndVersionNeedNoDisplay)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    const struct
    {
        const char *argument;
        const char *says;
    } cases[] = {
        {"--help", "--profile <DIR>"},
        {"--version", "Corvane 3."},
    };
    for (const auto &c : cases) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(CORVANE_PATH), {QLatin1String(c.argument)});
        ASSERT_TRUE(program.waitForFinished(30000)) << c.argument;
        const QString output = QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << c.argument;
        EXPECT_EQ(program.exitCode(), 0) << c.argument << output.toStdString();
        EXPECT_TRUE(output.contains(QLatin1String(c.says))) << c.argument << output.toStdString();
    }
}

} // namespace
