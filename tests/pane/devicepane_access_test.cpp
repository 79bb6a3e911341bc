#include "devices/transferdevice.h"
#include "devices/transferdevices.h"
#include "tests/common/testenvironment.h"
#include "tests/devices/readonlytree.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <memory>

using TransferDevicesLibrary::TransferDevice;
using TransferDevicesLibrary::TransferDevices;

namespace {

const int LongWait = 120000; // a bound for a slow machine, not a speed target

class PaneStoreAccess : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TransferDevices *store = TransferDevices::instance("writer", nullptr);
        ASSERT_TRUE(store->isOpen());
        std::unique_ptr<TransferDevice>(store->createDevice(2, "Kitchen TV"));
        delete store;
    }

    QString databasePath() const
    {
        return m_environment.path(QStringLiteral("data/Kavo/TransferWizard/Devices"));
    }

    // What a player on this device list offers, as pane_access_peer reports it.
    QByteArray peer(const QStringList &arguments)
    {
        QProcess process;
        process.start(
            QCoreApplication::applicationDirPath() + QStringLiteral("/pane_access_peer"), arguments);
        if (!process.waitForFinished(LongWait) || process.exitCode() != 0)
            return "failed " + QByteArray::number(process.exitCode()) + process.readAllStandardError();
        return process.readAllStandardOutput();
    }

    TestEnvironment m_environment;
};

} // namespace

TEST_F(PaneStoreAccess, ReadOnlyListShowsItsDevicesAndSaysWhyNothingCanChange)
{
    const ReadOnlyTree readOnly(databasePath(), m_environment.root());
    ASSERT_TRUE(readOnly.isReady());
    EXPECT_EQ(peer({ QStringLiteral("--as-nobody") }),
        QByteArray("add 0 The device list is read-only.\n"
                   "notice -\n"
                   "buttons 1\n"
                   "edit 0 The device list is read-only.\n"
                   "delete 0 The device list is read-only.\n"
                   "submenu 1 Kitchen TV\n"
                   "shown 1\n"));
}

TEST_F(PaneStoreAccess, DamagedListIsReportedAndLeftAlone)
{
    QFile file(databasePath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    const int pageSize = (uchar(bytes.at(16)) << 8) | uchar(bytes.at(17));
    // Page 2 is the pointer map.
    bytes.replace(pageSize, pageSize, QByteArray(pageSize, '\0'));
    ASSERT_TRUE(file.seek(0));
    ASSERT_EQ(file.write(bytes), bytes.size());
    file.close();

    EXPECT_EQ(peer({}),
        QByteArray("add 0 \n"
                   "notice The device list could not be read.\n"
                   "buttons 0\n"
                   "submenu 0 Add a Device...\n"
                   "shown 1\n"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes);
}
