#pragma once

#include "core/text/text_id.h"

#include <QString>

namespace sarvo::tool {

// Prints the text of a refused check on standard error and gives exit code 1. The text is
// the language line `line` of "Lang.txt" in the working directory, in the language stored in the
// settings file of `baseDir` (or the workstation's default language when there is none); the
// English text when no language file gives that line. Nothing is created or changed.
int refuse(const QString& baseDir, Text line, const QString& english);

} // namespace sarvo::tool
