#pragma once

#include <chrono>
#include <filesystem>
#include <memory>

namespace sarvo {

// The data directory's lock: one lock file, "Write.lock" in the data folder, locked by the
// operating system for the whole directory. Every operation that writes a data file holds it
// exclusive for its whole read-modify-write; readers hold it shared, so that they never see a
// record half rewritten. The window, sarvo-tool and any other program that uses the store all
// take it, so they may run at the same time.
//
// The lock belongs to a thread: a guard taken while the thread already holds the lock nests (an
// exclusive guard inside a shared one waits to turn the lock exclusive), and the lock is released
// when the thread's outermost guard ends. Two threads of one process (the window and its
// background push) exclude each other as two processes do. A guard ends in the thread that took
// it.
//
// A guard that cannot have the lock within `wait` throws DataBusyError and holds nothing.
class DataLock {
public:
    enum class Kind { Shared, Exclusive };
    static constexpr std::chrono::milliseconds kWait{5000};
    static constexpr const char* kFileName = "Write.lock";

    // `dataDir` is the data folder. A shared guard on a folder that does not exist, or whose lock
    // file cannot be made there (a read-only folder nobody can write to), guards nothing and
    // succeeds. An exclusive guard creates the lock file when it is missing.
    DataLock(const std::filesystem::path& dataDir, Kind kind,
             std::chrono::milliseconds wait = kWait);
    ~DataLock();
    DataLock(DataLock&& other) noexcept;
    DataLock& operator=(DataLock&&) = delete;
    DataLock(const DataLock&) = delete;
    DataLock& operator=(const DataLock&) = delete;

    struct Entry; // what the process holds of one folder's lock

private:
    Entry* entry_ = nullptr;
    bool exclusive_ = false;
    bool turnedExclusive_ = false;
};

} // namespace sarvo
