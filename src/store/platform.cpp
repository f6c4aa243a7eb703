#include "store/platform.h"

#include <cerrno>

#ifdef _WIN32
#include <direct.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace sarvo::platform {

std::FILE* openFile(const std::filesystem::path& path, Access access, int& error) {
    error = 0;
#ifdef _WIN32
    int flags = _O_BINARY;
    const wchar_t* mode = L"r+b";
    switch (access) {
    case Access::ReadOnly:
        flags |= _O_RDONLY;
        mode = L"rb";
        break;
    case Access::ReadWrite:
        flags |= _O_RDWR;
        break;
    case Access::OpenOrCreate:
        flags |= _O_RDWR | _O_CREAT;
        break;
    case Access::CreateTruncate:
        flags |= _O_RDWR | _O_CREAT | _O_TRUNC;
        break;
    }
    int fd = _wopen(path.c_str(), flags, _S_IREAD | _S_IWRITE);
    if (fd < 0) {
        error = errno;
        return nullptr;
    }
    std::FILE* file = _wfdopen(fd, mode);
#else
    int flags = O_CLOEXEC;
    const char* mode = "r+b";
    switch (access) {
    case Access::ReadOnly:
        flags |= O_RDONLY;
        mode = "rb";
        break;
    case Access::ReadWrite:
        flags |= O_RDWR;
        break;
    case Access::OpenOrCreate:
        flags |= O_RDWR | O_CREAT;
        break;
    case Access::CreateTruncate:
        flags |= O_RDWR | O_CREAT | O_TRUNC;
        break;
    }
    int fd = ::open(path.c_str(), flags, S_IRUSR | S_IWUSR);
    if (fd < 0) {
        error = errno;
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        error = EISDIR;
        return nullptr;
    }
    std::FILE* file = ::fdopen(fd, mode);
#endif
    if (!file) {
        error = errno;
#ifdef _WIN32
        _close(fd);
#else
        ::close(fd);
#endif
    }
    return file;
}

int syncFile(std::FILE* file) {
    if (std::fflush(file) != 0)
        return errno;
#ifdef _WIN32
    if (_commit(_fileno(file)) != 0)
        return errno;
#else
    if (::fsync(fileno(file)) != 0)
        return errno;
#endif
    return 0;
}

int makePrivateDirectory(const std::filesystem::path& path) {
#ifdef _WIN32
    if (_wmkdir(path.c_str()) != 0)
        return errno;
#else
    if (::mkdir(path.c_str(), S_IRWXU) != 0)
        return errno;
#endif
    return 0;
}

int replaceFile(const std::filesystem::path& source, const std::filesystem::path& target) {
#ifdef _WIN32
    if (!MoveFileExW(source.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return EACCES;
#else
    if (std::rename(source.c_str(), target.c_str()) != 0)
        return errno;
    // Make the rename itself durable.
    std::filesystem::path folder = target.parent_path();
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
    return 0;
}

int seekFile(std::FILE* file, long long offset) {
#ifdef _WIN32
    return _fseeki64(file, offset, SEEK_SET) == 0 ? 0 : errno;
#else
    return ::fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0 ? 0 : errno;
#endif
}

long long fileSize(std::FILE* file, int& error) {
    error = 0;
#ifdef _WIN32
    struct _stat64 info {};
    if (_fstat64(_fileno(file), &info) != 0) {
        error = errno;
        return -1;
    }
    return info.st_size;
#else
    struct stat info {};
    if (::fstat(fileno(file), &info) != 0) {
        error = errno;
        return -1;
    }
    return info.st_size;
#endif
}

} // namespace sarvo::platform
