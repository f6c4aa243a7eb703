#include "core/text/text_file.h"

#include "core/store/platform.h"
#include "core/store/store_error.h"

#include <cerrno>

namespace sarvo {

TextFile::TextFile(std::filesystem::path path) : path_(std::move(path)) {
    int error = 0;
    file_ = platform::openFile(path_, platform::Access::CreateTruncate, error, false);
    if (!file_)
        throw errorFromSystem(error);
    std::setvbuf(file_, nullptr, _IOFBF, 1 << 16);
}

TextFile::~TextFile() {
    if (file_)
        std::fclose(file_);
}

void TextFile::write(const QByteArray& bytes) {
    if (!file_)
        throw errorFromSystem(EBADF);
    const auto size = static_cast<size_t>(bytes.size());
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size, file_) != size)
        throw errorFromSystem(errno ? errno : EIO);
}

void TextFile::close() {
    if (!file_)
        return;
    std::FILE* file = file_;
    file_ = nullptr;
    errno = 0;
    if (std::fflush(file) != 0) {
        const int error = errno ? errno : EIO;
        std::fclose(file);
        throw errorFromSystem(error);
    }
    if (std::fclose(file) != 0)
        throw errorFromSystem(errno ? errno : EIO);
}

} // namespace sarvo
