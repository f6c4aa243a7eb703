#pragma once

// Large data files for the timing programs, written in big blocks.
#include "core/store/records.h"

#include <QFile>
#include <filesystem>
#include <functional>
#include <vector>

namespace sarvo::bench {

// Writes `count` records of `size` bytes to `path`; `fill(i, bytes)` makes record i.
inline void writeRecords(const std::filesystem::path& path, long long count, int size,
                         const std::function<void(long long, char*)>& fill) {
    QFile file(QString::fromStdString(path.string()));
    file.open(QIODevice::WriteOnly);
    std::vector<char> block;
    block.reserve(1 << 20);
    std::vector<char> record(static_cast<size_t>(size));
    for (long long i = 0; i < count; ++i) {
        fill(i, record.data());
        block.insert(block.end(), record.begin(), record.end());
        if (block.size() >= (1 << 20)) {
            file.write(block.data(), static_cast<qint64>(block.size()));
            block.clear();
        }
    }
    file.write(block.data(), static_cast<qint64>(block.size()));
}

} // namespace sarvo::bench
