#include "core/store/record_file.h"

#include "core/store/platform.h"
#include "core/store/store_error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <numeric>

namespace sarvo {

RecordFile::RecordFile(const std::filesystem::path& path, int recordSize, Mode mode)
    : recordSize_(recordSize) {
    int error = 0;
    file_ = platform::openFile(
        path, mode == Mode::ReadOnly ? platform::Access::ReadOnly : platform::Access::OpenOrCreate,
        error);
    if (!file_) {
        if (mode == Mode::ReadOnly && error == ENOENT)
            return;
        throw openError(error, QString::fromStdString(path.string()));
    }
}

RecordFile::~RecordFile() {
    if (file_)
        std::fclose(file_);
}

void RecordFile::close() {
    if (!file_)
        return;
    std::FILE* f = file_;
    file_ = nullptr;
    if (std::fclose(f) != 0)
        throw errorFromSystem(errno);
}

long long RecordFile::length() {
    if (!file_)
        return 0;
    if (writing_ && std::fflush(file_) != 0)
        throw errorFromSystem(errno);
    int error = 0;
    long long size = platform::fileSize(file_, error);
    if (size < 0)
        throw errorFromSystem(error);
    return size;
}

long long RecordFile::count() {
    return length() / recordSize_;
}

long long RecordFile::partialBytes() {
    return length() % recordSize_;
}

void RecordFile::prepareRead() {
    if (writing_) {
        // The C library needs a positioning call between writing and reading.
        if (std::fflush(file_) != 0)
            throw errorFromSystem(errno);
        writing_ = false;
    }
}

void RecordFile::seek(long long k) {
    if (!file_)
        return;
    discardBlock();
    if (int error = platform::seekFile(file_, k * recordSize_))
        throw errorFromSystem(error);
}

const char* RecordFile::next() {
    if (!file_)
        return nullptr;
    const size_t size = static_cast<size_t>(recordSize_);
    if (blockEnd_ - blockPos_ < size) {
        prepareRead();
        if (block_.empty()) {
            // Whole records and whole pages of about 64 KiB (or more for large records): the C
            // library then reads straight into the block instead of copying through its buffer.
            const size_t unit = std::lcm(size, size_t{4096});
            block_.resize(unit * std::max<size_t>(1, (size_t{1} << 16) / unit));
        }
        // Keep the start of a record cut by the end of the last block.
        const size_t left = blockEnd_ - blockPos_;
        std::memmove(block_.data(), block_.data() + blockPos_, left);
        blockPos_ = 0;
        blockEnd_ = left;
        while (blockEnd_ < size) {
            size_t got = std::fread(block_.data() + blockEnd_, 1, block_.size() - blockEnd_, file_);
            if (got == 0) {
                if (std::ferror(file_))
                    throw errorFromSystem(errno ? errno : EIO);
                return nullptr;
            }
            blockEnd_ += got;
        }
    }
    const char* record = block_.data() + blockPos_;
    blockPos_ += size;
    return record;
}

const char* RecordFile::nextBlock(size_t& records) {
    const char* first = next();
    if (!first) {
        records = 0;
        return nullptr;
    }
    const size_t size = static_cast<size_t>(recordSize_);
    records = 1 + (blockEnd_ - blockPos_) / size;
    blockPos_ += (records - 1) * size;
    return first;
}

bool RecordFile::readNext(char* buffer) {
    const char* record = next();
    if (!record)
        return false;
    std::memcpy(buffer, record, static_cast<size_t>(recordSize_));
    return true;
}

void RecordFile::read(long long k, char* buffer) {
    if (!file_)
        throw readBeyondEnd();
    seek(k);
    if (!readNext(buffer))
        throw readBeyondEnd();
}

void RecordFile::write(long long k, const char* buffer) {
    if (!file_)
        throw errorFromSystem(EACCES);
    seek(k);
    writing_ = true;
    if (std::fwrite(buffer, 1, static_cast<size_t>(recordSize_), file_) !=
        static_cast<size_t>(recordSize_))
        throw errorFromSystem(errno ? errno : EIO);
}

void RecordFile::append(const char* buffer) {
    write(count(), buffer);
}

void RecordFile::sync() {
    if (!file_)
        return;
    if (int error = platform::syncFile(file_))
        throw errorFromSystem(error);
    writing_ = false;
}

} // namespace sarvo
