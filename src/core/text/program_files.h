#pragma once

#include <QString>

namespace sarvo {

// Whether `file` is one of the program's own files under `baseDir`: the settings file
// "Sarvo.ini", the language file "Lang.txt", anything in the data folder "DB" or the help folder
// "Help". A report must never be saved over them. Links and "." or ".." in either path are
// resolved first, so another spelling of the same file is recognised (without regard to case on
// Windows, whose file names ignore it).
bool isProgramFile(const QString& baseDir, const QString& file);

} // namespace sarvo
