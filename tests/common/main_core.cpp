// Test main for non-GUI tests: a QCoreApplication, and an environment whose
// paths all point into a temporary folder for the whole run.
#include "tests/common/childprocesscheck.h"
#include "tests/common/testenvironment.h"

#include <QCoreApplication>

#include <gmock/gmock.h>

int main(int argc, char **argv)
{
    TestEnvironment environment;
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ChildProcessCheck);
    return RUN_ALL_TESTS();
}
