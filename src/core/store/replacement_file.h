#pragma once

#include <QString>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <functional>

namespace sarvo {

// A file's new content, written to a temporary file of a unique name next to it
// ("DataUsers.usr.k3J9qZ.tmp") that takes the old file's place only when commit() succeeds: the
// file is then either wholly old or wholly new, even after a crash. The temporary file is created
// exclusively (a link or a file planted under its name is never written through) with the old
// file's mode and owner. Destroyed without commit(), it removes the temporary file. Failures throw
// StoreError.
class ReplacementFile {
public:
    explicit ReplacementFile(std::filesystem::path target);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    void write(const char* bytes, std::size_t size);
    // Flushes the new content to the disk and renames it over the target.
    void commit();

private:
    static constexpr std::size_t kBufferSize = 1 << 18;
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* file_ = nullptr;
};

// Whether `fileName` is the name of a replacement's temporary file (one left behind shows a
// replacement that was interrupted).
bool isReplacementTemporary(const QString& fileName);

// For tests: the names tried, in turn, for a replacement's temporary file next to `target`
// (nullptr: random names).
void setTemporaryNamesForTest(
    std::function<std::filesystem::path(const std::filesystem::path& target, int attempt)> names);
// For tests: every replacement stores at most `bytes` bytes and then fails as on a full disk
// (SIZE_MAX: no limit).
void setReplacementSpaceForTest(std::size_t bytes);

} // namespace sarvo
