#include "ipc/kavoipcwindowlist_posix.h"

#include "ipc/kavoipcwindow_posix.h"

#include <cerrno>
#include <map>
#include <mutex>

#include <dirent.h>
#include <pthread.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

constexpr uint32_t kChanges = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB | IN_DELETE_SELF
    | IN_MOVE_SELF | IN_ONLYDIR;

struct Watches
{
    std::mutex lock;
    int fd = -2; // -2: not opened yet, -1: no inotify
    std::map<int, std::string> directoryOf;
    std::map<std::string, int> watchOf;
    // A directory's list; absent until listed and after any change.
    std::map<int, KavoIPCWindowList::Names> names;

    // Closed; opened again by the next call.
    void Reset()
    {
        if (fd >= 0)
            close(fd);
        fd = -2;
        names.clear();
        directoryOf.clear();
        watchOf.clear();
    }

    void Forget(int watch)
    {
        names.erase(watch);
        const auto it = directoryOf.find(watch);
        if (it == directoryOf.end())
            return;
        watchOf.erase(it->second);
        directoryOf.erase(it);
    }

    // Drops the lists of every directory that changed.
    void Drain()
    {
        alignas(inotify_event) char buffer[4096];
        for (;;) {
            const ssize_t n = read(fd, buffer, sizeof(buffer));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                // EAGAIN: nothing changed. Anything else: trust no list.
                if (n == 0 || errno != EAGAIN)
                    names.clear();
                return;
            }
            for (ssize_t at = 0; at < n;) {
                const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
                if (event->mask & IN_Q_OVERFLOW) {
                    names.clear();
                } else if (event->mask & (IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF)) {
                    // The path may name another directory now: watched anew.
                    if (!(event->mask & IN_IGNORED))
                        inotify_rm_watch(fd, event->wd);
                    Forget(event->wd);
                } else {
                    names.erase(event->wd);
                }
            }
        }
    }
};

Watches *g_watches = nullptr;

// A forked child would share the parent's inotify instance, and each would
// read changes the other then misses: the child starts afresh.
void BeforeFork()
{
    g_watches->lock.lock();
}

void AfterForkInParent()
{
    g_watches->lock.unlock();
}

void AfterForkInChild()
{
    g_watches->Reset();
    g_watches->lock.unlock();
}

Watches &TheWatches()
{
    // Never destroyed: a send may run while statics are torn down.
    static Watches *watches = [] {
        g_watches = new Watches;
        pthread_atfork(&BeforeFork, &AfterForkInParent, &AfterForkInChild);
        return g_watches;
    }();
    return *watches;
}

} // namespace

KavoIPCWindowList::Names KavoIPCWindowList::List(const std::string &directory, bool *opened)
{
    auto names = std::make_shared<std::vector<std::string>>();
    DIR *listing = opendir(directory.c_str());
    if (opened)
        *opened = listing != nullptr;
    if (listing) {
        try {
            while (const dirent *entry = readdir(listing)) {
                if (KavoIPCWindow::HasWindowTitle(entry->d_name)
                    && KavoIPCSocket::IsOurSocket(directory + '/' + entry->d_name))
                    names->emplace_back(entry->d_name);
            }
        } catch (...) {
            // Out of memory: those listed so far still get the message.
        }
        closedir(listing);
    }
    return names;
}

KavoIPCWindowList::Names KavoIPCWindowList::Of(const std::string &directory)
{
    Watches &watches = TheWatches();
    std::lock_guard<std::mutex> lock(watches.lock);
    if (watches.fd == -2)
        watches.fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watches.fd < 0)
        return List(directory);
    watches.Drain();

    int watch = -1;
    const auto known = watches.watchOf.find(directory);
    if (known != watches.watchOf.end()) {
        watch = known->second;
    } else {
        watch = inotify_add_watch(watches.fd, directory.c_str(), kChanges);
        // The same directory under another path shares the watch: not kept.
        if (watch < 0 || watches.directoryOf.count(watch))
            return List(directory);
        watches.directoryOf[watch] = directory;
        watches.watchOf[directory] = watch;
    }
    const auto listed = watches.names.find(watch);
    if (listed != watches.names.end())
        return listed->second;
    // Listed after the watch is in place: a change from here on is seen.
    bool opened = false;
    Names names = List(directory, &opened);
    if (opened) {
        watches.names[watch] = names;
        return names;
    }
    // Out of descriptors, most likely: the watch gives its own back, and
    // the listing and the deliveries take the last ones in turn.
    watches.Reset();
    return List(directory);
}
