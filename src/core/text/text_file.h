#pragma once

#include <QByteArray>
#include <cstdio>
#include <filesystem>

namespace sarvo {

// An output text file of an export, written as given (the callers build the bytes, line ends
// included). Every failure throws StoreError with the text for the officer ("File access
// denied", "Disk full", ...). A file abandoned by an exception is closed by the destructor with
// what was written so far.
class TextFile {
public:
    // Creates the file, or empties an existing one.
    explicit TextFile(std::filesystem::path path);
    ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    const std::filesystem::path& path() const { return path_; }
    void write(const QByteArray& bytes);
    // Writes out what is buffered and closes the file; only then is the file complete.
    void close();

private:
    std::filesystem::path path_;
    std::FILE* file_ = nullptr;
};

} // namespace sarvo
