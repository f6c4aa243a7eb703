#pragma once

#include <QString>
#include <stdexcept>

namespace sarvo {

// A failed file operation. The text is what the officer sees: one of "File not found",
// "Invalid filename", "Too many open files", "File access denied", "Read beyond end of file",
// "Disk full" or "I/O error %d".
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& text);
    QString text() const { return text_; }

private:
    QString text_;
};

// The data directory's write lock was not had in time: another program is changing the data.
// Nothing was written; the operation may be tried again.
class DataBusyError : public StoreError {
public:
    DataBusyError();
};

// The failure text for a system error code (errno).
QString failureText(int systemError);
StoreError errorFromSystem(int systemError);
StoreError readBeyondEnd();
// A data file that is a device, a pipe or anything else but a regular file.
StoreError notRegularFile(const QString& path);
// The error of opening `path`: the system's code, or a file that is not a regular file.
StoreError openError(int error, const QString& path);

} // namespace sarvo
