// Test main for widget tests: a QApplication on the offscreen platform, and
// an environment whose paths all point into a temporary folder.
#include "tests/common/childprocesscheck.h"
#include "tests/common/testenvironment.h"

#include <QApplication>

#include <gmock/gmock.h>

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestEnvironment environment;
    QApplication app(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ChildProcessCheck);
    return RUN_ALL_TESTS();
}
