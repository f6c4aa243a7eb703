#pragma once

#include <QStringList>

namespace sarvo::tool {

// Runs one command of sarvo-tool; returns the exit code (0 success, 1 failure or a fault found,
// 2 bad arguments).
int run(const QStringList& arguments);

} // namespace sarvo::tool
