// Test entry. Logic tests run under a QCoreApplication, which proves they need no display; rich
// text tests that lay out documents get a QGuiApplication and widget tests a QApplication, both on
// the offscreen platform. The build picks one through CORVANE_TEST_APP.
#include <QtGlobal>

#if CORVANE_TEST_APP == 2
#include <QApplication>
using TestApplication = QApplication;
#elif CORVANE_TEST_APP == 1
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
