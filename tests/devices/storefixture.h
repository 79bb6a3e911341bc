#pragma once

#include "devices/transferdevice.h"
#include "devices/transferdevices.h"
#include "tests/common/testenvironment.h"
#include "tests/devices/recordingipc.h"

#include <gtest/gtest.h>

#include <memory>

// Each test gets its own data folder and, through store(), a fresh store
// whose notices go to RecordingIPC::log(); the store is destroyed after
// the test so the next one opens its own file.
class StoreFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_environment = std::make_unique<TestEnvironment>();
        RecordingIPC::log().clear();
    }

    void TearDown() override
    {
        delete m_store;
        m_store = nullptr;
        m_environment.reset();
    }

    TransferDevicesLibrary::TransferDevices *store(const std::string &componentId = "TestComponent",
        TransferDevicesLibrary::TransferDevices::EndpointFactory factory = &RecordingIPC::create)
    {
        if (!m_store)
            m_store = TransferDevicesLibrary::TransferDevices::instance(componentId, factory);
        return m_store;
    }

    void closeStore()
    {
        delete m_store;
        m_store = nullptr;
    }

    QString folderPath() const { return m_environment->path(QStringLiteral("data/Kavo/TransferWizard")); }
    QString databasePath() const { return folderPath() + QStringLiteral("/Devices"); }

    std::unique_ptr<TestEnvironment> m_environment;
    TransferDevicesLibrary::TransferDevices *m_store = nullptr;
};

using DevicePtr = std::unique_ptr<TransferDevicesLibrary::TransferDevice>;
