#pragma once

#include "tool/commands.h"

namespace sarvo::tool {

// The text options of the person commands (--last, --first, --middle, --dep); --last and --first
// are `required` by add-person.
QList<QCommandLineOption> personTextOptions(bool required);
// --lossy.
QCommandLineOption lossyOption();

// True when a text given to one of the text options holds letters that Windows-1251, the code
// page of the user file, cannot store, and --lossy is not given: each such text is named on
// standard error with its letters, and the command must end with exit code 1 and change nothing.
// With --lossy the letters are stored as "?".
bool refuseUnstorableTexts(const Args& args);

} // namespace sarvo::tool
