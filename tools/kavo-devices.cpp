// kavo-devices: list and change the device store from a shell. Every change
// goes through the store and its records, so it is announced to every
// process exactly as the pane's own changes are.
//
// Exit codes: 0 done, 1 no such device, the write failed, the name is not
// UTF-8, or the device list is read-only or damaged, 2 bad arguments, 3 the
// device database cannot be opened, 4 no notice endpoint (watch).
#include "devices/devicetype.h"
#include "devices/transferdevice.h"
#include "devices/transferdevicenotice.h"
#include "devices/transferdevices.h"
#include "devices/utf8text.h"
#include "ipc/kavoipc.h"
#include "ipc/refcountedimpl.h"
#include "ipc/refcountedptr.h"
#include "tools/stopsignals.h"

#include <QCoreApplication>

#include <atomic>
#include <cerrno>
#include <cinttypes>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include <pthread.h>

using namespace TransferDevicesLibrary;

namespace {

enum Exit { Done = 0, Failed = 1, Usage = 2, NoDatabase = 3, NoEndpoint = 4 };

const char UsageText[] = "usage: kavo-devices list\n"
                         "       kavo-devices add TYPE NAME\n"
                         "       kavo-devices rename ID NAME\n"
                         "       kavo-devices retype ID TYPE\n"
                         "       kavo-devices configure ID\n"
                         "       kavo-devices remove ID\n"
                         "       kavo-devices watch [COUNT]\n"
                         "TYPE is a code 0-3 or one of DVD, BluRay, TV, Console.\n"
                         "Changes are announced as KAVO_COMPONENT_ID (default \"kavo-devices\").\n"
                         "list escapes tabs, newlines, carriage returns and backslashes in names\n"
                         "as \\t, \\n, \\r and \\\\.\n";

const char ReadOnly[] = "The device list is read-only.";
const char Unreadable[] = "The device list could not be read.";

int usage(const char *problem = nullptr)
{
    if (problem)
        std::fprintf(stderr, "kavo-devices: %s\n", problem);
    std::fputs(UsageText, stderr);
    return Usage;
}

std::string componentId()
{
    const char *id = std::getenv("KAVO_COMPONENT_ID");
    return id && *id ? std::string(id) : std::string("kavo-devices");
}

bool parseNumber(const char *text, unsigned long long max, unsigned long long *out)
{
    if (!text || !*text || *text == '-' || *text == '+')
        return false;
    errno = 0;
    char *end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (errno || *end || value > max)
        return false;
    *out = value;
    return true;
}

bool parseType(const char *text, int *type)
{
    unsigned long long code = 0;
    if (parseNumber(text, TransferDeviceTypeCount - 1, &code)) {
        *type = int(code);
        return true;
    }
    for (const TransferDeviceTypeInfo &info : TransferDeviceTypes) {
        if (strcasecmp(text, info.iconKey) == 0) {
            *type = info.code;
            return true;
        }
    }
    return false;
}

const char *typeLabel(int type)
{
    const char *label = deviceTypeLabel(type);
    return label ? label : "unknown";
}

// Names may hold anything; escaped, they cannot break the tab-separated columns.
std::string escaped(const std::string &text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool parseId(const char *text, unsigned *id)
{
    unsigned long long value = 0;
    if (!parseNumber(text, UINT32_MAX, &value))
        return false;
    *id = unsigned(value);
    return true;
}

void printDevice(const TransferDevice &device)
{
    std::printf("%u\t%d %s\t%s\t%s\n", device.deviceId(), device.type(), typeLabel(device.type()),
        escaped(device.name()).c_str(), device.hasBeenConfigured() ? "configured" : "not configured");
}

int list(TransferDevices *store)
{
    const unsigned count = store->count();
    for (unsigned i = 0; i < count; ++i) {
        std::unique_ptr<TransferDevice> device(store->deviceAt(i));
        if (device)
            printDevice(*device);
    }
    return Done;
}

// The record's setters report nothing, so a change is checked by reading
// the row back.
std::unique_ptr<TransferDevice> reread(TransferDevices *store, const TransferDevice &device)
{
    return std::unique_ptr<TransferDevice>(store->deviceById(device.deviceId()));
}

int written(TransferDevices *store, const TransferDevice &device,
    bool (*check)(const TransferDevice &, const TransferDevice &))
{
    std::unique_ptr<TransferDevice> row = reread(store, device);
    if (!row || !check(device, *row)) {
        std::fprintf(stderr, "kavo-devices: could not write device %u\n", device.deviceId());
        return Failed;
    }
    printDevice(*row);
    return Done;
}

class NoticePrinter : public kvtl::RefCountedImpl<kvds::IKavoIPCCallback>
{
public:
    explicit NoticePrinter(long long limit)
        : m_limit(limit)
    {
    }

    void OnMessage(
        const std::string &sender, const std::string &topic, unsigned length, const void *data) override
    {
        TransferDeviceNotice notice;
        if (notice.decode(data, length)) {
            std::printf("%s\t%s\tid %" PRIu32 " state %" PRIu32 "%s\n", sender.c_str(), topic.c_str(),
                notice.deviceId, notice.state, notice.one == 1 ? "" : " (first word not 1)");
        } else {
            std::printf("%s\t%s\t%u bytes:", sender.c_str(), topic.c_str(), length);
            for (unsigned i = 0; i < length; ++i)
                std::printf(" %02x", static_cast<const unsigned char *>(data)[i]);
            std::printf("\n");
        }
        std::fflush(stdout);
        if (m_limit > 0 && ++m_seen >= m_limit)
            ::kill(::getpid(), SIGTERM);
    }

private:
    const long long m_limit;
    std::atomic<long long> m_seen { 0 };
};

int watch(int argc, char **argv)
{
    unsigned long long limit = 0;
    if (argc > 3 || (argc == 3 && (!parseNumber(argv[2], LLONG_MAX, &limit) || limit == 0)))
        return usage("watch takes an optional positive count");

    const sigset_t stop = blockStopSignals();

    kvtl::RefCountedPtr<kvds::IKavoIPC> endpoint;
    if (!CreateWindowMessageIPC(&endpoint)) {
        std::fprintf(stderr, "kavo-devices: cannot create a window-message endpoint\n");
        return NoEndpoint;
    }
    kvtl::RefCountedPtr<NoticePrinter> printer(new NoticePrinter((long long)limit));
    if (!endpoint->RegisterCallback(std::string("Device/"), printer.get(), false)) {
        std::fprintf(stderr, "kavo-devices: cannot subscribe to device notices\n");
        return NoEndpoint;
    }
    std::fprintf(stderr, "kavo-devices: watching device notices\n");
    waitForStopSignal(stop);
    endpoint.reset();
    return Done;
}

bool sameName(const TransferDevice &wanted, const TransferDevice &row)
{
    return wanted.name() == row.name();
}
bool sameType(const TransferDevice &wanted, const TransferDevice &row)
{
    return wanted.type() == row.type();
}
bool configured(const TransferDevice &, const TransferDevice &row)
{
    return row.hasBeenConfigured();
}

int run(int argc, char **argv)
{
    if (argc < 2)
        return usage();
    const std::string command = argv[1];
    if (command == "/?" || command == "-h" || command == "--help") {
        std::fputs(UsageText, stdout);
        return Done;
    }
    auto expect = [&](int n) { return argc == n; };

    if (command == "watch")
        return watch(argc, argv);

    int type = 0;
    unsigned id = 0;
    const bool takesId
        = command == "rename" || command == "retype" || command == "configure" || command == "remove";
    if (takesId && argc >= 3 && !parseId(argv[2], &id))
        return usage("not a device id");
    if (command == "list") {
        if (!expect(2))
            return usage("list takes no arguments");
    } else if (command == "add") {
        if (!expect(4))
            return usage("add takes a type and a name");
        if (!parseType(argv[2], &type))
            return usage("unknown device type");
        if (!*argv[3])
            return usage("the name is empty");
    } else if (command == "rename") {
        if (!expect(4))
            return usage("rename takes an id and a name");
        if (!*argv[3])
            return usage("the name is empty");
    } else if (command == "retype") {
        if (!expect(4))
            return usage("retype takes an id and a type");
        if (!parseType(argv[3], &type))
            return usage("unknown device type");
    } else if (command == "configure" || command == "remove") {
        if (!expect(3))
            return usage("this command takes one id");
    } else {
        return usage("unknown command");
    }

    if ((command == "add" || command == "rename") && !isValidUtf8(argv[3])) {
        std::fprintf(stderr, "kavo-devices: the name is not valid UTF-8\n");
        return Failed;
    }

    TransferDevices *store = TransferDevices::instance(componentId());
    if (store->isDamaged()) {
        std::fprintf(stderr, "kavo-devices: %s\n", Unreadable);
        return Failed;
    }
    if (!store->isOpen()) {
        std::fprintf(stderr, "kavo-devices: cannot open the device database\n");
        return NoDatabase;
    }
    if (command != "list" && store->isReadOnly()) {
        std::fprintf(stderr, "kavo-devices: %s\n", ReadOnly);
        return Failed;
    }

    if (command == "list")
        return list(store);
    if (command == "add") {
        std::unique_ptr<TransferDevice> device(store->createDevice(type, argv[3]));
        if (!device) {
            std::fprintf(stderr, "kavo-devices: could not add the device\n");
            return Failed;
        }
        printDevice(*device);
        return Done;
    }

    std::unique_ptr<TransferDevice> device(store->deviceById(id));
    if (!device) {
        std::fprintf(stderr, "kavo-devices: no device %u\n", id);
        return Failed;
    }
    if (command == "rename") {
        device->setName(argv[3]);
        return written(store, *device, sameName);
    }
    if (command == "retype") {
        device->setType(type);
        return written(store, *device, sameType);
    }
    if (command == "configure") {
        device->markConfigured();
        return written(store, *device, configured);
    }
    // remove
    if (!store->removeDevice(device.get())) {
        std::fprintf(stderr, "kavo-devices: could not remove device %u\n", id);
        return Failed;
    }
    device.release();
    std::printf("removed %u\n", id);
    return Done;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // Names are taken from argv as they are (UTF-8), not through the locale.
    const int result = run(argc, argv);
    std::fflush(stdout);
    return result;
}
