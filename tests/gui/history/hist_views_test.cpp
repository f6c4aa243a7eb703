#include "gui/support/ui_support.h"

#include "core/text/filter_texts.h"
#include "core/text/hist_filter.h"
#include "core/text/text_forms.h"
#include "gui/common/mask_edit.h"
#include "gui/history/form_filter.h"
#include "gui/history/hist_chart.h"
#include "gui/history/hist_chart_view.h"
#include "gui/history/hist_table_model.h"
#include "gui/history/hist_table_view.h"

#include <QCategoryAxis>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPdfWriter>
#include <cmath>
#include <limits>

namespace sarvo::test {
namespace {

const QDate kDec5(2026, 12, 5);
const QDate kDec6(2026, 12, 6);
using Readings = std::vector<std::tuple<QDate, QTime, double>>;

// The texts drawn on a chart once it is laid out, as a printer gets them (its scene drawn into a
// PDF file), read back with pdftotext.
QString drawnTexts(const QChart& chart, const QString& file) {
    QCoreApplication::processEvents();
    {
        QPdfWriter pdf(file);
        QPainter painter(&pdf);
        chart.scene()->render(&painter, QRectF(), chart.sceneBoundingRect());
    }
    QProcess text;
    text.start("pdftotext", {"-enc", "UTF-8", file, "-"});
    text.waitForFinished(30000);
    return QString::fromUtf8(text.readAllStandardOutput());
}

class HistViewsTest : public MainWindowTest {
protected:
    // A person with the given readings (date, time of day, dose sum); returns the list row.
    int personWith(const QString& last, const Readings& readings) {
        const long long index = addPerson(last, QStringLiteral("A"), QString());
        for (const auto& [date, time, sum] : readings)
            appendReading(userNo(index), date, time, sum);
        return static_cast<int>(index);
    }
    std::int32_t userNo(long long index) const { return store().readUser(index).UserNo; }
    void appendReading(std::int32_t userNo, QDate date, QTime time, double sum,
                       std::int64_t id = 0x1234) const {
        store().appendHistory({daysFromDate(date), fractionFromTime(time), 0.5, sum, userNo, id});
    }
    // The main window activated with the history table or chart of the person of `row` open.
    void openView(int row, bool chart) {
        activate();
        grid->selectRow(row);
        trigger(main.get(), chart ? "mnu_HistChart" : "mnu_HistGrid");
        ASSERT_EQ(main->viewState(), chart ? TFormSarvo::ViewHistChart : TFormSarvo::ViewHistGrid);
    }
    HistTableModel* table() const {
        return static_cast<HistTableModel*>(part<QTableView>("StringGridHist")->model());
    }
    HistChart& chart() const { return *part<HistChartView>("ChartHist")->histChart(); }
    // The history view of `command` closed, the person of `row` selected, the view opened.
    void reopen(const char* command, int row = -1) {
        trigger(main.get(), command);
        if (row >= 0)
            grid->selectRow(row);
        trigger(main.get(), command);
    }
    // Opens the filter dialog and runs `step` on it once it is up; the dialog is then closed by
    // its close box if it is still open. Message boxes are answered with OK, and, as a window
    // manager would, the window under a box becomes active again; their texts are returned.
    QStringList runFilter(const std::function<void(TFormFilter*)>& step) {
        QStringList boxes;
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, [&boxes] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || box->property("answered").toBool())
                return;
            box->setProperty("answered", true);
            boxes << box->text();
            QTimer::singleShot(0, box, [box, under = box->parentWidget()->window()] {
                box->button(QMessageBox::Ok)->click();
                under->activateWindow();
            });
        });
        answerer.start(10);
        TFormFilter* dialog = nullptr;
        QTimer::singleShot(0, [&] {
            // Up and active (the focus moves only within the active window).
            const auto active = [&] {
                dialog = qobject_cast<TFormFilter*>(QApplication::activeModalWidget());
                if (dialog && dialog->isVisible())
                    dialog->activateWindow();
                return dialog && QApplication::activeWindow() == dialog;
            };
            waitUntil(active, 3000);
            step(dialog);
            if (dialog->isVisible())
                dialog->close(); // the close box
        });
        trigger(main.get(), "mnu_Filter");
        return boxes;
    }
    static MaskEdit* edit(const TFormFilter* dialog, const char* name) {
        return child<MaskEdit>(dialog, name);
    }
    static void type(MaskEdit* edit, const char* keys) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClicks(edit, QLatin1String(keys));
    }
};

TEST_F(HistViewsTest, TableRowsOfThePerson) {
    const int ivanov = personWith("Ivanov", {});
    const int letters = personWith("Letters", {});
    const int petrov = personWith("Petrov", {});
    const int sidorov = personWith("Sidorov", {});
    const int zero = personWith("Zero", {});
    UserRecord damaged = store().readUser(zero);
    damaged.UserNo = 0;
    store().writeUser(zero, damaged);
    // Readings of another person and of UserNo 0 between Ivanov's.
    for (int k = 0; k < 5; ++k) {
        appendReading(userNo(ivanov), kDec5, QTime(8 + k, 0, 15), 1.5 + k);
        appendReading(userNo(petrov), kDec6, QTime(9, 0), 7.0);
        appendReading(0, kDec6, QTime(10, 0), 9.0);
    }
    for (std::int64_t id : {0x12, 0x1A, 0x12})
        appendReading(userNo(letters), kDec5, QTime(8, 0), 2.0, id);
    openView(ivanov, false);
    EXPECT_EQ(std::tuple(table()->gridRowCount(), table()->cell(4, 3), table()->cell(5, 0)),
              std::tuple(35, QString("5,5 mSv"), QString()));
    // No reading, and UserNo 0: thirty empty rows.
    for (int row : {sidorov, zero}) {
        reopen("mnu_HistGrid", row);
        EXPECT_EQ(std::pair(table()->gridRowCount(), table()->cell(0, 0)), std::pair(30, QString()))
            << row;
    }
    // An identifier with letters is shown in hexadecimal like the others, without a box, and the
    // table goes on after it.
    ModalScript script;
    reopen("mnu_HistGrid", letters);
    EXPECT_EQ(std::pair(script.seen().size(), table()->gridRowCount()), std::pair(size_t{0}, 33));
    EXPECT_EQ(table()->cell(0, 4) + table()->cell(1, 4) + table()->cell(2, 4) + table()->cell(2, 3),
              "121A122 mSv");
}

TEST_F(HistViewsTest, MaskedEditsRefuseBadInput) {
    openView(personWith("Ivanov", {{kDec5, QTime(8, 0), 1.0}, {kDec6, QTime(9, 0), 2.0}}), false);
    const QStringList boxes = runFilter([&](const TFormFilter* dialog) {
        MaskEdit* from = edit(dialog, "MEDateFrom");
        MaskEdit* to = edit(dialog, "MEDateTo");
        EXPECT_EQ(from->editText() + edit(dialog, "METimeTo")->editText(), "  .  .    :  ");
        EXPECT_FALSE(from->isEnabled());
        child<QAbstractButton>(dialog, "CBDate")->click(); // acts at once
        EXPECT_TRUE(from->isEnabled());

        from->setEditText(QStringLiteral("01.12.26"));
        type(from, "0512");
        QTest::keyClick(from, Qt::Key_Escape); // the text of when the edit was entered
        EXPECT_EQ(from->editText(), QStringLiteral("01.12.26"));
        QTest::keyClick(from, Qt::Key_Escape); // unmodified: nothing
        EXPECT_TRUE(dialog->isVisible());

        // A year is required: a day alone cannot be left.
        from->setEditText(FilterTexts::emptyDateText());
        type(from, "26");
        to->setFocus(Qt::TabFocusReason);
        waitUntil([&] { return !from->refusing(); });
        EXPECT_TRUE(waitUntil([&] { return from->hasFocus(); }, 5000)) << "a day alone was left";

        // Emptied again, it is unmodified; Enter moves to the other edit of the group.
        from->setFocus();
        QTest::keyClick(from, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(from, Qt::Key_Delete);
        EXPECT_TRUE(from->isEmptyForm() && !from->isModified());
        QTest::keyClick(from, Qt::Key_Return);
        EXPECT_TRUE(waitUntil([&] { return to->hasFocus(); }, 5000));

        // 31 February: OK is refused, the mark already set, and the focus back at the edit.
        type(from, "310226");
        EXPECT_EQ(from->editText(), QStringLiteral("31.02.26"));
        child<QAbstractButton>(dialog, "BtnOk")->click();
        EXPECT_TRUE(dialog->isVisible()) << "OK on 31 February";
        EXPECT_TRUE(waitUntil([&] { return from->hasFocus(); }, 5000));
        EXPECT_EQ(main->panelText(2), QStringLiteral("1/58"));
        EXPECT_EQ(histFilter().DateFrom, 0.0);

        from->setEditText(FilterTexts::emptyDateText());
        child<QAbstractButton>(dialog, "BtnOk")->click();
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_EQ(boxes,
              (QStringList{MaskEdit::invalidInputMessage(), "'31.02.26' is not a valid date"}));
    EXPECT_TRUE(histFilter().DateOn && isNoBound(histFilter().DateFrom) &&
                isNoBound(histFilter().DateTo));
    EXPECT_EQ(table()->gridRowCount(), 32);
}

TEST_F(HistViewsTest, DateAndNightRanges) {
    openView(personWith("Ivanov", {{QDate(2026, 11, 30), QTime(9, 0), 1.0},
                                   {QDate(2026, 12, 1), QTime(9, 0), 2.0},
                                   {kDec5, QTime(9, 0), 3.0},
                                   {kDec6, QTime(9, 0), 4.0}}),
             true);
    // Ticked, then the close box: bounds 0.0, no mark, nothing shown.
    runFilter([](TFormFilter* dialog) { child<QAbstractButton>(dialog, "CBDate")->click(); });
    EXPECT_EQ(std::tuple(histFilter().DateOn, histFilter().DateFrom, histFilter().DateTo,
                         main->panelText(2)),
              std::tuple(true, 0.0, 0.0, QString()));
    reopen("mnu_HistChart");
    EXPECT_TRUE(chart().points().empty());

    runFilter([](TFormFilter* dialog) {
        type(edit(dialog, "MEDateFrom"), "011226");
        type(edit(dialog, "MEDateTo"), "051226");
        child<QAbstractButton>(dialog, "BtnOk")->click();
    });
    ASSERT_EQ(chart().points().size(), 2u);
    const HistFilter confirmed = histFilter();
    // The edits show the bounds again; OK without typing them reads the same bounds.
    QStringList texts;
    runFilter([&](TFormFilter* dialog) {
        texts << edit(dialog, "MEDateFrom")->editText() << edit(dialog, "MEDateTo")->editText();
        child<QAbstractButton>(dialog, "CBTime")->click();
        type(edit(dialog, "METimeFrom"), "2200");
        type(edit(dialog, "METimeTo"), "0600");
        child<QAbstractButton>(dialog, "BtnOk")->click();
    });
    EXPECT_EQ(texts, (QStringList{"01.12.26", "05.12.26"}));
    EXPECT_EQ(std::pair(histFilter().DateFrom, histFilter().DateTo),
              std::pair(confirmed.DateFrom, confirmed.DateTo));
    EXPECT_TRUE(chart().points().empty());
}

// The pointing hand over the axis lines; the logarithmic scale; labels that would overlap left
// out.
TEST_F(HistViewsTest, ChartPointerScaleAndLabels) {
    Readings crowd;
    for (int k = 0; k < 600; ++k)
        crowd.emplace_back(kDec5.addDays(k / 24), QTime(k % 24, 0), k);
    const int crowded = personWith("Crowd", crowd);
    openView(personWith("Ivanov", {{kDec5, QTime(8, 0), 0.0},
                                   {kDec5, QTime(9, 30), 1.0},
                                   {kDec5, QTime(17, 0, 5), 1.5},
                                   {kDec6, QTime(8, 0), 2.0},
                                   {kDec6, QTime(9, 0), 3.0}}),
             true);
    // On the full-screen chart the five labels are far apart: all are written.
    EXPECT_EQ(chart().placedLabels().size(), 5u);

    // Mouse moves as the system delivers them.
    auto* view = part<HistChartView>("ChartHist");
    const QRectF plot = chart().plotArea();
    const std::pair<QPointF, Qt::CursorShape> spots[] = {
        {QPointF(plot.left(), plot.center().y()), Qt::PointingHandCursor},
        {plot.center(), Qt::ArrowCursor},
        {QPointF(plot.center().x(), plot.bottom()), Qt::PointingHandCursor}};
    for (const auto& [at, shape] : spots) {
        const QPoint p = view->mapFromScene(at);
        QMouseEvent move(QEvent::MouseMove, p, view->viewport()->mapToGlobal(p), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
        EXPECT_EQ(view->viewport()->cursor().shape(), shape) << at.x() << ' ' << at.y();
    }

    // The logarithmic scale stays across reopening and starts at the smallest positive dose;
    // the range kept for the printout is the computed one.
    trigger(main.get(), "pmnu_Log");
    reopen("mnu_HistChart");
    EXPECT_TRUE(chart().drawnLogarithmic() && qobject_cast<QLogValueAxis*>(chart().doseAxis()));
    EXPECT_EQ(std::pair(chart().drawnDoseRange(), chart().doseRange()),
              std::pair(AxisRange{1.0, 3.0}, AxisRange{0.0, 3.0}));
    trigger(main.get(), "pmnu_Lin");
    EXPECT_EQ(std::pair(chart().drawnLogarithmic(), chart().drawnDoseRange()),
              std::pair(false, AxisRange{0.0, 3.0}));

    // Six hundred readings: the first label is written, and each next one only a label's width
    // away from the last one written.
    reopen("mnu_HistChart", crowded);
    const auto placed = chart().placedLabels();
    ASSERT_TRUE(placed.size() > 2u && placed.size() < 600u) << placed.size();
    EXPECT_EQ(placed.front().point, 0);
    const double height = QFontMetricsF(chart().labelFont()).height();
    for (size_t i = 1; i < placed.size(); ++i)
        EXPECT_GT(placed[i].x - placed[i - 1].x, height) << i;
}

// The logarithmic axis is labelled at decades and at 2 and 5 between them; a person without
// readings shown after it gets a dose axis of its own and the note, on the screen and in the
// print window. Both axes are named with their units.
TEST_F(HistViewsTest, LogLabelsEmptyChartAndUnits) {
    const int empty = personWith("Empty", {});
    openView(personWith("Ivanov", {{kDec5, QTime(8, 0), 0.05},
                                   {kDec5, QTime(9, 0), 0.3},
                                   {kDec6, QTime(8, 0), 2.0},
                                   {kDec6, QTime(9, 0), 12.0}}),
             true);
    trigger(main.get(), "pmnu_Log");
    const QStringList ticks{"0,05", "0,1", "0,2", "0,5", "1", "2", "5", "10"};
    EXPECT_EQ(chart().logLabelAxis()->categoriesLabels(), ticks);
    const QString dose = L(Text::TotalDoseColumn) + ", mSv";
    const QString time = L(Text::DateColumn) + '/' + L(Text::TimeColumn);
    QString texts = drawnTexts(chart(), path("log.pdf"));
    for (const QString& text : ticks + QStringList{dose, time})
        EXPECT_TRUE(texts.contains(text)) << text << " in " << texts;
    EXPECT_FALSE(texts.contains("No readings"));

    reopen("mnu_HistChart", empty);
    EXPECT_EQ(std::tuple(chart().drawnLogarithmic(), chart().drawnDoseRange(), chart().note()),
              std::tuple(false, AxisRange{0.0, 1.0}, QString("No readings")));
    texts = drawnTexts(chart(), path("empty.pdf"));
    ModalScript script;
    script.add([&](QWidget* window) {
        texts += drawnTexts(*child<QChartView>(window, "ChartPrn")->chart(), path("print.pdf"));
        child<QPushButton>(window, "btnPrn_Cancel")->click();
    });
    trigger(main.get(), "mnu_Print");
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    for (const QString& text : {dose, time, QString("No readings"), QString("0,5")})
        EXPECT_EQ(texts.count(text), 2) << text << " in " << texts;
}

// A cell's text is made when it is asked for: the texts of the whole row as formatted before,
// for readings at the edges of the day and of the number formats.
TEST(HistTableCells, EachCellAsItsRowFormatsIt) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    const double dec5 = daysFromDate(kDec5);
    const std::vector<HistoryRecord> records{{dec5, 0.0, -0.5, 1e15, 1, 0x1234},
                                             {dec5, 0.99999999, 1e-5, -1e300, 1, 0x12AB},
                                             {-1.0, 0.5, nan, INFINITY, 1, 0},
                                             {nan, nan, 0.0, -0.0, 1, -1}};
    HistTableModel model;
    model.setRows(records);
    const ValueFormats& forms = ValueFormats::system();
    for (size_t row = 0; row < records.size(); ++row) {
        const HistoryRecord& r = records[row];
        const QString eager[] = {forms.date(r.HistDate), forms.time(r.HistTime),
                                 formatNumber(r.Dose) + " mSv", formatNumber(r.DoseSum) + " mSv",
                                 identifierDisplayText(r.DosimeterId)};
        for (int column = 0; column < HistTableModel::kColumns; ++column)
            EXPECT_EQ(model.data(model.index(static_cast<int>(row), column)).toString(),
                      eager[column])
                << row << ' ' << column;
    }
    EXPECT_EQ(model.data(model.index(static_cast<int>(records.size()), 0)).toString(), QString());
}

// The room below the time axis fits the longest label, and each label is as wide as measured on
// its own, though texts that differ in their digits only are measured once; the line goes
// through all points.
TEST(HistChartLabels, RoomForTheLongestLabel) {
    HistChart chart;
    chart.resize(800, 600);
    const QFontMetricsF metrics(chart.labelFont());
    const std::vector<QStringList> sets{
        {"1", "22:22:22", "05.12.2026/09:00:00", "28.11.2026/17:47:31", "1", "11:11:11"},
        {"09:00", "9:41 PM", "09:00", "1.1.2026/1:11"},
        {}};
    for (const QStringList& labels : sets) {
        std::vector<ChartPoint> points;
        double longest = 0.0;
        for (const QString& label : labels) {
            points.push_back({static_cast<double>(points.size()), 1.0, label});
            longest = std::max(longest, metrics.horizontalAdvance(label));
        }
        chart.setPoints(points);
        // Below the labels a line for the axis name.
        EXPECT_EQ(chart.margins().bottom(), 10 + static_cast<int>(std::ceil(metrics.height())) + 2 +
                                                static_cast<int>(std::ceil(longest + 6.0)));
        EXPECT_EQ(chart.series()->count(), labels.size());
        for (const QString& label : labels)
            EXPECT_EQ(chart.labelWidth(label), metrics.horizontalAdvance(label)) << label;
    }
}

// The labels of the logarithmic axis are decided again when the chart's height changes.
TEST(HistChartAxes, LogLabelsFollowTheHeight) {
    QWidget window;
    auto* chart = new HistChart;
    auto* view = new HistChartView(chart, &window);
    window.show();
    chart->setPoints({{1.0, 0.05, "a"}, {2.0, 12.0, "b"}});
    chart->setDoseRange({0.05, 12.0});
    chart->setLogScale(true);
    const std::pair<int, QStringList> cases[] = {
        {600, {"0,05", "0,1", "0,2", "0,5", "1", "2", "5", "10"}},
        {150, {"0,1", "1", "10"}},
        {600, {"0,05", "0,1", "0,2", "0,5", "1", "2", "5", "10"}}};
    for (const auto& [height, labels] : cases) {
        view->resize(400, height);
        EXPECT_TRUE(
            waitUntil([&] { return chart->logLabelAxis()->categoriesLabels() == labels; }, 5000))
            << height << ": " << chart->logLabelAxis()->categoriesLabels().join(' ');
    }
}

// Hidden with their window, the views keep their rows and line; hidden on their own, they let
// go of them, and the chart shown again without new points draws the line it had.
TEST(HistViewsHidden, RowsAndLine) {
    QWidget window;
    auto* table = new HistTableView(&window);
    auto* chart = new HistChart;
    auto* view = new HistChartView(chart, &window);
    window.resize(600, 400);
    window.show();
    table->histModel()->setRows(std::vector<HistoryRecord>(3));
    chart->setPoints({{1.0, 2.0, "a"}, {2.0, 3.0, "b"}, {3.0, 0.0, "c"}});
    const QList<QPointF> line{QPointF(1.0, 2.0), QPointF(2.0, 3.0), QPointF(3.0, 0.0)};
    window.hide();
    window.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(std::pair(table->histModel()->recordCount(), chart->series()->points()),
              std::pair(3, line));
    table->hide();
    view->hide();
    EXPECT_EQ(std::tuple(table->histModel()->gridRowCount(), chart->series()->count(),
                         chart->points().size()),
              std::tuple(30, 0, size_t{3}));
    view->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(chart->series()->points(), line);
}

} // namespace
} // namespace sarvo::test
