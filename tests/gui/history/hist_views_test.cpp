#include "gui/support/ui_support.h"

#include "tool/run_tool.h"

#include "core/store/store.h"
#include "core/text/filter_texts.h"
#include "core/text/hist_filter.h"
#include "core/text/text_forms.h"
#include "gui/common/mask_edit.h"
#include "gui/history/form_filter.h"
#include "gui/history/hist_chart.h"
#include "gui/history/hist_chart_view.h"
#include "gui/history/hist_table_model.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLogValueAxis>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace sarvo::test {
namespace {

const QDate kDec5(2026, 12, 5);
const QDate kDec6(2026, 12, 6);
using Readings = std::vector<std::tuple<QDate, QTime, double>>;

class HistViewsTest : public MainWindowTest {
protected:
    // A person with the given readings (date, time of day, dose sum); returns the list row.
    int personWith(const QString& last, const Readings& readings) {
        const long long index = addPerson(last, QStringLiteral("A"), QString());
        for (const auto& [date, time, sum] : readings)
            appendReading(userNo(index), date, time, sum);
        return static_cast<int>(index);
    }
    std::int32_t userNo(long long index) const {
        return Store(dir().toStdString()).readUser(index).UserNo;
    }
    void appendReading(std::int32_t userNo, QDate date, QTime time, double sum,
                       std::int64_t id = 0x1234) const {
        Store(dir().toStdString())
            .appendHistory({daysFromDate(date), fractionFromTime(time), 0.5, sum, userNo, id});
    }
    // The main window activated with the history table or chart of the person of `row` open.
    void openView(int row, bool chart) {
        activate();
        grid->selectRow(row);
        chart ? trigger(main.get(), "mnu_HistChart") : trigger(main.get(), "mnu_HistGrid");
        ASSERT_EQ(main->viewState(), chart ? TFormSarvo::ViewHistChart : TFormSarvo::ViewHistGrid);
    }
    QTableView* histTable() const { return child<QTableView>(main.get(), "StringGridHist"); }
    HistTableModel* table() const { return static_cast<HistTableModel*>(histTable()->model()); }
    HistChart& chart() const {
        return *static_cast<HistChart*>(child<QChartView>(main.get(), "ChartHist")->chart());
    }
    // Opens the filter dialog and runs `step` on it once it is up; the dialog is then closed by
    // its close box if it is still open. Message boxes are answered with OK; their texts are
    // returned.
    QStringList runFilter(const std::function<void(TFormFilter*)>& step) {
        QStringList boxes;
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, [&boxes] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || box->property("answered").toBool())
                return;
            box->setProperty("answered", true);
            boxes << box->text();
            // As a window manager would, the window under the box becomes active again.
            QTimer::singleShot(0, box, [box] {
                QWidget* under = box->parentWidget() ? box->parentWidget()->window() : nullptr;
                box->button(QMessageBox::Ok)->click();
                if (under)
                    under->activateWindow();
            });
        });
        answerer.start(10);
        TFormFilter* dialog = nullptr;
        QTimer::singleShot(0, [&] {
            // Up and active (the focus moves only within the active window).
            waitUntil(
                [&] {
                    dialog = qobject_cast<TFormFilter*>(QApplication::activeModalWidget());
                    if (dialog && dialog->isVisible())
                        dialog->activateWindow();
                    return dialog && QApplication::activeWindow() == dialog;
                },
                3000);
            step(dialog);
            if (dialog->isVisible())
                dialog->close(); // the close box
        });
        trigger(main.get(), "mnu_Filter");
        return boxes;
    }
    static void type(MaskEdit* edit, const char* keys) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClicks(edit, QLatin1String(keys));
    }
};

TEST_F(HistViewsTest, TableShowsThePersonsReadingsThenTwentyNineEmptyRows) {
    const int ivanov = personWith("Ivanov", {});
    const int letters = personWith("Letters", {});
    const int petrov = personWith("Petrov", {});
    const int sidorov = personWith("Sidorov", {});
    const int zero = personWith("Zero", {});
    Store store(dir().toStdString());
    UserRecord damaged = store.readUser(zero);
    damaged.UserNo = 0;
    store.writeUser(zero, damaged);
    // Readings of another person and of UserNo 0 between Ivanov's.
    for (int k = 0; k < 5; ++k) {
        appendReading(userNo(ivanov), kDec5, QTime(8 + k, 0, 15), 1.5 + k);
        appendReading(userNo(petrov), kDec6, QTime(9, 0), 7.0);
        appendReading(0, kDec6, QTime(10, 0), 9.0);
    }
    for (std::int64_t id : {0x12, 0x1A, 0x12})
        appendReading(userNo(letters), kDec5, QTime(8, 0), 2.0, id);
    openView(ivanov, false);
    EXPECT_EQ(table()->gridRowCount(), 35);
    EXPECT_EQ(table()->cell(4, 3), QStringLiteral("5,5 mSv"));
    EXPECT_TRUE(table()->cell(5, 0).isEmpty());
    const int w = (histTable()->width() - 25) / 5;
    EXPECT_EQ(histTable()->columnWidth(0), w - 10);
    EXPECT_EQ(histTable()->columnWidth(4), w + 20);
    // No reading, and UserNo 0: thirty empty rows.
    for (int row : {sidorov, zero}) {
        trigger(main.get(), "mnu_HistGrid");
        grid->selectRow(row);
        trigger(main.get(), "mnu_HistGrid");
        ASSERT_EQ(main->viewState(), TFormSarvo::ViewHistGrid);
        EXPECT_EQ(table()->gridRowCount(), 30) << row;
        EXPECT_TRUE(table()->cell(0, 0).isEmpty()) << row;
    }
    // An identifier with letters is shown as the command-line tool shows it, and the table goes
    // on after it.
    ModalScript script;
    trigger(main.get(), "mnu_HistGrid");
    grid->selectRow(letters);
    trigger(main.get(), "mnu_HistGrid");
    EXPECT_TRUE(script.seen().empty());
    EXPECT_EQ(table()->gridRowCount(), 33);
    const ToolResult listed =
        runTool({"history", "--person", QString::number(userNo(letters)), "--csv", "--dir", dir()},
                "C.UTF-8");
    ASSERT_EQ(listed.code, 0) << listed.err;
    const QStringList lines = listed.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(table()->cell(row, 4), lines[row + 1].section(',', -1).trimmed());
    EXPECT_EQ(table()->cell(1, 4), "1A");
    EXPECT_EQ(table()->cell(2, 3), QStringLiteral("2 mSv"));
}

TEST_F(HistViewsTest, DialogEditsRefuseWhatCannotBeReadAndEmptyDatesShowEveryReading) {
    openView(personWith("Ivanov", {{kDec5, QTime(8, 0), 1.0}, {kDec6, QTime(9, 0), 2.0}}), false);
    QString afterEscape;
    bool halfDateKept = false;
    bool openAfterOk = false;
    const QStringList boxes = runFilter([&](TFormFilter* dialog) {
        MaskEdit* from = dialog->MEDateFrom;
        EXPECT_EQ(dialog->size(), QSize(578, 104));
        EXPECT_EQ(dialog->METimeTo->x(), 232);
        EXPECT_EQ(dialog->PanelDate->palette().color(QPalette::Window), QColor(128, 128, 192));
        EXPECT_EQ(from->editText(), QStringLiteral("  .  .  "));
        EXPECT_EQ(dialog->METimeTo->editText(), QStringLiteral("  :  "));
        EXPECT_FALSE(from->isEnabled());
        dialog->CBDate->click(); // acts at once
        EXPECT_TRUE(from->isEnabled());

        from->setEditText(QStringLiteral("01.12.26"));
        type(from, "0512");
        QTest::keyClick(from, Qt::Key_Escape); // the text of when the edit was entered
        afterEscape = from->editText();
        QTest::keyClick(from, Qt::Key_Escape); // unmodified: nothing
        EXPECT_TRUE(dialog->isVisible());

        // A year is required: a day alone cannot be left.
        from->setEditText(FilterTexts::emptyDateText());
        type(from, "26");
        dialog->MEDateTo->setFocus(Qt::TabFocusReason);
        waitUntil([&] { return !from->refusing(); });
        halfDateKept = waitUntil([&] { return from->hasFocus(); }, 5000);

        // Emptied again, it is unmodified; Enter moves to the other edit of the group.
        from->setFocus();
        QTest::keyClick(from, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(from, Qt::Key_Delete);
        EXPECT_TRUE(from->isEmptyForm());
        EXPECT_FALSE(from->isModified());
        QTest::keyClick(from, Qt::Key_Return);
        EXPECT_TRUE(waitUntil([&] { return dialog->MEDateTo->hasFocus(); }, 5000));

        // 31 February: OK is refused, the mark already set, and the focus back at the edit.
        type(from, "310226");
        EXPECT_EQ(from->editText(), QStringLiteral("31.02.26"));
        dialog->BtnOk->click();
        openAfterOk = dialog->isVisible();
        EXPECT_TRUE(waitUntil([&] { return from->hasFocus(); }, 5000));
        EXPECT_EQ(main->panelText(2), QStringLiteral("1/58"));
        EXPECT_EQ(histFilter().DateFrom, 0.0);

        from->setEditText(FilterTexts::emptyDateText());
        dialog->BtnOk->click();
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_EQ(afterEscape, QStringLiteral("01.12.26"));
    EXPECT_TRUE(halfDateKept);
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(boxes,
              (QStringList{MaskEdit::invalidInputMessage(), "'31.02.26' is not a valid date"}));
    EXPECT_TRUE(histFilter().DateOn);
    EXPECT_TRUE(isNoBound(histFilter().DateFrom) && isNoBound(histFilter().DateTo));
    EXPECT_EQ(table()->gridRowCount(), 32);
}

TEST_F(HistViewsTest, DateBoxClosedDateRangeConfirmedAgainAndANightRange) {
    openView(personWith("Ivanov", {{QDate(2026, 11, 30), QTime(9, 0), 1.0},
                                   {QDate(2026, 12, 1), QTime(9, 0), 2.0},
                                   {kDec5, QTime(9, 0), 3.0},
                                   {kDec6, QTime(9, 0), 4.0}}),
             true);
    // Ticked, then the close box: bounds 0.0, no mark, nothing shown.
    runFilter([](TFormFilter* dialog) { dialog->CBDate->click(); });
    EXPECT_TRUE(histFilter().DateOn);
    EXPECT_EQ(histFilter().DateFrom, 0.0);
    EXPECT_EQ(histFilter().DateTo, 0.0);
    EXPECT_EQ(main->panelText(2), QString());
    trigger(main.get(), "mnu_HistChart");
    trigger(main.get(), "mnu_HistChart");
    EXPECT_TRUE(chart().points().empty());

    runFilter([](TFormFilter* dialog) {
        type(dialog->MEDateFrom, "011226");
        type(dialog->MEDateTo, "051226");
        dialog->BtnOk->click();
    });
    ASSERT_EQ(chart().points().size(), 2u);
    const HistFilter confirmed = histFilter();
    // The edits show the bounds again; OK without typing them reads the same bounds.
    QStringList texts;
    runFilter([&](TFormFilter* dialog) {
        texts << dialog->MEDateFrom->editText() << dialog->MEDateTo->editText();
        dialog->CBTime->click();
        type(dialog->METimeFrom, "2200");
        type(dialog->METimeTo, "0600");
        dialog->BtnOk->click();
    });
    EXPECT_EQ(texts, (QStringList{"01.12.26", "05.12.26"}));
    EXPECT_EQ(histFilter().DateFrom, confirmed.DateFrom);
    EXPECT_EQ(histFilter().DateTo, confirmed.DateTo);
    EXPECT_TRUE(chart().points().empty());
}

TEST_F(HistViewsTest, ChartLabelsPointingHandAndLogarithmicScale) {
    openView(personWith("Ivanov", {{kDec5, QTime(8, 0), 0.0},
                                   {kDec5, QTime(9, 30), 1.0},
                                   {kDec5, QTime(17, 0, 5), 1.5},
                                   {kDec6, QTime(8, 0), 2.0},
                                   {kDec6, QTime(9, 0), 3.0}}),
             true);
    // On the full-screen chart the five labels are far apart: all are written.
    EXPECT_EQ(chart().placedLabels().size(), 5u);

    // The pointing hand over the axis lines only.
    auto* view = child<HistChartView>(main.get(), "ChartHist");
    const QRectF plot = chart().plotArea();
    const std::pair<QPointF, Qt::CursorShape> spots[] = {
        {QPointF(plot.left(), plot.center().y()), Qt::PointingHandCursor},
        {plot.center(), Qt::ArrowCursor},
        {QPointF(plot.center().x(), plot.bottom()), Qt::PointingHandCursor}};
    for (const auto& [at, shape] : spots) {
        const QPoint p = view->mapFromScene(at);
        view->ChartHistMouseMove(p.x(), p.y());
        EXPECT_EQ(view->viewport()->cursor().shape(), shape) << at.x() << ' ' << at.y();
    }

    // The logarithmic scale stays across reopening and starts at the smallest positive dose;
    // the range kept for the printout is the computed one.
    EXPECT_EQ(chart().doseRange(), (AxisRange{0.0, 3.0}));
    trigger(main.get(), "pmnu_Log");
    trigger(main.get(), "mnu_HistChart");
    trigger(main.get(), "mnu_HistChart");
    EXPECT_TRUE(chart().drawnLogarithmic());
    ASSERT_NE(qobject_cast<QLogValueAxis*>(chart().doseAxis()), nullptr);
    EXPECT_EQ(chart().drawnDoseRange(), (AxisRange{1.0, 3.0}));
    EXPECT_EQ(chart().doseRange(), (AxisRange{0.0, 3.0}));
    trigger(main.get(), "pmnu_Lin");
    EXPECT_FALSE(chart().drawnLogarithmic());
    EXPECT_EQ(chart().drawnDoseRange(), (AxisRange{0.0, 3.0}));
}

TEST_F(HistViewsTest, LabelsThatWouldOverlapAreLeftOut) {
    Readings readings;
    for (int k = 0; k < 600; ++k)
        readings.emplace_back(kDec5.addDays(k / 24), QTime(k % 24, 0), k);
    openView(personWith("Ivanov", readings), true);
    const auto placed = chart().placedLabels();
    ASSERT_GT(placed.size(), 2u);
    EXPECT_LT(placed.size(), 600u);
    EXPECT_EQ(placed.front().point, 0);
    const double height = QFontMetricsF(chart().labelFont()).height();
    for (size_t i = 1; i < placed.size(); ++i)
        EXPECT_GT(placed[i].x - placed[i - 1].x, height) << i;
}

} // namespace
} // namespace sarvo::test
