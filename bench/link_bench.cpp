// Timing program for the dosimeter link: prints its figures, asserts nothing.
//   link_bench [DIR]   (default: a temporary directory)
// 1. Frames decoded per second for a frame of 100 entries handed over one byte per receive event.
// 2. The reading intake: from the receive event that completes a good frame to its History record
//    written and flushed to the disk, and to the end of the intake; the officer's boxes answer at
//    once, so their time is left out.
#include "core/link/dosimeter_link.h"
#include "core/link/frame.h"
#include "core/store/store.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace sarvo;
using Steady = std::chrono::steady_clock;

namespace {

constexpr int kPersons = 200;
constexpr int kReadings = 200;
constexpr std::int64_t kIdentifier = 0x9000000000001234LL;

double msSince(Steady::time_point start, Steady::time_point end) {
    return std::chrono::duration<double, std::milli>(end - start).count();
}

Reading hundredEntries(int round) {
    Reading r{kIdentifier, 250 + round, {}, 0};
    for (int k = 0; k < 100; ++k)
        r.entries.push_back({(k * 7919 + round) % 1000000, 1 + k % 12, 1 + k % 28, k % 24, k % 60});
    return r;
}

void decoderThroughput() {
    const QByteArray wire = encodeFrame(hundredEntries(0));
    FrameDecoder decoder;
    long long frames = 0;
    const Steady::time_point start = Steady::now();
    Steady::time_point now = start;
    while (msSince(start, now) < 2000) {
        for (int repeat = 0; repeat < 100; ++repeat) {
            FrameVerdict verdict;
            for (qsizetype i = 0; i < wire.size(); ++i)
                verdict = decoder.receive(QByteArrayView(wire).sliced(i, 1));
            if (!verdict.good()) {
                std::fprintf(stderr, "the frame was not judged good\n");
                return;
            }
            decoder.clear();
            ++frames;
        }
        now = Steady::now();
    }
    const double seconds = msSince(start, now) / 1000.0;
    std::printf("decoder: 100-entry frame (%lld bytes on the wire) fed byte by byte: "
                "%.0f frames/s (%.1f MB/s)\n",
                static_cast<long long>(wire.size()), frames / seconds,
                frames * wire.size() / seconds / 1e6);
}

struct QuickOfficer : Officer {
    Steady::time_point asked;
    void information(const QString&) override {}
    void error(const QString& text) override {
        std::fprintf(stderr, "error box: %s\n", qPrintable(text));
    }
    // mnu_SavED is kept checked: the question comes right after the History record is written.
    bool warningQuestion(const QString&) override {
        asked = Steady::now();
        return false;
    }
};

struct QuietHost : LinkHost {
    void purgePort() override {}
    void setDoseRateLog(const std::vector<DoseRateRow>&) override {}
    void showDoseRateLog(const UserRecord&) override {}
    void highlightPerson(long long) override {}
};

void report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("intake: %s: median %.2f ms, 95th percentile %.2f ms, max %.2f ms\n", what,
                ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.back());
}

void intakeLatency(const QString& directory) {
    QDir(directory).mkpath(QStringLiteral("DB"));
    Store store(directory.toStdString());
    for (int i = 0; i < kPersons; ++i)
        store.appendPerson(QStringLiteral("Person%1").arg(i), QStringLiteral("A"), QString(),
                           QString());
    UserRecord holder = store.readUser(kPersons - 1);
    holder.DosimeterId = kIdentifier;
    store.writeUser(kPersons - 1, holder);

    QuickOfficer officer;
    QuietHost host;
    ManualWaitTimer timer;
    ManualWaitTimer retry(kLockRetryMs);
    SystemClock clock;
    DosimeterLink link(store, officer, host, timer, retry, clock);
    link.setDoseAdding(true);

    std::vector<double> toHistory;
    std::vector<double> whole;
    for (int round = 0; round < kReadings; ++round) {
        const QByteArray wire = encodeFrame(hundredEntries(round));
        link.receive(wire.left(wire.size() - 1));
        const Steady::time_point start = Steady::now();
        link.receive(wire.right(1));
        const Steady::time_point end = Steady::now();
        toHistory.push_back(msSince(start, officer.asked));
        whole.push_back(msSince(start, end));
    }
    std::printf("intake: %d readings, person %d of %d, 100 new dose-rate lines each, "
                "history file of %lld records\n",
                kReadings, kPersons, kPersons, store.historyCount());
    report("good frame to History record flushed", toHistory);
    report("good frame to the end of the intake", whole);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    decoderThroughput();
    QTemporaryDir temporary;
    const QString directory = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    intakeLatency(directory);
    return 0;
}
