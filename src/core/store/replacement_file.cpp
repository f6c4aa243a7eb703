#include "core/store/replacement_file.h"

#include "core/store/platform.h"
#include "core/store/store_error.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace sarvo {

namespace fs = std::filesystem;

namespace {

std::function<fs::path(const fs::path&, int)>& temporaryNames() {
    static std::function<fs::path(const fs::path&, int)> names;
    return names;
}

std::size_t& spaceForTest() {
    static std::size_t bytes = SIZE_MAX;
    return bytes;
}

// The target's name, six random letters or digits, ".tmp".
fs::path randomTemporaryName(const fs::path& target) {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string tail(6, '0');
    for (char& c : tail)
        c = letters[QRandomGenerator::global()->bounded(static_cast<int>(sizeof letters - 1))];
    fs::path name = target;
    name += "." + tail + ".tmp";
    return name;
}

} // namespace

bool isReplacementTemporary(const QString& fileName) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(Sarvo\.ini|DataUsers\.usr|DataHist\.hst)(\.[A-Za-z0-9]{6})?\.tmp$)"));
    return pattern.match(fileName).hasMatch();
}

void setTemporaryNamesForTest(std::function<fs::path(const fs::path&, int)> names) {
    temporaryNames() = std::move(names);
}

void setReplacementSpaceForTest(std::size_t bytes) {
    spaceForTest() = bytes;
}

ReplacementFile::ReplacementFile(fs::path target) : target_(std::move(target)) {
    // A name that is taken (by anything, a link included) is passed over for another one.
    int error = 0;
    for (int attempt = 0; attempt < 100 && !file_; ++attempt) {
        temporary_ =
            temporaryNames() ? temporaryNames()(target_, attempt) : randomTemporaryName(target_);
        file_ = platform::createExclusive(temporary_, target_, error);
        if (!file_ && error != EEXIST)
            break;
    }
    if (!file_)
        throw errorFromSystem(error);
    // Records go out in large blocks, not in the C library's small default ones.
    std::setvbuf(file_, nullptr, _IOFBF, kBufferSize);
}

ReplacementFile::~ReplacementFile() {
    if (!file_)
        return;
    std::fclose(file_);
    std::error_code ec;
    fs::remove(temporary_, ec);
}

void ReplacementFile::write(const char* bytes, std::size_t size) {
    const std::size_t room = std::min(size, spaceForTest());
    errno = 0;
    const std::size_t written = std::fwrite(bytes, 1, room, file_);
    if (spaceForTest() != SIZE_MAX)
        spaceForTest() -= written;
    if (written != size)
        throw errorFromSystem(written < room ? (errno ? errno : EIO) : ENOSPC);
}

void ReplacementFile::commit() {
    if (int e = platform::syncFile(file_))
        throw errorFromSystem(e);
    std::FILE* file = file_;
    file_ = nullptr;
    if (std::fclose(file) != 0) {
        const int e = errno;
        std::error_code ec;
        fs::remove(temporary_, ec);
        throw errorFromSystem(e);
    }
    if (int e = platform::replaceFile(temporary_, target_)) {
        std::error_code ec;
        fs::remove(temporary_, ec);
        throw errorFromSystem(e);
    }
}

} // namespace sarvo
