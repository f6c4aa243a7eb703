#include "core/store/data_lock.h"

#include "core/store/platform.h"
#include "core/store/store_error.h"

#include <QThread>
#include <cerrno>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

namespace sarvo {

namespace fs = std::filesystem;

// What the process holds of one data folder's lock.
struct DataLock::Entry {
    platform::LockHandle handle = platform::kNoLock;
    int shared = 0;    // guards taken shared
    int exclusive = 0; // guards taken exclusive
};

namespace {

std::mutex& registryMutex() {
    static std::mutex mutex;
    return mutex;
}

// One entry per lock file and thread. Each thread holds the lock through its own open file, so
// that two threads of one process exclude each other as two processes do; guards of one thread
// nest.
using EntryKey = std::pair<fs::path, std::thread::id>;
std::map<EntryKey, DataLock::Entry*>& registry() {
    static std::map<EntryKey, DataLock::Entry*> entries;
    return entries;
}

DataLock::Entry* findEntry(const EntryKey& key) {
    std::lock_guard<std::mutex> hold(registryMutex());
    const auto it = registry().find(key);
    return it == registry().end() ? nullptr : it->second;
}

fs::path lockPath(const fs::path& dataDir) {
    std::error_code ec;
    fs::path absolute = fs::absolute(dataDir, ec);
    return (ec ? dataDir : absolute).lexically_normal() / DataLock::kFileName;
}

// Tries until `wait` has passed; 0 or the last error.
int lockWithin(platform::LockHandle handle, bool exclusive, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    auto pause = std::chrono::milliseconds(2);
    for (;;) {
        int error = platform::tryLock(handle, exclusive);
        if (error != EWOULDBLOCK && error != EAGAIN)
            return error;
        if (std::chrono::steady_clock::now() >= deadline)
            return error;
        QThread::msleep(static_cast<unsigned long>(pause.count()));
        pause = std::min(pause * 2, std::chrono::milliseconds(50));
    }
}

} // namespace

DataLock::DataLock(const fs::path& dataDir, Kind kind, std::chrono::milliseconds wait)
    : exclusive_(kind == Kind::Exclusive) {
    // The entry is the calling thread's own: only the map is shared, and no other thread waits
    // on the map while this one waits for the lock.
    const EntryKey key{lockPath(dataDir), std::this_thread::get_id()};
    const fs::path& path = key.first;
    Entry* entry = findEntry(key);
    if (!entry) {
        std::error_code ec;
        if (!exclusive_ && !fs::is_directory(path.parent_path(), ec))
            return;
        int error = 0;
        platform::LockHandle handle =
            platform::openLockFile(path, path.parent_path() / "DataUsers.usr", exclusive_, error);
        if (handle == platform::kNoLock) {
            if (!exclusive_)
                return; // nobody can write there: nothing to guard against
            throw errorFromSystem(error);
        }
        if (int e = lockWithin(handle, exclusive_, wait)) {
            platform::closeLockFile(handle);
            if (e == EWOULDBLOCK || e == EAGAIN)
                throw DataBusyError();
            throw errorFromSystem(e);
        }
        entry = new Entry{handle, 0, 0};
        std::lock_guard<std::mutex> hold(registryMutex());
        registry().emplace(key, entry);
    } else if (exclusive_ && entry->exclusive == 0) {
        // Held shared by this thread: turn it exclusive. Should that fail, the shared lock is
        // taken again for the guards that hold it.
        if (int e = lockWithin(entry->handle, true, wait)) {
            lockWithin(entry->handle, false, std::chrono::hours(1));
            if (e == EWOULDBLOCK || e == EAGAIN)
                throw DataBusyError();
            throw errorFromSystem(e);
        }
        turnedExclusive_ = true;
    }
    entry_ = entry;
    (exclusive_ ? entry_->exclusive : entry_->shared) += 1;
}

DataLock::DataLock(DataLock&& other) noexcept
    : entry_(other.entry_), exclusive_(other.exclusive_), turnedExclusive_(other.turnedExclusive_) {
    other.entry_ = nullptr;
}

DataLock::~DataLock() {
    if (!entry_)
        return;
    (exclusive_ ? entry_->exclusive : entry_->shared) -= 1;
    if (entry_->exclusive == 0 && entry_->shared == 0) {
        platform::unlock(entry_->handle);
        platform::closeLockFile(entry_->handle);
        {
            std::lock_guard<std::mutex> hold(registryMutex());
            auto& entries = registry();
            for (auto it = entries.begin(); it != entries.end(); ++it)
                if (it->second == entry_) {
                    entries.erase(it);
                    break;
                }
        }
        delete entry_;
    } else if (turnedExclusive_) {
        // Back to the shared lock the outer guards took.
        platform::tryLock(entry_->handle, false);
    }
}

} // namespace sarvo
