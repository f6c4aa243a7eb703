// Timing program for the history views: prints how long the main window takes to open the
// history table and the history chart of a person with 10,000 readings in a history file of
// 1,000,000 records, drawn offscreen. Asserts nothing.
//   hist_views_bench [DIR]   (default: a temporary directory)
#include "bench_files.h"
#include "core/store/store.h"
#include "core/text/hist_filter.h"
#include "core/text/language.h"
#include "core/text/text_forms.h"
#include "gui/history/hist_chart.h"
#include "gui/history/hist_table_model.h"
#include "gui/main/form_sarvo.h"
#include "gui/main/user_list_grid.h"

#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace sarvo;
using SteadyClock = std::chrono::steady_clock;

namespace {

constexpr int kPersons = 100;
constexpr long long kReadings = 1000000;
constexpr int kWatchedReadings = 10000;
constexpr int kWatchedRow = 41; // record index of the person looked at; UserNo = index + 1
constexpr int kRuns = 5;

void makeFiles(Store& store) {
    store.ensureDataDir();
    bench::writeRecords(store.userPath(), kPersons, kUserRecordSize, [](long long i, char* bytes) {
        UserRecord u;
        u.setTexts(QStringLiteral("B%1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("First"),
                   QStringLiteral("Middle"), QStringLiteral("Department"));
        u.UserNo = static_cast<std::int32_t>(i + 1);
        // Identifiers are decimal digits stored digit by digit.
        u.DosimeterId = QString::number(1000 + i).toLongLong(nullptr, 16);
        u.toBytes(bytes);
    });

    // One record in a hundred is the watched person's: ten readings a day over 1,000 days.
    const std::int32_t watched = kWatchedRow + 1;
    long long own = 0;
    bench::writeRecords(store.historyPath(), kReadings, kHistoryRecordSize,
                        [&](long long i, char* bytes) {
                            const bool mine = i % (kReadings / kWatchedReadings) == 0;
                            auto other = static_cast<std::int32_t>(1 + i % kPersons);
                            if (other == watched)
                                other = watched + 1;
                            HistoryRecord h;
                            h.HistDate = 46000.0 + static_cast<double>(i / 1000);
                            h.HistTime = (8.0 + static_cast<double>((i / 100) % 10)) / 24.0;
                            h.Dose = 0.01;
                            h.DoseSum = mine ? 0.01 * static_cast<double>(++own) : 1.0;
                            h.UserNo = mine ? watched : other;
                            h.DosimeterId = 0x1234;
                            h.toBytes(bytes);
                        });
}

double msSince(SteadyClock::time_point start) {
    return std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count();
}

// Every modal window (the box about the port that cannot be opened) is closed at once.
void closeModalWindows() {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
        QTimer::singleShot(0, dialog, [dialog] { dialog->done(0); });
}

// Lets pending layout and paint work happen, then paints the view's visible part.
void drawNow(QAbstractScrollArea* view) {
    QCoreApplication::processEvents();
    view->viewport()->repaint();
}

struct Figures {
    double first = 0.0;
    double median = 0.0;
    double worst = 0.0;
};

template <typename F> Figures runs(F&& once) {
    std::vector<double> ms;
    for (int k = 0; k < kRuns; ++k)
        ms.push_back(once());
    Figures f;
    f.first = ms.front();
    std::sort(ms.begin(), ms.end());
    f.median = ms[ms.size() / 2];
    f.worst = ms.back();
    return f;
}

void print(const char* what, const Figures& f, double target) {
    std::printf("%-44s first %7.1f ms   median %7.1f ms   worst %7.1f ms   (target < %.0f ms)\n",
                what, f.first, f.median, f.worst, target);
}

} // namespace

int main(int argc, char** argv) {
    // Offscreen unless told otherwise (for example "offscreen:configfile=screen.json" for a
    // bigger screen).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QTemporaryDir temporary;
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    QDir::setCurrent(dir);

    Store store(dir.toStdString());
    auto made = SteadyClock::now();
    makeFiles(store);
    std::printf("history file: %lld records (%lld bytes), %d of them of the person shown; "
                "written in %.0f ms\n",
                kReadings, kReadings * kHistoryRecordSize, kWatchedReadings, msSince(made));

    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, &closeModalWindows);
    closer.start(5);

    SettingsRecord settings = SettingsRecord::defaults(1);
    settings.setPortName(QDir(dir).filePath(QStringLiteral("no-such-port")));
    store.saveSettings(settings);
    TFormSarvo main(dir, settings);
    main.show();
    // The window's parts, found by name as the tests find them.
    auto* users = main.findChild<UserListGrid*>(QStringLiteral("StringGridUser"));
    auto* histTable = main.findChild<QTableView*>(QStringLiteral("StringGridHist"));
    auto* histChart = main.findChild<QChartView*>(QStringLiteral("ChartHist"));
    auto* chartOfView = static_cast<HistChart*>(histChart->chart());
    QAction* tableToggle = main.findChild<QAction*>(QStringLiteral("mnu_HistGrid"));
    QAction* chartToggle = main.findChild<QAction*>(QStringLiteral("mnu_HistChart"));
    QElapsedTimer waited;
    waited.start();
    while (users->nameCell(kPersons - 1).isEmpty() && waited.elapsed() < 30000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    users->selectRow(kWatchedRow);
    std::printf("main window %dx%d, offscreen\n", main.width(), main.height());

    // The scan alone: the whole history file read for one person.
    const Figures scan = runs([&] {
        const auto start = SteadyClock::now();
        const auto shown = shownReadings(store, kWatchedRow + 1, histFilter());
        const double ms = msSince(start);
        if (shown.size() != kWatchedReadings)
            std::printf("  unexpected: %zu readings\n", shown.size());
        return ms;
    });
    print("scan of the history file for one person", scan, 150);

    auto* model = static_cast<HistTableModel*>(histTable->model());
    const Figures table = runs([&] {
        const auto start = SteadyClock::now();
        tableToggle->trigger();
        drawNow(histTable);
        const double ms = msSince(start);
        if (model->gridRowCount() != kWatchedReadings + 30)
            std::printf("  unexpected: %d rows\n", model->gridRowCount());
        tableToggle->trigger(); // back to the list of persons
        QCoreApplication::processEvents();
        return ms;
    });
    print("open the history table (scan, rows, drawing)", table, 150);

    const Figures chart = runs([&] {
        const auto start = SteadyClock::now();
        chartToggle->trigger();
        drawNow(histChart);
        const double ms = msSince(start);
        if (chartOfView->points().size() != kWatchedReadings)
            std::printf("  unexpected: %zu points\n", chartOfView->points().size());
        chartToggle->trigger();
        QCoreApplication::processEvents();
        return ms;
    });
    print("open the history chart (scan, points, drawing)", chart, 500);
    std::printf(
        "  (%zu of %d point labels written at this size)\n",
        [&] {
            chartToggle->trigger();
            drawNow(histChart);
            const size_t n = chartOfView->placedLabels().size();
            chartToggle->trigger();
            return n;
        }(),
        kWatchedReadings);
    closer.stop();
    return 0;
}
