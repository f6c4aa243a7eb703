// Writes the fuzzer's seed corpus into the directory given: frames as a dosimeter sends them.
#include "core/link/frame.h"

#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv) {
    using namespace sarvo;
    if (argc != 2) {
        std::fprintf(stderr, "usage: link_fuzz_seeds DIRECTORY\n");
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(directory);

    std::vector<QByteArray> seeds;
    auto entries = [](int count) {
        std::vector<DoseRateEntry> list;
        for (int k = 0; k < count; ++k)
            list.push_back({(k * 7919) % 1000000, 1 + k % 12, 1 + k % 31, k % 24, (k * 7) % 60});
        return list;
    };
    for (int count : {0, 1, 9, 100, 101})
        seeds.push_back(encodeFrame(Reading{0x1234, 250, entries(count), 0}));
    seeds.push_back(encodeFrame(
        Reading{static_cast<std::int64_t>(0x9999999999999999ULL), kDoseLimit - 1, entries(3), 0}));
    seeds.push_back(encodeFrame(Reading{0x70, 7000, {{7777, 12, 31, 23, 59}}, 0}));
    // Two frames back to back, and a frame cut short.
    seeds.push_back(seeds[0] + seeds[1]);
    seeds.push_back(seeds[2].left(40));

    for (size_t i = 0; i < seeds.size(); ++i) {
        QFile file(QDir(directory).filePath(QStringLiteral("frame-%1").arg(i)));
        if (!file.open(QIODevice::WriteOnly) || file.write(seeds[i]) != seeds[i].size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    std::printf("%zu seed frames in %s\n", seeds.size(), argv[1]);
    return 0;
}
