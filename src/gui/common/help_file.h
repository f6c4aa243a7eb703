#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace sarvo {

// The help page to open for a language: "Help/Sarvo_<tag>.html" in the folder of the program's
// help pages (the base directory when it has a folder "Help", otherwise the installed one, see
// programFilesDir). Russian and English are taken without looking whether the page exists; for
// the other five languages a missing page gives the English one. An index beyond the seven
// languages gives an empty text (no help is opened).
QString helpFilePath(const QString& baseDir, int langIndex);

// Hands a help page to a program that shows it; false when none could.
using HelpOpener = std::function<bool(const QString& path)>;
// The system's program for the page (QDesktopServices: the web browser or HTML viewer).
HelpOpener systemHelpOpener();
// Opens the help page `path` with `opener`. A missing page, or one no program could open, gives
// a box over `parent` that says where the page is (or is to be) and that a web browser can show
// it. False then.
bool openHelpPage(const QString& path, const HelpOpener& opener, QWidget* parent);

} // namespace sarvo
