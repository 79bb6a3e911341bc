#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kvds {
class IKavoIPC;
}

namespace TransferDevicesLibrary {

class TransferDevice;
struct TransferDevicesData;

// The process-wide store over the user's device database
// ($XDG_DATA_HOME/Kavo/TransferWizard/Devices), shared with other processes
// through SQLite's file lock. Every change is announced as a "Device/..."
// notice. Failures show only in results (0, null, false); a store that could
// not open stays closed for good. A file the process may read but not write
// is opened for reading only; a damaged one is neither read nor written.
class TransferDevices
{
public:
    // Makes the endpoint the notices go out through; false = no notices.
    using EndpointFactory = bool (*)(kvds::IKavoIPC **out);

    // Creates and opens the store on the first call; later calls ignore the
    // arguments. The default endpoint is a window-message one.
    static TransferDevices *instance(const std::string &componentId);
    static TransferDevices *instance(const std::string &componentId, EndpointFactory makeEndpoint);

    virtual ~TransferDevices();
    TransferDevices(const TransferDevices &) = delete;
    TransferDevices &operator=(const TransferDevices &) = delete;

    bool isOpen() const;
    // Open, and the file takes writes.
    bool isWritable() const;
    // Open for reading only: listing works, every change fails.
    bool isReadOnly() const;
    // Closed because the file failed its check when opened.
    bool isDamaged() const;
    bool isInitialized() const;
    unsigned count();
    // The records returned belong to the caller.
    TransferDevice *deviceAt(unsigned index);
    TransferDevice *deviceById(unsigned deviceId);
    TransferDevice *createDevice(int type, std::string name);
    // Creates the given devices, in order, only if no device was ever created
    // in this file, deciding that under the write lock: two players set up on
    // a new profile at once must not both add the defaults. False when the
    // file was initialised already (or on failure).
    bool createInitialDevices(const std::vector<std::pair<int, std::string>> &devices);
    // On true the store has destroyed device; on false it is untouched.
    bool removeDevice(TransferDevice *device);

private:
    friend class TransferDevice;
    TransferDevices();
    void open(const std::string &componentId, EndpointFactory makeEndpoint);
    // Creates what is missing and stamps the version; false leaves the file
    // as it was.
    bool prepareSchema();
    // After a failed prepareSchema: opens the file again for reading only,
    // when it holds our tables.
    bool openForReading();
    // The singleton's state when it is open, else null; used by the records.
    static TransferDevicesData *openState();

    std::unique_ptr<TransferDevicesData> d;
};

} // namespace TransferDevicesLibrary
