// Timing program for large data sets: prints each figure beside its limit and target; asserts
// nothing.
//   scale_bench [--large] [--sets S,M,L] [--dir DIR [--keep]]
// Sets: S = 100 persons, 10,000 readings; M = 10,000 persons, 1,000,000 readings; L = 50,000
// persons, 10,000,000 readings (310 MB + 480 MB, with --large). In M and L one person holds
// 100,000 of the readings. Each set is written under DIR (default: a temporary directory) and
// removed after its figures, unless --keep. The window is measured in child processes of this
// program (offscreen) so that each start-up and peak memory is its own.
#include "bench_files.h"
#include "core/store/dose_database.h"
#include "core/store/platform.h"
#include "core/store/store.h"
#include "gui/app/sarvo_app.h"
#include "gui/history/hist_chart.h"
#include "gui/main/form_sarvo.h"
#include "gui/main/user_list_grid.h"

#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

using namespace sarvo;
using SteadyClock = std::chrono::steady_clock;

namespace {

struct DataSet {
    const char* name;
    int persons;
    long long readings;
    int watchedReadings; // of the person whose history is opened
    int runs;
    // Targets: name order (s), list fill (ms), start-up beyond an empty directory (ms), history
    // table (ms), chart (ms), peak memory with the chart open (MB); 0 when the set has none.
    double sortS, fillMs, startMs, tableMs, chartMs, memoryMb;
};

const DataSet kSets[] = {
    {"S", 100, 10000, 1000, 5, 0, 0, 0, 0, 0, 0},
    {"M", 10000, 1000000, 100000, 5, 0.4, 60, 100, 100, 250, 100},
    {"L", 50000, 10000000, 100000, 3, 2.0, 250, 300, 150, 300, 120},
};

double msSince(SteadyClock::time_point start) {
    return std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count();
}

template <typename F> double median(int runs, F&& once) {
    std::vector<double> ms;
    for (int k = 0; k < runs; ++k)
        ms.push_back(once());
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

long peakKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// A last name of the set's name order: three letters after "Aaron" (who sorts first), then a
// tail. Persons are written in name order.
QString lastName(long long i, int persons) {
    const long long key = i * (25 * 26 * 26) / persons;
    return QStringLiteral("%1%2%3ova")
        .arg(QChar(static_cast<char16_t>('B' + key / 676)))
        .arg(QChar(static_cast<char16_t>('a' + (key / 26) % 26)))
        .arg(QChar(static_cast<char16_t>('a' + key % 26)));
}

int watchedIndex(const DataSet& set) {
    return set.persons / 2;
}

void makeFiles(const DataSet& set, const QString& dir) {
    Store store(dir.toStdString());
    store.ensureDataDir();
    const int persons = set.persons;
    bench::writeRecords(store.userPath(), persons, kUserRecordSize, [&](long long i, char* bytes) {
        UserRecord u;
        u.setTexts(lastName(i, persons), QStringLiteral("Irina"), QStringLiteral("Petrovna"),
                   QStringLiteral("Reactor hall %1").arg(i % 7));
        u.UserNo = static_cast<std::int32_t>(i + 1);
        u.ED = 0.125 * static_cast<double>(i % 40);
        u.DosimeterId = 0x10000000 + i;
        for (int k = 0; k < kMedLineCount; ++k)
            u.MED[k] = QByteArrayLiteral("14.03.202609:3012,05 uSv/h");
        u.toBytes(bytes);
    });
    const std::int32_t watched = watchedIndex(set) + 1;
    const long long every = set.readings / set.watchedReadings;
    bench::writeRecords(store.historyPath(), set.readings, kHistoryRecordSize,
                        [&](long long i, char* bytes) {
                            const bool mine = i % every == 0;
                            auto other = static_cast<std::int32_t>(1 + i % persons);
                            if (other == watched)
                                other = watched % persons + 1;
                            HistoryRecord h;
                            h.HistDate = 46000.0 + static_cast<double>(i * 3650 / set.readings);
                            h.HistTime = static_cast<double>(i % 86400) / 86400.0;
                            h.Dose = 0.001 * static_cast<double>(i % 977);
                            h.DoseSum = h.Dose + 1.5;
                            h.UserNo = mine ? watched : other;
                            h.DosimeterId = 0x10000000 + h.UserNo - 1;
                            h.toBytes(bytes);
                        });
    QFile::copy(QStringLiteral(SARVO_SOURCE_DIR "/Lang.txt"), dir + QStringLiteral("/Lang.txt"));
    SettingsRecord settings = SettingsRecord::defaults(1);
    settings.setPortName(dir + QStringLiteral("/no-such-port"));
    store.saveSettings(settings);
}

// Milliseconds of a program's run from start to end, its output thrown away.
double runProgram(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    const auto start = SteadyClock::now();
    process.start(program, arguments);
    process.waitForFinished(-1);
    return msSince(start);
}

// Copies a file and flushes the copy to the disk; the milliseconds it took.
double copyWithSync(const std::string& from, const std::string& to) {
    const auto start = SteadyClock::now();
    std::FILE* source = std::fopen(from.c_str(), "rb");
    std::FILE* target = std::fopen(to.c_str(), "wb");
    std::vector<char> block(1 << 20);
    size_t got;
    while ((got = std::fread(block.data(), 1, block.size(), source)) > 0)
        std::fwrite(block.data(), 1, got, target);
    platform::syncFile(target);
    const double ms = msSince(start);
    std::fclose(source);
    std::fclose(target);
    return ms;
}

// Adding a person who sorts first to the set's user file, each run on the file as it was (put
// back and flushed before the clock starts).
double nameOrderAfterAdding(const QString& dir, int runs) {
    Store store(dir.toStdString());
    const std::string path = store.userPath().string();
    const std::string original = path + ".orig";
    std::rename(path.c_str(), original.c_str());
    const double ms = median(runs, [&] {
        copyWithSync(original, path);
        const auto start = SteadyClock::now();
        store.addPerson(QStringLiteral("Aaron"), QStringLiteral("New"), QString(), QString());
        return msSince(start);
    });
    if (store.readUser(0).lastName() != QStringLiteral("Aaron"))
        std::printf("  unexpected: the new person is not first\n");
    std::rename(original.c_str(), path.c_str());
    return ms;
}

// One line of figures: the value, the limit it is measured against (with the ratio when
// `ratio`), and the target.
struct Limit {
    const char* name = nullptr;
    double value = 0;
    bool ratio = true;
};

void row(const char* what, double value, const char* unit, Limit limit, const QString& target) {
    const int decimals = QByteArray(unit) == "s" ? 2 : 1;
    std::printf("  %-46s %9.*f %-3s", what, decimals, value, unit);
    if (limit.name)
        std::printf("  %-22s %8.*f %-3s", limit.name, decimals, limit.value, unit);
    else
        std::printf("  %-22s %8s %-3s", "", "", "");
    if (limit.name && limit.ratio)
        std::printf("  ratio %5.2f", value / limit.value);
    else
        std::printf("  %11s", "");
    if (!target.isEmpty())
        std::printf("  target %s", qPrintable(target));
    std::printf("\n");
}

QString atMost(double target, const char* unit) {
    return target > 0 ? QStringLiteral("<= %1 %2").arg(target).arg(QLatin1String(unit)) : QString();
}

// ---------------------------------------------------------------------------------------------
// The window, in a child process: "--window DIR -1" prints the start-up to the list shown;
// "--window DIR ROW" prints the list filled again and the history table and chart opened for ROW;
// "--memory DIR ROW" prints the peak memory with the chart of ROW open.

int window(const QString& dir, int watchedRow, bool memoryOnly, SteadyClock::time_point begun) {
    QDir::setCurrent(dir);
    SarvoApp::Options options;
    options.singleInstance = false;
    SarvoApp program(options);
    // The list is filled on the first activation, just before the port is opened; the box saying
    // that the port cannot be opened ends the start-up and is closed.
    double startMs = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            if (startMs < 0)
                startMs = msSince(begun);
            box->done(0);
        }
    });
    poll.start(1);
    if (!program.start())
        return 1;
    QElapsedTimer waited;
    waited.start();
    while (startMs < 0 && waited.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    TFormSarvo& main = *program.mainWindow();
    auto* users = main.findChild<UserListGrid*>(QStringLiteral("StringGridUser"));
    auto* table = main.findChild<QTableView*>(QStringLiteral("StringGridHist"));
    auto* chart = main.findChild<QChartView*>(QStringLiteral("ChartHist"));
    QAction* tableToggle = main.findChild<QAction*>(QStringLiteral("mnu_HistGrid"));
    QAction* chartToggle = main.findChild<QAction*>(QStringLiteral("mnu_HistChart"));
    const auto drawn = [](QAbstractScrollArea* view) {
        QCoreApplication::processEvents();
        view->viewport()->repaint();
    };
    if (watchedRow < 0) {
        std::printf("%.1f\n", startMs);
        return 0;
    }
    users->selectRow(watchedRow);
    if (memoryOnly) {
        chartToggle->trigger();
        drawn(chart);
        const size_t points = static_cast<HistChart*>(chart->chart())->points().size();
        std::printf("%.1f %zu\n", static_cast<double>(peakKiB()) / 1024.0, points);
        return 0;
    }
    const int runs = 3;
    const double tableMs = median(runs, [&] {
        const auto start = SteadyClock::now();
        tableToggle->trigger();
        drawn(table);
        const double ms = msSince(start);
        tableToggle->trigger(); // back to the list, which is filled again
        drawn(users);
        return ms;
    });
    const double fillMs = median(runs, [&] {
        tableToggle->trigger();
        drawn(table);
        const auto back = SteadyClock::now();
        tableToggle->trigger();
        drawn(users);
        return msSince(back);
    });
    const double chartMs = median(runs, [&] {
        const auto start = SteadyClock::now();
        chartToggle->trigger();
        drawn(chart);
        const double ms = msSince(start);
        chartToggle->trigger();
        QCoreApplication::processEvents();
        return ms;
    });
    std::printf("%.1f %.1f %.1f %d\n", fillMs, tableMs, chartMs,
                users->nameCell(watchedRow).isEmpty() ? 0 : 1);
    return 0;
}

QList<double> childFigures(const QString& mode, const QString& dir, int row) {
    QProcess child;
    child.setStandardErrorFile(QProcess::nullDevice()); // the offscreen platform's warnings
    child.start(QCoreApplication::applicationFilePath(), {mode, dir, QString::number(row)});
    child.waitForFinished(-1);
    QList<double> figures;
    for (const QByteArray& part : child.readAllStandardOutput().trimmed().split(' '))
        figures << part.toDouble();
    return figures;
}

void measureSet(const DataSet& set, const QString& base, bool keep) {
    const QString dir = base + QStringLiteral("/") + QLatin1String(set.name);
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    const auto made = SteadyClock::now();
    makeFiles(set, dir);
    Store store(dir.toStdString());
    const QString users = QString::fromStdString(store.userPath().string());
    const QString history = QString::fromStdString(store.historyPath().string());
    std::printf("\nSet %s: %d persons (%.0f MB), %lld readings (%.0f MB), %d of one person; "
                "written in %.1f s\n",
                set.name, set.persons, QFileInfo(users).size() / 1e6, set.readings,
                QFileInfo(history).size() / 1e6, set.watchedReadings, msSince(made) / 1000.0);
    const int runs = set.runs;
    const QString tool = QStringLiteral(SARVO_TOOL);
    const QString cat = QStringLiteral("cat");

    runProgram(cat, {users, history}); // the cache warmed
    const double rawUsers = median(runs, [&] { return runProgram(cat, {users}); });
    const double rawBoth = median(runs, [&] { return runProgram(cat, {users, history}); });
    const std::string userPath = store.userPath().string();
    const double copy = median(runs, [&] {
        const double ms = copyWithSync(userPath, userPath + ".copy");
        std::remove((userPath + ".copy").c_str());
        return ms;
    });
    const double sort = nameOrderAfterAdding(dir, runs);
    row("name order after adding a first-sorting person", sort / 1000, "s",
        {"copy with fsync", copy / 1000}, atMost(set.sortS, "s"));

    const QList<double> window = childFigures(QStringLiteral("--window"), dir, watchedIndex(set));
    // Start-ups alone, in turns with one in an empty directory.
    const auto startUp = [&](const QString& where) {
        const QList<double> figures = childFigures(QStringLiteral("--window"), where, -1);
        return figures.empty() ? -1.0 : figures[0];
    };
    double emptyStart = 0;
    const double start = median(runs, [&] {
        emptyStart += startUp(base + "/empty") / runs;
        return startUp(dir);
    });
    if (window.size() < 4 || start < 0 || emptyStart < 0 || window[3] != 1) {
        std::printf("  unexpected: the window's figures are missing\n");
        return;
    }
    row("fill the window's list", window[0], "ms", {}, atMost(set.fillMs, "ms"));
    row("start-up to the list shown, beyond empty", start - emptyStart, "ms",
        {"start-up, empty dir", emptyStart, false}, atMost(set.startMs, "ms"));
    const double persons = median(runs, [&] {
        return runProgram(tool, {"persons", "--dir", dir});
    });
    row("sarvo-tool persons", persons, "ms", {"raw read (users)", rawUsers}, "<= 3x raw read");
    const double check = median(runs, [&] { return runProgram(tool, {"check", "--dir", dir}); });
    row("sarvo-tool check", check, "ms", {"raw read (both files)", rawBoth}, "<= 3x raw read");
    const double historyRun = median(runs, [&] {
        return runProgram(
            tool, {"history", "--person", QString::number(watchedIndex(set) + 1), "--dir", dir});
    });
    const double rawHistory = median(runs, [&] { return runProgram(cat, {history}); });
    row("sarvo-tool history (one person)", historyRun, "ms", {"raw read (history)", rawHistory},
        {});
    // The dose of record: the ledger made with an opening row for each person with a dose, then
    // doses over all three files and the ledger.
    const auto ledgerMade = SteadyClock::now();
    DoseDatabase(store).setLimits(DoseLimits{});
    row("dose ledger created (opening rows)", msSince(ledgerMade), "ms", {}, {});
    const double doses = median(runs, [&] { return runProgram(tool, {"doses", "--dir", dir}); });
    row("sarvo-tool doses", doses, "ms", {"raw read (both files)", rawBoth}, {});
    char what[64];
    std::snprintf(what, sizeof what, "history table of %d readings", set.watchedReadings);
    row(what, window[1], "ms", {}, atMost(set.tableMs, "ms"));
    std::snprintf(what, sizeof what, "history chart of %d readings", set.watchedReadings);
    row(what, window[2], "ms", {}, atMost(set.chartMs, "ms"));
    const QList<double> memory = childFigures(QStringLiteral("--memory"), dir, watchedIndex(set));
    if (!memory.empty())
        row("peak memory of the window, the chart open", memory[0], "MB", {},
            atMost(set.memoryMb, "MB"));
    if (!keep)
        QDir(dir).removeRecursively();
}

} // namespace

int main(int argc, char** argv) {
    const auto begun = SteadyClock::now();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 4 && (std::string(argv[1]) == "--window" || std::string(argv[1]) == "--memory")) {
        QApplication app(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        return window(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]),
                      std::string(argv[1]) == "--memory", begun);
    }
    QCoreApplication app(argc, argv);
    QStringList sets = {QStringLiteral("S"), QStringLiteral("M")};
    QString base;
    bool keep = false;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--large"))
            sets << QStringLiteral("L");
        else if (args[i] == QStringLiteral("--sets") && i + 1 < args.size())
            sets = args[++i].split(QLatin1Char(','));
        else if (args[i] == QStringLiteral("--keep"))
            keep = true;
        else if (args[i] == QStringLiteral("--dir") && i + 1 < args.size())
            base = args[++i];
        else {
            std::fprintf(stderr,
                         "usage: scale_bench [--large] [--sets S,M,L] [--dir DIR [--keep]]\n");
            return 2;
        }
    }
    QTemporaryDir temporary;
    if (base.isEmpty())
        base = temporary.path();
    QDir().mkpath(base + QStringLiteral("/empty"));
    QFile::copy(QStringLiteral(SARVO_SOURCE_DIR "/Lang.txt"),
                base + QStringLiteral("/empty/Lang.txt"));
    {
        SettingsRecord settings = SettingsRecord::defaults(1);
        settings.setPortName(base + QStringLiteral("/empty/no-such-port"));
        Store(base.toStdString() + "/empty").saveSettings(settings);
    }
    std::printf("Medians of several runs; limits are measured on this machine, warm cache.\n");
    for (const DataSet& set : kSets)
        if (sets.contains(QLatin1String(set.name)))
            measureSet(set, base, keep);
    return 0;
}
