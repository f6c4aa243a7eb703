#pragma once

#include <QString>
#include <QStringList>

namespace sarvo {

// The program's own files besides the data: the language file and the folder of help pages.
inline constexpr char kLanguageFileName[] = "Lang.txt";
inline constexpr char kHelpFolderName[] = "Help";

// The folders of the installed copy of the program's own files, in the order they are looked at:
// "<folder of the executable>/../share/sarvo" (an installation moved elsewhere as a whole), then
// the installation folder the build was made for. Needs a QCoreApplication for the first.
QStringList shareDirectories();
// Puts `folders` in place of shareDirectories() (tests); an empty list restores them.
void setShareDirectories(const QStringList& folders);

// The folder that holds the program's own file or folder `name` (kLanguageFileName,
// kHelpFolderName) for `baseDir`: the base directory when it is there (an officer's own copy
// wins), otherwise the first share directory that holds it, otherwise the base directory.
QString programFilesDir(const QString& baseDir, const QString& name);

// The project's README: the one installed with the program ("<share>/../doc/sarvo/README.md",
// also compressed, beside the first share directory that has one), which belongs to the version
// that runs and stays when the sources are gone; otherwise the README.md of the source tree the
// program was built from (a program run from its build folder); otherwise the installed place.
QString readmeLocation();

// Whether `file` is one of the program's own files under `baseDir`: the settings file
// "Sarvo.ini", the language file "Lang.txt", anything in the data folder "DB" or the help folder
// "Help"; or the language file or a help page in a share directory. A report must never be saved
// over them. Links and "." or ".." in either path are resolved first, so another spelling of the
// same file is recognised (without regard to case on Windows, whose file names ignore it).
bool isProgramFile(const QString& baseDir, const QString& file);

} // namespace sarvo
