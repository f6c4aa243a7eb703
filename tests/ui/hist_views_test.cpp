#include "ui_support.h"

#include "shell/language.h"
#include "store/store.h"
#include "views/filter_texts.h"
#include "views/form_filter.h"
#include "views/hist_chart.h"
#include "views/hist_chart_view.h"
#include "views/hist_filter.h"
#include "views/hist_table_model.h"
#include "views/mask_edit.h"
#include "views/text_forms.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QValueAxis>

namespace sarvo::test {
namespace {

class HistViewsTest : public MainWindowTest {
protected:
    // A person with the given readings (date, time of day, dose sum); returns the list row.
    int personWith(const QString& last, const std::vector<std::tuple<QDate, QTime, double>>& rs) {
        const long long index = addPerson(last, QStringLiteral("A"), QString());
        Store store(dir().toStdString());
        const std::int32_t userNo = store.readUser(index).UserNo;
        for (const auto& [date, time, sum] : rs)
            appendReading(userNo, date, time, sum);
        return static_cast<int>(index);
    }
    void appendReading(std::int32_t userNo, QDate date, QTime time, double sum,
                       std::int64_t id = 0x1234) const {
        HistoryRecord record;
        record.HistDate = daysFromDate(date);
        record.HistTime = fractionFromTime(time);
        record.Dose = 0.5;
        record.DoseSum = sum;
        record.UserNo = userNo;
        record.DosimeterId = id;
        Store(dir().toStdString()).appendHistory(record);
    }
    HistTableModel* table() const {
        return static_cast<HistTableModel*>(main->StringGridHist->model());
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
        bool ran = false;
        int tries = 0;
        std::function<void()> start;
        start = [&] {
            auto* dialog = qobject_cast<TFormFilter*>(QApplication::activeModalWidget());
            // Up and active (the focus moves only within the active window).
            if (!dialog || !dialog->isVisible() ||
                (QApplication::activeWindow() != dialog && ++tries < 300)) {
                if (dialog)
                    dialog->activateWindow();
                QTimer::singleShot(10, start);
                return;
            }
            ran = true;
            step(dialog);
            if (dialog->isVisible())
                dialog->close(); // the close box
        };
        QTimer::singleShot(0, start);
        main->mnu_FilterClick();
        EXPECT_TRUE(ran);
        return boxes;
    }
    static void type(MaskEdit* edit, const char* keys) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClicks(edit, QLatin1String(keys));
    }
};

const QDate kDec5(2026, 12, 5);
const QDate kDec6(2026, 12, 6);

TEST_F(HistViewsTest, TableRowsAreTheReadingsOfThePersonThenTwentyNineEmptyRows) {
    const int first = personWith(QStringLiteral("Ivanov"), {});
    const int second = personWith(QStringLiteral("Petrov"), {});
    Store store(dir().toStdString());
    const std::int32_t ivanov = store.readUser(first).UserNo;
    const std::int32_t petrov = store.readUser(second).UserNo;
    // Readings of another person and of UserNo 0 between them.
    for (int k = 0; k < 5; ++k) {
        appendReading(ivanov, kDec5, QTime(8 + k, 0, 15), 1.5 + k, 0x12);
        appendReading(petrov, kDec6, QTime(9, 0), 7.0);
        appendReading(0, kDec6, QTime(10, 0), 9.0);
    }
    activate();
    grid->selectRow(first);
    main->mnu_HistGridClick();
    ASSERT_EQ(main->viewState(), TFormSarvo::ViewHistGrid);
    EXPECT_EQ(table()->gridRowCount(), 35);
    EXPECT_EQ(table()->cell(0, 0), QStringLiteral("05.12.2026"));
    EXPECT_EQ(table()->cell(0, 1), QStringLiteral("08:00:15"));
    EXPECT_EQ(table()->cell(0, 2), QStringLiteral("0,5 mSv"));
    EXPECT_EQ(table()->cell(0, 3), QStringLiteral("1,5 mSv"));
    EXPECT_EQ(table()->cell(0, 4), QStringLiteral("12"));
    EXPECT_EQ(table()->cell(4, 1), QStringLiteral("12:00:15"));
    EXPECT_EQ(table()->cell(4, 3), QStringLiteral("5,5 mSv"));
    for (int row = 5; row < 34; ++row)
        EXPECT_TRUE(table()->cell(row, 0).isEmpty()) << row;
    // What the view shows is the model's text, under the header of lines 59 to 62 and 28.
    const QAbstractItemModel& shown = *main->StringGridHist->model();
    EXPECT_EQ(shown.data(shown.index(1, 1)).toString(), QStringLiteral("09:00:15"));
    EXPECT_EQ(shown.headerData(0, Qt::Horizontal).toString(), QStringLiteral(" 1/59"));
    EXPECT_EQ(shown.headerData(4, Qt::Horizontal).toString(), QStringLiteral(" 1/28"));
    const int w = (main->StringGridHist->width() - 25) / 5;
    EXPECT_EQ(main->StringGridHist->columnWidth(0), w - 10);
    EXPECT_EQ(main->StringGridHist->columnWidth(4), w + 20);

    // Esc returns to the list; the second person has only the reading-less rows.
    QTest::keyClick(main->StringGridHist, Qt::Key_Escape);
    EXPECT_EQ(main->viewState(), TFormSarvo::ViewUserList);
    grid->selectRow(second);
    main->mnu_HistGridClick();
    EXPECT_EQ(table()->gridRowCount(), 35);
    EXPECT_EQ(table()->cell(0, 3), QStringLiteral("7 mSv"));
}

TEST_F(HistViewsTest, NoReadingGivesThirtyRowsAndUserNoZeroIsNeverShown) {
    personWith(QStringLiteral("Ivanov"), {});
    // A damaged person record with UserNo 0 and readings stored with UserNo 0.
    Store store(dir().toStdString());
    UserRecord nobody = store.readUser(0);
    nobody.UserNo = 0;
    nobody.setTexts(QStringLiteral("Zero"), QStringLiteral("Z"), QString(), QString());
    store.writeUser(1, nobody);
    appendReading(0, kDec5, QTime(8, 0), 1.0);
    activate();
    for (int row : {0, 1}) {
        grid->selectRow(row);
        main->mnu_HistGridClick();
        ASSERT_EQ(main->viewState(), TFormSarvo::ViewHistGrid);
        EXPECT_EQ(table()->gridRowCount(), 30) << row;
        EXPECT_TRUE(table()->cell(0, 0).isEmpty());
        main->mnu_HistGridClick();
    }
}

TEST_F(HistViewsTest, IdentifierWithLettersEndsTheTableWithItsCellEmpty) {
    const int row = personWith(QStringLiteral("Ivanov"), {});
    const std::int32_t userNo = Store(dir().toStdString()).readUser(row).UserNo;
    appendReading(userNo, kDec5, QTime(8, 0), 1.0, 0x12);
    appendReading(userNo, kDec5, QTime(9, 0), 2.0, 0x1A);
    appendReading(userNo, kDec5, QTime(10, 0), 3.0, 0x12);
    activate();
    ModalScript script;
    script.answer(QMessageBox::Ok);
    main->mnu_HistGridClick();
    EXPECT_EQ(script.boxTexts(),
              QStringList{QStringLiteral("'000000000000001A' is not a valid integer value")});
    EXPECT_EQ(table()->gridRowCount(), 32);
    EXPECT_EQ(table()->cell(1, 3), QStringLiteral("2 mSv"));
    EXPECT_TRUE(table()->cell(1, 4).isEmpty());
    EXPECT_EQ(main->viewState(), TFormSarvo::ViewHistGrid);
}

TEST_F(HistViewsTest, DialogLayoutAndCaptions) {
    activate();
    runFilter([](TFormFilter* dialog) {
        EXPECT_EQ(dialog->size(), QSize(578, 104));
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("1/52"));
        EXPECT_EQ(dialog->CBDate->text(), QStringLiteral("1/55"));
        EXPECT_EQ(dialog->BtnOk->text(), QStringLiteral("1/19"));
        EXPECT_EQ(dialog->MEDateTo->x(), 224);
        EXPECT_EQ(dialog->METimeTo->x(), 232);
        EXPECT_EQ(dialog->LbDateTo->geometry().right() + 1, 224 - 5);
        EXPECT_EQ(dialog->MEDateFrom->geometry().right() + 1, dialog->LbDateTo->x() - 10);
        EXPECT_EQ(dialog->LbTimeFrom->geometry().right() + 1, dialog->METimeFrom->x() - 5);
        EXPECT_EQ(dialog->PanelDate->palette().color(QPalette::Window), QColor(128, 128, 192));
        EXPECT_EQ(dialog->MEDateFrom->editText(), QStringLiteral("  .  .  "));
        EXPECT_EQ(dialog->METimeTo->editText(), QStringLiteral("  :  "));
        EXPECT_FALSE(dialog->MEDateFrom->isEnabled());
        EXPECT_FALSE(dialog->METimeFrom->isEnabled());
    });
}

TEST_F(HistViewsTest, BothDateEditsEmptyShowAllReadingsAndSetTheMark) {
    const int row = personWith(QStringLiteral("Ivanov"),
                               {{kDec5, QTime(8, 0), 1.0}, {kDec6, QTime(9, 0), 2.0}});
    activate();
    grid->selectRow(row);
    main->mnu_HistGridClick();
    runFilter([](TFormFilter* dialog) {
        dialog->CBDate->click();
        EXPECT_TRUE(dialog->MEDateFrom->isEnabled());
        dialog->BtnOk->click();
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_TRUE(histFilter().DateOn);
    EXPECT_TRUE(isNoBound(histFilter().DateFrom));
    EXPECT_TRUE(isNoBound(histFilter().DateTo));
    EXPECT_EQ(main->panelText(2), QStringLiteral("1/58"));
    EXPECT_EQ(table()->gridRowCount(), 32);
}

TEST_F(HistViewsTest, TickingTheDateBoxAndClosingLeavesBoundsZeroThatShowNothing) {
    const int row = personWith(QStringLiteral("Ivanov"), {{kDec5, QTime(8, 0), 1.0}});
    activate();
    runFilter([](TFormFilter* dialog) { dialog->CBDate->click(); });
    EXPECT_TRUE(histFilter().DateOn);
    EXPECT_EQ(histFilter().DateFrom, 0.0);
    EXPECT_EQ(histFilter().DateTo, 0.0);
    EXPECT_EQ(main->panelText(2), QString());
    grid->selectRow(row);
    main->mnu_HistGridClick();
    EXPECT_EQ(table()->gridRowCount(), 30);
    main->mnu_HistGridClick();
    main->mnu_HistChartClick();
    EXPECT_TRUE(main->ChartHistChart->points().empty());
}

TEST_F(HistViewsTest, ImpossibleDateIsRefusedAndTheDialogStaysOpen) {
    activate();
    bool openAfterOk = false;
    const QStringList boxes = runFilter([&](TFormFilter* dialog) {
        dialog->CBDate->click();
        type(dialog->MEDateFrom, "310226");
        EXPECT_EQ(dialog->MEDateFrom->editText(), QStringLiteral("31.02.26"));
        dialog->BtnOk->click();
        openAfterOk = dialog->isVisible();
        EXPECT_TRUE(waitUntil([&] { return dialog->MEDateFrom->hasFocus(); }, 5000));
    });
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(boxes, QStringList{QStringLiteral("'31.02.26' is not a valid date")});
    // The mark was set before the date was read; the bound keeps its value.
    EXPECT_EQ(main->panelText(2), QStringLiteral("1/58"));
    EXPECT_EQ(histFilter().DateFrom, 0.0);
}

TEST_F(HistViewsTest, EscapeRestoresTheTextAndLeavingAHalfDateIsRefused) {
    activate();
    QString afterEscape;
    bool openAfterEscape = false;
    bool focusKept = false;
    const QStringList boxes = runFilter([&](TFormFilter* dialog) {
        dialog->CBDate->click();
        dialog->MEDateFrom->setEditText(QStringLiteral("01.12.26"));
        type(dialog->MEDateFrom, "0512");
        QTest::keyClick(dialog->MEDateFrom, Qt::Key_Escape);
        afterEscape = dialog->MEDateFrom->editText();
        QTest::keyClick(dialog->MEDateFrom, Qt::Key_Escape); // unmodified: nothing
        openAfterEscape = dialog->isVisible();

        // A year is required: a day alone cannot be left.
        dialog->MEDateFrom->setEditText(FilterTexts::emptyDateText());
        type(dialog->MEDateFrom, "26");
        dialog->MEDateTo->setFocus(Qt::TabFocusReason);
        waitUntil([&] { return !dialog->MEDateFrom->refusing(); });
        focusKept = waitUntil([&] { return dialog->MEDateFrom->hasFocus(); }, 5000);

        // Emptied again, it may be left.
        dialog->MEDateFrom->setFocus();
        QTest::keyClick(dialog->MEDateFrom, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(dialog->MEDateFrom, Qt::Key_Delete);
        EXPECT_TRUE(dialog->MEDateFrom->isEmptyForm());
        EXPECT_FALSE(dialog->MEDateFrom->isModified());
        // Enter moves to the other edit of the group.
        QTest::keyClick(dialog->MEDateFrom, Qt::Key_Return);
        EXPECT_TRUE(waitUntil([&] { return dialog->MEDateTo->hasFocus(); }, 5000));
        EXPECT_TRUE(dialog->isVisible());
    });
    EXPECT_EQ(afterEscape, QStringLiteral("01.12.26"));
    EXPECT_TRUE(openAfterEscape);
    EXPECT_TRUE(focusKept);
    EXPECT_EQ(boxes, QStringList{MaskEdit::invalidInputMessage()});
}

TEST_F(HistViewsTest, NightTimeRangePassesNothing) {
    const int row = personWith(QStringLiteral("Ivanov"),
                               {{kDec5, QTime(23, 0), 1.0}, {kDec6, QTime(5, 0), 2.0}});
    activate();
    grid->selectRow(row);
    main->mnu_HistChartClick();
    ASSERT_EQ(main->ChartHistChart->points().size(), 2u);
    runFilter([](TFormFilter* dialog) {
        dialog->CBTime->click();
        type(dialog->METimeFrom, "2200");
        type(dialog->METimeTo, "0600");
        dialog->BtnOk->click();
    });
    EXPECT_TRUE(main->ChartHistChart->points().empty());
}

TEST_F(HistViewsTest, DateRangeThenReopeningAndOkKeepTheBounds) {
    const int row = personWith(QStringLiteral("Ivanov"), {{QDate(2026, 11, 30), QTime(9, 0), 1.0},
                                                          {QDate(2026, 12, 1), QTime(9, 0), 2.0},
                                                          {kDec5, QTime(9, 0), 3.0},
                                                          {kDec6, QTime(9, 0), 4.0}});
    activate();
    grid->selectRow(row);
    main->mnu_HistGridClick();
    runFilter([](TFormFilter* dialog) {
        dialog->CBDate->click();
        type(dialog->MEDateFrom, "011226");
        type(dialog->MEDateTo, "051226");
        dialog->BtnOk->click();
    });
    ASSERT_EQ(table()->gridRowCount(), 32);
    EXPECT_EQ(table()->cell(0, 0), QStringLiteral("01.12.2026"));
    EXPECT_EQ(table()->cell(1, 0), QStringLiteral("05.12.2026"));
    const HistFilter confirmed = histFilter();

    // The edits show the bounds again; OK without typing reads the same bounds.
    QStringList texts;
    runFilter([&](TFormFilter* dialog) {
        texts << dialog->MEDateFrom->editText() << dialog->MEDateTo->editText();
        dialog->BtnOk->click();
    });
    EXPECT_EQ(texts, (QStringList{"01.12.26", "05.12.26"}));
    EXPECT_EQ(histFilter(), confirmed);
}

TEST_F(HistViewsTest, ChartDoseRanges) {
    struct Case {
        std::vector<double> sums;
        double min;
        double max;
    };
    const std::vector<Case> cases = {
        {{}, 0.0, 0.0}, {{2.0}, 1.9, 2.1}, {{0.0, 1.0, 3.0}, 0.0, 3.0}, {{10.0, 12.0}, 9.5, 12.5}};
    std::vector<int> rows;
    for (const Case& c : cases) {
        std::vector<std::tuple<QDate, QTime, double>> readings;
        for (size_t k = 0; k < c.sums.size(); ++k)
            readings.emplace_back(kDec5, QTime(8 + static_cast<int>(k), 0), c.sums[k]);
        rows.push_back(personWith(QStringLiteral("P%1").arg(rows.size()), readings));
    }
    activate();
    for (size_t i = 0; i < cases.size(); ++i) {
        grid->selectRow(rows[i]);
        main->mnu_HistChartClick();
        ASSERT_EQ(main->viewState(), TFormSarvo::ViewHistChart);
        const AxisRange range = main->ChartHistChart->doseRange();
        EXPECT_DOUBLE_EQ(range.min, cases[i].min) << i;
        EXPECT_DOUBLE_EQ(range.max, cases[i].max) << i;
        auto* axis = qobject_cast<QValueAxis*>(main->ChartHistChart->doseAxis());
        ASSERT_NE(axis, nullptr);
        EXPECT_DOUBLE_EQ(axis->min(), cases[i].min) << i;
        EXPECT_EQ(main->SeriesHist->count(), static_cast<int>(cases[i].sums.size()));
        main->mnu_HistChartClick();
    }
}

TEST_F(HistViewsTest, ChartLabelsCarryTheDateOnTheFirstReadingOfADay) {
    const int row = personWith(QStringLiteral("Ivanov"), {{kDec5, QTime(8, 0), 1.0},
                                                          {kDec5, QTime(9, 30), 1.5},
                                                          {kDec5, QTime(17, 0, 5), 2.0},
                                                          {kDec6, QTime(8, 0), 2.5},
                                                          {kDec6, QTime(9, 0), 3.0}});
    activate();
    grid->selectRow(row);
    main->mnu_HistChartClick();
    QStringList labels;
    for (const ChartPoint& p : main->ChartHistChart->points())
        labels << p.label;
    EXPECT_EQ(labels, (QStringList{"05.12.2026/08:00:00", "09:30:00", "17:00:05",
                                   "06.12.2026/08:00:00", "09:00:00"}));
    EXPECT_EQ(main->ChartHistChart->title(), QStringLiteral("1/73"));
    // On the full-screen chart the five labels are far apart: all are written.
    EXPECT_EQ(main->ChartHistChart->placedLabels().size(), 5u);
}

TEST_F(HistViewsTest, LabelsThatWouldOverlapAreLeftOut) {
    std::vector<std::tuple<QDate, QTime, double>> readings;
    for (int k = 0; k < 600; ++k)
        readings.emplace_back(kDec5.addDays(k / 24), QTime(k % 24, 0), k);
    const int row = personWith(QStringLiteral("Ivanov"), readings);
    activate();
    grid->selectRow(row);
    main->mnu_HistChartClick();
    const auto placed = main->ChartHistChart->placedLabels();
    ASSERT_GT(placed.size(), 2u);
    EXPECT_LT(placed.size(), 600u);
    EXPECT_EQ(placed.front().point, 0);
    const double height = QFontMetricsF(main->ChartHistChart->labelFont()).height();
    for (size_t i = 1; i < placed.size(); ++i)
        EXPECT_GT(placed[i].x - placed[i - 1].x, height) << i;
}

TEST_F(HistViewsTest, LogarithmicScaleStaysAcrossReopeningAndStartsAtTheSmallestPositiveDose) {
    const int row = personWith(
        QStringLiteral("Ivanov"),
        {{kDec5, QTime(8, 0), 0.0}, {kDec5, QTime(9, 0), 1.0}, {kDec5, QTime(10, 0), 3.0}});
    activate();
    grid->selectRow(row);
    main->mnu_HistChartClick();
    main->pmnu_Log->trigger();
    EXPECT_TRUE(main->ChartHistChart->drawnLogarithmic());
    main->mnu_HistChartClick();
    main->mnu_HistChartClick();
    EXPECT_TRUE(main->ChartHistChart->drawnLogarithmic());
    ASSERT_NE(qobject_cast<QLogValueAxis*>(main->ChartHistChart->doseAxis()), nullptr);
    EXPECT_DOUBLE_EQ(main->ChartHistChart->drawnDoseRange().min, 1.0);
    EXPECT_DOUBLE_EQ(main->ChartHistChart->drawnDoseRange().max, 3.0);
    // The range kept for the printout is the computed one.
    EXPECT_DOUBLE_EQ(main->ChartHistChart->doseRange().min, 0.0);
    main->pmnu_Lin->trigger();
    EXPECT_FALSE(main->ChartHistChart->drawnLogarithmic());
    EXPECT_DOUBLE_EQ(main->ChartHistChart->drawnDoseRange().max, 3.0);
}

TEST_F(HistViewsTest, PointingHandOverTheAxisLinesOnly) {
    const int row = personWith(QStringLiteral("Ivanov"),
                               {{kDec5, QTime(8, 0), 1.0}, {kDec6, QTime(9, 0), 2.0}});
    activate();
    grid->selectRow(row);
    main->mnu_HistChartClick();
    auto* view = static_cast<HistChartView*>(main->ChartHist);
    const QRectF plot = main->ChartHistChart->plotArea();
    const QPoint doseAxis = view->mapFromScene(QPointF(plot.left(), plot.center().y()));
    const QPoint timeAxis = view->mapFromScene(QPointF(plot.center().x(), plot.bottom()));
    const QPoint inside = view->mapFromScene(plot.center());
    view->ChartHistMouseMove(doseAxis.x(), doseAxis.y());
    EXPECT_EQ(view->viewport()->cursor().shape(), Qt::PointingHandCursor);
    view->ChartHistMouseMove(inside.x(), inside.y());
    EXPECT_EQ(view->viewport()->cursor().shape(), Qt::ArrowCursor);
    view->ChartHistMouseMove(timeAxis.x(), timeAxis.y());
    EXPECT_EQ(view->viewport()->cursor().shape(), Qt::PointingHandCursor);
}

} // namespace
} // namespace sarvo::test
