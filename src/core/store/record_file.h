#pragma once

#include <cstdio>
#include <filesystem>
#include <vector>

namespace sarvo {

// One open file of fixed-size records. Every failure throws StoreError; the destructor closes
// the file, so an abandoned operation leaves no file open.
class RecordFile {
public:
    enum class Mode {
        ReadOnly,    // a missing file reads as empty and is not created
        OpenOrCreate // a missing file is created empty
    };

    RecordFile(const std::filesystem::path& path, int recordSize, Mode mode);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    bool exists() const { return file_ != nullptr; }
    int recordSize() const { return recordSize_; }

    // Whole records in the file; a partial record at the end does not count.
    long long count();
    // Bytes of a partial record at the end of the file (0 when the length is a multiple).
    long long partialBytes();

    // Positions at record k for sequential reading.
    void seek(long long k);
    // Reads the next whole record; false at the end (a partial record is never read).
    bool readNext(char* buffer);
    // The next whole record in the file's read buffer, valid until the next call; nullptr at the
    // end. Reading goes by large blocks, so a scan costs little more than reading the bytes.
    const char* next();
    // All whole records that the read buffer holds from here on (at least one), with their
    // number in `records`; nullptr at the end.
    const char* nextBlock(size_t& records);

    void read(long long k, char* buffer);
    void write(long long k, const char* buffer);
    // Writes after the last whole record, over a partial tail if there is one.
    void append(const char* buffer);
    // Flushes what was written to the disk.
    void sync();
    void close();

private:
    long long length();
    void prepareRead();

    void discardBlock() { blockPos_ = blockEnd_ = 0; }

    std::FILE* file_ = nullptr;
    int recordSize_;
    bool writing_ = false;
    std::vector<char> block_;
    size_t blockPos_ = 0;
    size_t blockEnd_ = 0;
};

} // namespace sarvo
