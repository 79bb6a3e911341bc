#include "devices/devicetype.h"
#include "tests/devices/sqlitefile.h"
#include "tests/devices/storefixture.h"

using namespace TransferDevicesLibrary;

namespace {

class RecordFixture : public StoreFixture
{
protected:
    void SetUp() override
    {
        StoreFixture::SetUp();
        ASSERT_TRUE(store()->isOpen());
        device.reset(m_store->createDevice(DVDPlayer, "Bedroom DVD Player"));
        ASSERT_TRUE(device);
        RecordingIPC::log().clear();
    }

    void TearDown() override
    {
        device.reset();
        StoreFixture::TearDown();
    }

    QString column(const char *name)
    {
        return SqliteFile::value(databasePath(),
            QStringLiteral("SELECT ") + QLatin1String(name)
                + QStringLiteral(" FROM device WHERE device_id = ") + QString::number(device->deviceId()));
    }

    DevicePtr device;
};

} // namespace

TEST_F(RecordFixture, NewRecordHasTheDefaults)
{
    TransferDevice fresh(10100, "Component", nullptr);
    EXPECT_EQ(fresh.deviceId(), 10100u);
    EXPECT_EQ(fresh.name(), "");
    EXPECT_EQ(fresh.type(), 0);
    EXPECT_EQ(fresh.profile(), 0);
    EXPECT_EQ(fresh.lastUsedMethod(), 0);
    EXPECT_EQ(fresh.lumoRegistrationState(), 0);
    EXPECT_FALSE(fresh.hasBeenConfigured());
    EXPECT_TRUE(fresh.promptForLumoRegistration());
    EXPECT_EQ(fresh.dataRateOfLastUsedDrive(), 0u);
    EXPECT_EQ(fresh.lastUsedDriveName(), "");
}

TEST_F(RecordFixture, CreatedRowHoldsTheDefaults)
{
    EXPECT_EQ(column("name"), QStringLiteral("Bedroom DVD Player"));
    EXPECT_EQ(column("has_been_configured"), QStringLiteral("0"));
    EXPECT_EQ(column("type"), QStringLiteral("0"));
    EXPECT_EQ(column("profile"), QStringLiteral("0"));
    EXPECT_EQ(column("last_used_method"), QStringLiteral("0"));
    EXPECT_EQ(column("lumo_registration_state"), QStringLiteral("0"));
    EXPECT_EQ(column("prompt_for_lumo_registration"), QStringLiteral("1"));
    EXPECT_EQ(column("data_rate_of_last_used_drive"), QStringLiteral("0"));
    EXPECT_EQ(column("last_used_drive_name"), QStringLiteral(""));
}

TEST_F(RecordFixture, SetNameWithTheCurrentNameWritesNothing)
{
    // Changed behind the record's back: a write would overwrite it.
    ASSERT_TRUE(SqliteFile::exec(databasePath(), QStringLiteral("UPDATE device SET name = 'elsewhere'")));
    device->setName("Bedroom DVD Player");
    EXPECT_EQ(column("name"), QStringLiteral("elsewhere"));
    EXPECT_TRUE(RecordingIPC::log().isEmpty());
}

TEST_F(RecordFixture, SetNameWritesAndAnnouncesAChange)
{
    device->setName("Guest room");
    EXPECT_EQ(device->name(), "Guest room");
    EXPECT_EQ(column("name"), QStringLiteral("Guest room"));
    ASSERT_EQ(RecordingIPC::log().size(), 1);
    EXPECT_EQ(RecordingIPC::log().at(0).topic, "Device/Change");
    EXPECT_EQ(RecordingIPC::log().at(0).sender, "TestComponent");
    EXPECT_EQ(RecordingIPC::log().at(0).payload,
        QByteArray::fromHex("01000000"
                            "10270000"
                            "01000000"));
}

TEST_F(RecordFixture, MarkConfiguredWritesOnce)
{
    device->markConfigured();
    EXPECT_TRUE(device->hasBeenConfigured());
    EXPECT_EQ(column("has_been_configured"), QStringLiteral("1"));
    ASSERT_TRUE(
        SqliteFile::exec(databasePath(), QStringLiteral("UPDATE device SET has_been_configured = 0")));
    device->markConfigured();
    EXPECT_EQ(column("has_been_configured"), QStringLiteral("0"));
    EXPECT_EQ(RecordingIPC::log().size(), 1);
}

TEST_F(RecordFixture, SetTypeResetsTheTypeDependentFields)
{
    ASSERT_TRUE(SqliteFile::exec(databasePath(),
        QStringLiteral("UPDATE device SET has_been_configured = 1, profile = 5,"
                       " last_used_method = 2, lumo_registration_state = 1,"
                       " prompt_for_lumo_registration = 0,"
                       " data_rate_of_last_used_drive = 4000000000,"
                       " last_used_drive_name = 'E:'")));
    ASSERT_TRUE(device->reload());
    EXPECT_EQ(device->profile(), 5);
    EXPECT_EQ(device->lastUsedMethod(), 2);
    EXPECT_EQ(device->lumoRegistrationState(), 1);
    EXPECT_FALSE(device->promptForLumoRegistration());
    EXPECT_EQ(device->dataRateOfLastUsedDrive(), 4000000000u);
    EXPECT_EQ(device->lastUsedDriveName(), "E:");

    device->setType(PlayStation3);
    EXPECT_EQ(device->type(), 3);
    EXPECT_EQ(device->name(), "Bedroom DVD Player");
    EXPECT_TRUE(device->hasBeenConfigured());
    EXPECT_EQ(device->profile(), 0);
    EXPECT_EQ(device->lastUsedMethod(), 0);
    EXPECT_EQ(device->lumoRegistrationState(), 0);
    EXPECT_TRUE(device->promptForLumoRegistration());
    EXPECT_EQ(device->lastUsedDriveName(), "");
    EXPECT_EQ(device->dataRateOfLastUsedDrive(), 4000000000u);

    EXPECT_EQ(column("type"), QStringLiteral("3"));
    EXPECT_EQ(column("name"), QStringLiteral("Bedroom DVD Player"));
    EXPECT_EQ(column("has_been_configured"), QStringLiteral("1"));
    EXPECT_EQ(column("profile"), QStringLiteral("0"));
    EXPECT_EQ(column("last_used_method"), QStringLiteral("0"));
    EXPECT_EQ(column("lumo_registration_state"), QStringLiteral("0"));
    EXPECT_EQ(column("prompt_for_lumo_registration"), QStringLiteral("1"));
    EXPECT_EQ(column("last_used_drive_name"), QStringLiteral(""));
    EXPECT_EQ(column("data_rate_of_last_used_drive"), QStringLiteral("4000000000"));

    ASSERT_EQ(RecordingIPC::log().size(), 1);
    EXPECT_EQ(RecordingIPC::log().at(0).topic, "Device/Change");
    EXPECT_EQ(RecordingIPC::log().at(0).payload,
        QByteArray::fromHex("01000000"
                            "10270000"
                            "01000000"));
}

TEST_F(RecordFixture, SetTypeToTheCurrentTypeWritesNothing)
{
    ASSERT_TRUE(SqliteFile::exec(databasePath(), QStringLiteral("UPDATE device SET profile = 9")));
    ASSERT_TRUE(device->reload());
    device->setType(DVDPlayer);
    EXPECT_EQ(device->profile(), 9);
    EXPECT_EQ(column("profile"), QStringLiteral("9"));
    EXPECT_TRUE(RecordingIPC::log().isEmpty());
}

TEST_F(RecordFixture, LumoStateOneGivesStateWordThreeAndRemovalZero)
{
    ASSERT_TRUE(device->updateField(QStringLiteral("lumo_registration_state"), 1));
    ASSERT_TRUE(device->reload());
    RecordingIPC::log().clear();
    ASSERT_TRUE(device->sendNotice("Device/Change"));
    ASSERT_TRUE(m_store->removeDevice(device.release()));
    ASSERT_EQ(RecordingIPC::log().size(), 2);
    EXPECT_EQ(RecordingIPC::log().at(0).payload,
        QByteArray::fromHex("01000000"
                            "10270000"
                            "03000000"));
    EXPECT_EQ(RecordingIPC::log().at(1).topic, "Device/Remove");
    EXPECT_EQ(RecordingIPC::log().at(1).payload,
        QByteArray::fromHex("01000000"
                            "10270000"
                            "00000000"));
}

TEST_F(RecordFixture, LoadOfAMissingRowFailsAndKeepsTheDefaults)
{
    TransferDevice missing(10999, "TestComponent", nullptr);
    EXPECT_FALSE(missing.load());
    EXPECT_FALSE(missing.reload());
    EXPECT_EQ(missing.name(), "");
    EXPECT_TRUE(missing.promptForLumoRegistration());
    EXPECT_EQ(missing.deviceId(), 10999u);
}

TEST_F(RecordFixture, NullColumnsLoadAsZeroAndEmpty)
{
    ASSERT_TRUE(SqliteFile::exec(databasePath(),
        QStringLiteral("UPDATE device SET last_used_method = NULL,"
                       " lumo_registration_state = NULL, last_used_drive_name = NULL,"
                       " last_used_method = NULL")));
    ASSERT_TRUE(device->updateField(QStringLiteral("last_used_method"), 7));
    ASSERT_TRUE(device->updateField(QStringLiteral("last_used_method"), QVariant()));
    EXPECT_EQ(column("last_used_method"), QStringLiteral("<null>"));
    DevicePtr reread(m_store->deviceById(device->deviceId()));
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->lastUsedMethod(), 0);
    EXPECT_EQ(reread->lumoRegistrationState(), 0);
    EXPECT_EQ(reread->lastUsedDriveName(), "");
}

TEST_F(RecordFixture, UnknownTypeCodeIsStoredAndReadBack)
{
    device->setType(4);
    DevicePtr reread(m_store->deviceById(device->deviceId()));
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->type(), 4);
    DevicePtr created(m_store->createDevice(4, "odd"));
    ASSERT_TRUE(created);
    DevicePtr again(m_store->deviceById(created->deviceId()));
    EXPECT_EQ(again->type(), 4);
    EXPECT_EQ(deviceTypeIconKey(again->type()), nullptr);
}

TEST_F(RecordFixture, UpdateFieldRefusesNamesThatAreNotColumns)
{
    EXPECT_FALSE(device->updateField(QStringLiteral("device_id"), 1));
    EXPECT_FALSE(device->updateField(QStringLiteral("name = 'x', type"), 1));
    EXPECT_FALSE(device->updateField(QStringLiteral("nonsense"), 1));
    EXPECT_EQ(column("name"), QStringLiteral("Bedroom DVD Player"));
    EXPECT_EQ(column("type"), QStringLiteral("0"));
    EXPECT_TRUE(RecordingIPC::log().isEmpty());
}

TEST_F(RecordFixture, UpdateTextFieldConvertsFromUtf8)
{
    const std::string drive = "\xe2\x82\xac-drive 'D'";
    ASSERT_TRUE(device->updateTextField(QStringLiteral("last_used_drive_name"), drive));
    ASSERT_TRUE(device->reload());
    EXPECT_EQ(device->lastUsedDriveName(), drive);
    EXPECT_EQ(RecordingIPC::log().size(), 1);
}

TEST_F(RecordFixture, NamesThatAreNotUtf8AreRefusedAndNothingIsAnnounced)
{
    const std::string bad[] = {
        "x\xe2\x82", // cut off at the end
        "ren\xc3",
        "bad\xff",
        "overlong \xc0\xaf",
        "surrogate \xed\xa0\x80",
        "past the end \xf4\x90\x80\x80",
    };
    for (const std::string &name : bad) {
        device->setName(name);
        EXPECT_EQ(device->name(), "Bedroom DVD Player") << name;
        EXPECT_FALSE(device->updateTextField(QStringLiteral("name"), name)) << name;
        EXPECT_EQ(DevicePtr(m_store->createDevice(TV, name)), nullptr) << name;
        EXPECT_FALSE(device->save(TV, name)) << name;
    }
    EXPECT_EQ(column("name"), QStringLiteral("Bedroom DVD Player"));
    EXPECT_EQ(m_store->count(), 1u);
    EXPECT_TRUE(RecordingIPC::log().isEmpty());

    // Whole sequences of every length still go in.
    device->setName("\x41\xc3\xa9\xe2\x82\xac\xf0\x9f\x93\xba");
    EXPECT_EQ(column("name"), QString::fromUtf8("A\u00e9\u20ac\U0001F4FA"));
}

TEST_F(RecordFixture, WriteToADeletedRowFailsQuietlyAndKeepsTheNewValues)
{
    ASSERT_TRUE(SqliteFile::exec(databasePath(), QStringLiteral("DELETE FROM device")));
    device->setName("gone");
    EXPECT_EQ(device->name(), "gone");
    device->markConfigured();
    EXPECT_TRUE(device->hasBeenConfigured());
    device->setType(TV);
    EXPECT_EQ(device->type(), 2);
    EXPECT_FALSE(device->updateField(QStringLiteral("profile"), 3));
    EXPECT_TRUE(RecordingIPC::log().isEmpty());
    EXPECT_EQ(m_store->count(), 0u);
}

TEST_F(RecordFixture, SaveRewritesAnExistingRowAndAnnouncesIt)
{
    ASSERT_TRUE(device->save(BluRayPlayer, "Rewritten"));
    EXPECT_EQ(column("type"), QStringLiteral("1"));
    EXPECT_EQ(column("name"), QStringLiteral("Rewritten"));
    EXPECT_EQ(m_store->count(), 1u);
    ASSERT_EQ(RecordingIPC::log().size(), 1);
    EXPECT_EQ(RecordingIPC::log().at(0).topic, "Device/Create");
}

TEST_F(RecordFixture, SaveInsertsAMissingRow)
{
    TransferDevice manual(20000, "TestComponent", nullptr);
    ASSERT_TRUE(manual.save(TV, "Manual"));
    EXPECT_EQ(m_store->count(), 2u);
    DevicePtr next(m_store->createDevice(TV, "after"));
    EXPECT_EQ(next->deviceId(), 20001u);
}

TEST_F(RecordFixture, RecordsDoNothingOnceTheStoreIsGone)
{
    closeStore();
    device->setName("after close");
    EXPECT_FALSE(device->load());
    EXPECT_FALSE(device->save(TV, "x"));
    EXPECT_FALSE(device->updateField(QStringLiteral("name"), QStringLiteral("x")));
    EXPECT_TRUE(RecordingIPC::log().isEmpty());
}

TEST_F(RecordFixture, EditSequenceSendsOneNoticePerWrite)
{
    device->setType(TV);
    device->setName("Kitchen TV");
    device->markConfigured();
    ASSERT_EQ(RecordingIPC::log().size(), 3);
    for (const SentNotice &notice : RecordingIPC::log())
        EXPECT_EQ(notice.topic, "Device/Change");
    DevicePtr reread(m_store->deviceById(device->deviceId()));
    EXPECT_EQ(reread->type(), 2);
    EXPECT_EQ(reread->name(), "Kitchen TV");
    EXPECT_TRUE(reread->hasBeenConfigured());
}
