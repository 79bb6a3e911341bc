// Child process for the multi-process store tests. Commands:
//   create COUNT      wait for "go" on stdin, then create COUNT devices;
//                     prints "created ID" per device, exit 3 on a failed create
//   churn             create, rename, configure and remove devices until killed;
//                     prints "tick N" after each step
//   open              prints "open 0|1 count N writable 0|1"
//   open-unprivileged as open, after dropping to the nobody account when run
//                     as the superuser (to whom file modes do not apply), then
//                     tries to add a device: prints " add 0|1" on the same line
//   exec-unprivileged PROGRAM ARGS...
//                     runs PROGRAM after dropping to nobody in the same way
//   notify            through a window-message endpoint: prints "sender ID",
//                     creates a device ("id N"), renames it, removes it
#include "devices/devicetype.h"
#include "devices/transferdevice.h"
#include "devices/transferdevices.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include <grp.h>
#include <unistd.h>

using namespace TransferDevicesLibrary;

namespace {

void say(const std::string &line)
{
    std::cout << line << std::endl;
}

std::string componentId()
{
    return "devices-helper-" + std::to_string(getpid());
}

int create(int count)
{
    say("ready");
    std::string line;
    if (!std::getline(std::cin, line) || line != "go")
        return 2;
    TransferDevices *store = TransferDevices::instance(componentId(), nullptr);
    if (!store->isOpen())
        return 4;
    int failed = 0;
    for (int i = 0; i < count; ++i) {
        std::unique_ptr<TransferDevice> device(store->createDevice(i % 4, "device " + std::to_string(i)));
        if (device)
            say("created " + std::to_string(device->deviceId()));
        else
            ++failed;
    }
    return failed ? 3 : 0;
}

int churn()
{
    TransferDevices *store = TransferDevices::instance(componentId(), nullptr);
    if (!store->isOpen())
        return 4;
    for (unsigned tick = 0;; ++tick) {
        std::unique_ptr<TransferDevice> device(
            store->createDevice(int(tick % 4), "churn " + std::to_string(tick)));
        if (!device)
            return 3;
        device->setName("renamed " + std::to_string(tick));
        device->markConfigured();
        device->setType(int((tick + 1) % 4));
        if (tick % 3 == 0)
            store->removeDevice(device.release());
        say("tick " + std::to_string(tick));
    }
}

int open(bool tryAdd)
{
    TransferDevices *store = TransferDevices::instance(componentId(), nullptr);
    const unsigned count = store->count();
    const bool writable = store->isWritable();
    std::string line = "open " + std::to_string(store->isOpen() ? 1 : 0) + " count " + std::to_string(count)
        + " writable " + std::to_string(writable ? 1 : 0);
    if (tryAdd)
        line += std::unique_ptr<TransferDevice>(store->createDevice(TV, "added")) ? " add 1" : " add 0";
    say(line);
    return 0;
}

bool dropPrivileges()
{
    return geteuid() != 0 || (setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0);
}

int notify()
{
    const std::string sender = componentId();
    TransferDevices *store = TransferDevices::instance(sender);
    if (!store->isOpen())
        return 4;
    say("sender " + sender);
    TransferDevice *device = store->createDevice(TV, "Kitchen TV");
    if (!device)
        return 3;
    say("id " + std::to_string(device->deviceId()));
    device->setName("Kitchen");
    return store->removeDevice(device) ? 0 : 3;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString command = args.value(1);
    if (command == QStringLiteral("create") && args.size() == 3)
        return create(args.at(2).toInt());
    if (command == QStringLiteral("churn"))
        return churn();
    if (command == QStringLiteral("open"))
        return open(false);
    if (command == QStringLiteral("open-unprivileged"))
        return dropPrivileges() ? open(true) : 5;
    if (command == QStringLiteral("exec-unprivileged") && argc > 2) {
        if (!dropPrivileges())
            return 5;
        execv(argv[2], argv + 2);
        return 6;
    }
    if (command == QStringLiteral("notify"))
        return notify();
    std::fprintf(stderr,
        "usage: devices_helper create COUNT | churn | open | open-unprivileged | exec-unprivileged PROGRAM "
        "ARGS | notify\n");
    return 2;
}
