#include "core/store/store_error.h"

#include "core/store/platform.h"

#include <QCoreApplication>
#include <cerrno>

namespace sarvo {

StoreError::StoreError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}

DataBusyError::DataBusyError()
    : StoreError(QCoreApplication::translate(
          "sarvo::Store",
          "The data are being changed by another program; nothing was written. Try again.")) {}

QString failureText(int systemError) {
    switch (systemError) {
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("File not found");
    case EINVAL:
    case ENAMETOOLONG:
    case EISDIR:
        return QStringLiteral("Invalid filename");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Too many open files");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("File access denied");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
        return QStringLiteral("Disk full");
    default:
        return QStringLiteral("I/O error %1").arg(systemError);
    }
}

StoreError errorFromSystem(int systemError) {
    return StoreError(failureText(systemError));
}

StoreError notRegularFile(const QString& path) {
    return StoreError(
        QCoreApplication::translate("sarvo::Store",
                                    "%1 is not a regular file; it is neither read nor written.")
            .arg(path));
}

StoreError openError(int error, const QString& path) {
    return error == platform::kNotRegularFile ? notRegularFile(path) : errorFromSystem(error);
}

StoreError readBeyondEnd() {
    return StoreError(QStringLiteral("Read beyond end of file"));
}

} // namespace sarvo
