#include "core/store/platform.h"

#include <cerrno>

#ifdef _WIN32
#include <direct.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#endif
#include <iostream>

namespace sarvo::platform {

#ifndef _WIN32
namespace {

// Gives a new file the owner of `like` where permitted (as root), else at least its group; then
// its mode (within `modeMask`), which a change of owner may have cleared bits of.
void takeOwnerAndMode(int fd, const std::filesystem::path& like, mode_t modeMask) {
    struct stat model {};
    if (::stat(like.c_str(), &model) != 0)
        return;
    if (::fchown(fd, model.st_uid, model.st_gid) != 0)
        (void)!::fchown(fd, static_cast<uid_t>(-1), model.st_gid);
    ::fchmod(fd, model.st_mode & modeMask);
}

} // namespace
#endif

std::FILE* openFile(const std::filesystem::path& path, Access access, int& error,
                    bool regularOnly) {
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
    struct _stat64 info {};
    if (_fstat64(fd, &info) != 0 || ((info.st_mode & _S_IFMT) != _S_IFREG &&
                                     (regularOnly || (info.st_mode & _S_IFMT) == _S_IFDIR))) {
        error = (info.st_mode & _S_IFMT) == _S_IFDIR ? EISDIR : kNotRegularFile;
        _close(fd);
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
    // Without waiting: a pipe or a device is refused below, not waited on.
    int fd = ::open(path.c_str(), flags | (regularOnly ? O_NONBLOCK : 0), S_IRUSR | S_IWUSR);
    if (fd < 0) {
        error = errno;
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 ||
        (!S_ISREG(info.st_mode) && (regularOnly || S_ISDIR(info.st_mode)))) {
        error = S_ISDIR(info.st_mode) ? EISDIR : kNotRegularFile;
        ::close(fd);
        return nullptr;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
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
    return syncDirectory(target.parent_path());
#endif
    return 0;
}

int syncDirectory(const std::filesystem::path& folder) {
#ifndef _WIN32
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int error = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    ::close(fd);
    return error;
#else
    (void)folder;
    return 0;
#endif
}

std::FILE* createExclusive(const std::filesystem::path& path, const std::filesystem::path& like,
                           int& error) {
    error = 0;
#ifdef _WIN32
    (void)like;
    int fd = _wopen(path.c_str(), _O_BINARY | _O_RDWR | _O_CREAT | _O_EXCL, _S_IREAD | _S_IWRITE);
    if (fd < 0) {
        error = errno;
        return nullptr;
    }
    std::FILE* file = _wfdopen(fd, L"w+b");
    if (!file) {
        error = errno;
        _close(fd);
    }
    return file;
#else
    int fd =
        ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0) {
        error = errno;
        return nullptr;
    }
    takeOwnerAndMode(fd, like, 07777);
    std::FILE* file = ::fdopen(fd, "w+b");
    if (!file) {
        error = errno;
        ::close(fd);
    }
    return file;
#endif
}

bool folderWritable(const std::filesystem::path& folder) {
#ifdef _WIN32
    // Windows has no cheap test of the rights on a folder: try a file.
    std::filesystem::path probe = folder / L".sarvo-write-test";
    int fd =
        _wopen(probe.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_TEMPORARY, _S_IREAD | _S_IWRITE);
    if (fd < 0)
        return errno == EEXIST;
    _close(fd);
    return true;
#else
    return ::access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) == 0;
#endif
}

LockHandle openLockFile(const std::filesystem::path& path, const std::filesystem::path& like,
                        bool create, int& error) {
    error = 0;
#ifdef _WIN32
    (void)like;
    HANDLE handle =
        CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    create ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE && !create)
        handle = CreateFileW(path.c_str(), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = GetLastError() == ERROR_FILE_NOT_FOUND ? ENOENT : EACCES;
        return kNoLock;
    }
    return reinterpret_cast<LockHandle>(handle);
#else
    int fd = -1;
    if (create) {
        fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    S_IRUSR | S_IWUSR);
        if (fd >= 0) {
            takeOwnerAndMode(fd, like, 0666);
            return fd;
        }
        if (errno != EEXIST) {
            error = errno;
            return kNoLock;
        }
    }
    fd = ::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 && (errno == EACCES || errno == EROFS))
        fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return kNoLock;
    }
    // The lock file follows the user file's mode and group when they change (where its owner
    // opens it).
    struct stat model {
    }, own{};
    if (create && ::stat(like.c_str(), &model) == 0 && ::fstat(fd, &own) == 0 &&
        own.st_uid == ::geteuid()) {
        if (own.st_gid != model.st_gid)
            (void)!::fchown(fd, static_cast<uid_t>(-1), model.st_gid);
        if ((own.st_mode & 0666) != (model.st_mode & 0666))
            ::fchmod(fd, model.st_mode & 0666);
    }
    return fd;
#endif
}

int tryLock(LockHandle handle, bool exclusive) {
#ifdef _WIN32
    OVERLAPPED whole{};
    DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
    if (LockFileEx(reinterpret_cast<HANDLE>(handle), flags, 0, MAXDWORD, MAXDWORD, &whole))
        return 0;
    return GetLastError() == ERROR_LOCK_VIOLATION ? EWOULDBLOCK : EACCES;
#else
    if (::flock(static_cast<int>(handle), (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) == 0)
        return 0;
    return errno == EINTR ? EWOULDBLOCK : errno;
#endif
}

void unlock(LockHandle handle) {
#ifdef _WIN32
    OVERLAPPED whole{};
    UnlockFileEx(reinterpret_cast<HANDLE>(handle), 0, MAXDWORD, MAXDWORD, &whole);
#else
    ::flock(static_cast<int>(handle), LOCK_UN);
#endif
}

void closeLockFile(LockHandle handle) {
#ifdef _WIN32
    CloseHandle(reinterpret_cast<HANDLE>(handle));
#else
    ::close(static_cast<int>(handle));
#endif
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

std::string loginName() {
#ifdef _WIN32
    wchar_t name[257];
    DWORD size = 257;
    if (!GetUserNameW(name, &size) || size == 0)
        return {};
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, name, -1, nullptr, 0, nullptr, nullptr);
    std::string text(bytes > 0 ? bytes - 1 : 0, '\0');
    if (bytes > 1)
        WideCharToMultiByte(CP_UTF8, 0, name, -1, text.data(), bytes, nullptr, nullptr);
    return text;
#else
    const passwd* entry = getpwuid(geteuid());
    return entry && entry->pw_name ? std::string(entry->pw_name) : std::string();
#endif
}

bool isTerminal(int stream) {
#ifdef _WIN32
    return _isatty(stream) != 0;
#else
    return ::isatty(stream) != 0;
#endif
}

bool readHiddenLine(std::string& line) {
#ifdef _WIN32
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    const bool console = GetConsoleMode(input, &mode) != 0;
    if (console)
        SetConsoleMode(input, mode & ~static_cast<DWORD>(ENABLE_ECHO_INPUT));
    const bool read = static_cast<bool>(std::getline(std::cin, line));
    if (console)
        SetConsoleMode(input, mode);
#else
    termios saved{};
    const bool terminal = ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (terminal) {
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    const bool read = static_cast<bool>(std::getline(std::cin, line));
    if (terminal)
        ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
#endif
    if (read && !line.empty() && line.back() == '\r')
        line.pop_back();
    return read;
}

} // namespace sarvo::platform
