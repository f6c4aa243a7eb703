#pragma once

#include <cstdio>
#include <filesystem>

// The few calls that differ between Windows and POSIX systems: creating files and folders
// readable by their owner only, flushing a file to the disk, replacing a file by another.
// Each returns 0 or a system error code (errno).
namespace sarvo::platform {

enum class Access { ReadOnly, ReadWrite, OpenOrCreate, CreateTruncate };

// Opens a file for binary access. New files are readable and writable by their owner only.
std::FILE* openFile(const std::filesystem::path& path, Access access, int& error);

// Flushes the C library's buffer and the operating system's cache of the file to the disk.
int syncFile(std::FILE* file);

// Creates a folder readable and writable by its owner only.
int makePrivateDirectory(const std::filesystem::path& path);

// Replaces target by source in one step, so that target is either the old or the new file.
int replaceFile(const std::filesystem::path& source, const std::filesystem::path& target);

// Moves to a byte offset of an open file (64-bit offsets on every system).
int seekFile(std::FILE* file, long long offset);
long long fileSize(std::FILE* file, int& error);

} // namespace sarvo::platform
