#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

// The few calls that differ between Windows and POSIX systems: creating files and folders
// readable by their owner only, flushing a file to the disk, replacing a file by another, the
// data directory's lock. Each returns 0 or a system error code (errno).
namespace sarvo::platform {

// The error of a data file that is not a regular file (a device, a pipe, a folder).
inline constexpr int kNotRegularFile = -1000;

enum class Access { ReadOnly, ReadWrite, OpenOrCreate, CreateTruncate };

// Opens a file for binary access. With `regularOnly` (data files) anything but a regular file
// gives kNotRegularFile, without waiting on a pipe or a device. New files are readable and
// writable by their owner only.
std::FILE* openFile(const std::filesystem::path& path, Access access, int& error,
                    bool regularOnly = true);

// Creates `path` anew for writing: fails with EEXIST when anything, a link included, is there
// already, so no link is ever followed. The new file takes the mode of `like` (and its owner and
// group where the system permits), or is readable and writable by its owner only when `like`
// does not exist.
std::FILE* createExclusive(const std::filesystem::path& path, const std::filesystem::path& like,
                           int& error);

// Flushes a folder's entries (a rename in it) to the disk; a no-op where the system has no such
// call.
int syncDirectory(const std::filesystem::path& folder);

// True when the calling program may create and change files in `folder`.
bool folderWritable(const std::filesystem::path& folder);

// An open lock file: a descriptor on POSIX systems, a handle on Windows.
using LockHandle = long long;
inline constexpr LockHandle kNoLock = -1;

// Opens (creating it when it is missing and `create` is set) a lock file. A new lock file takes
// the mode and group of `like` where it exists.
LockHandle openLockFile(const std::filesystem::path& path, const std::filesystem::path& like,
                        bool create, int& error);
// Tries once, without waiting, to lock the whole file shared or exclusive; EWOULDBLOCK when
// another program holds a conflicting lock.
int tryLock(LockHandle handle, bool exclusive);
void unlock(LockHandle handle);
void closeLockFile(LockHandle handle);

// Flushes the C library's buffer and the operating system's cache of the file to the disk.
int syncFile(std::FILE* file);

// Creates a folder readable and writable by its owner only.
int makePrivateDirectory(const std::filesystem::path& path);

// Replaces target by source in one step, so that target is either the old or the new file.
// The rename is flushed to the disk with its folder.
int replaceFile(const std::filesystem::path& source, const std::filesystem::path& target);

// Moves to a byte offset of an open file (64-bit offsets on every system).
int seekFile(std::FILE* file, long long offset);
long long fileSize(std::FILE* file, int& error);

// The name the operating system knows the running user by (UTF-8), empty when it has none.
std::string loginName();

// True when standard input (0), output (1) or error (2) is a terminal.
bool isTerminal(int stream);
// Reads one line from standard input, the terminal's echo off while it is typed; without the
// line end. False at the end of the input.
bool readHiddenLine(std::string& line);

} // namespace sarvo::platform
