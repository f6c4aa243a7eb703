// Timing program for the record store: prints its figures, asserts nothing.
//   store_bench [DIR]   (default: a temporary directory)
#include "bench_files.h"
#include "core/store/store.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

using namespace sarvo;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kPersons = 10000;
constexpr long long kReadings = 1000000;
constexpr std::int32_t kWatched = 4321; // the person with 1,000 readings

// Peak resident memory since the last reset, in KiB (Linux); -1 elsewhere.
long peakKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

void resetPeak() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
}

template <typename F> void measure(const char* what, F&& work) {
    resetPeak();
    const long before = peakKiB();
    const auto start = Clock::now();
    work();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::printf("%-52s %9.1f ms   peak RSS %7ld KiB (%+ld KiB)\n", what, ms, peakKiB(),
                peakKiB() - before);
}

long long rawRead(const std::filesystem::path& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    std::vector<char> buffer(1 << 16);
    long long total = 0;
    size_t got;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), f)) > 0)
        total += static_cast<long long>(got);
    std::fclose(f);
    return total;
}

void makeFiles(Store& store) {
    store.ensureDataDir();
    bench::writeRecords(store.userPath(), kPersons, kUserRecordSize, [](long long i, char* bytes) {
        UserRecord u;
        // Already in name order: "Baa", "Bab", ... so that only the new person moves.
        QString last = QStringLiteral("B%1%2%3")
                           .arg(QChar(static_cast<char16_t>('a' + (i / 676) % 26)))
                           .arg(QChar(static_cast<char16_t>('a' + (i / 26) % 26)))
                           .arg(QChar(static_cast<char16_t>('a' + i % 26)));
        u.setTexts(last, QStringLiteral("First"), QStringLiteral("Middle"),
                   QStringLiteral("Department"));
        u.UserNo = static_cast<std::int32_t>(i + 1);
        u.DosimeterId = 0x100000 + i;
        for (int k = 0; k < kMedLineCount; ++k)
            u.MED[k] = "14.03.202609:3012,05 uSv/h";
        u.toBytes(bytes);
    });
    bench::writeRecords(
        store.historyPath(), kReadings, kHistoryRecordSize, [](long long i, char* bytes) {
            auto other = static_cast<std::int32_t>(1 + i % kPersons);
            if (other == kWatched)
                ++other;
            HistoryRecord h{46000.0 + static_cast<double>(i / 1000), 0.5,   0.25, 0.25,
                            i % 1000 == 7 ? kWatched : other,        0x1234};
            h.toBytes(bytes);
        });
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    Store store(dir.toStdString());
    makeFiles(store);
    std::printf("user file: %d persons (%lld bytes); history file: %lld readings (%lld bytes)\n",
                kPersons, static_cast<long long>(kPersons) * kUserRecordSize, kReadings,
                kReadings * kHistoryRecordSize);

    long long sink = 0;
    measure("raw read of the user file", [&] { sink += rawRead(store.userPath()); });
    measure("list all persons (names, identifier, dose)", [&] {
        store.forEachUser(
            [&](long long, const UserRecord& u) {
                sink += u.UserNo + u.LN.size();
                return true;
            },
            false);
    });
    measure("raw read of the history file", [&] { sink += rawRead(store.historyPath()); });
    int collected = 0;
    measure("collect one person's readings", [&] {
        store.forEachHistoryOf(kWatched, [&](long long, const HistoryRecord& h) {
            collected += h.UserNo == kWatched;
            return true;
        });
    });
    std::printf("  (collected %d readings)\n", collected);
    measure("name order after appending one who sorts first", [&] {
        store.appendPerson(QStringLiteral("Aaron"), QStringLiteral("New"), QString(), QString());
        store.sortByName();
    });
    std::printf("  (first person now: %s)\n", qPrintable(store.readUser(0).lastName()));
    return sink == 42 ? 1 : 0;
}
