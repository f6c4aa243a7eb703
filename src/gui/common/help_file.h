#pragma once

#include <QString>

namespace sarvo {

// The help page to open for a language: "<base>/Help/Sarvo_<tag>.html". Russian and English
// are taken without looking whether the page exists; for the other five languages a missing
// page gives the English one. An index beyond the seven languages gives an empty text (no
// help is opened).
QString helpFilePath(const QString& baseDir, int langIndex);

} // namespace sarvo
