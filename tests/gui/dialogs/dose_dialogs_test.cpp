// The dose limits, the assessed dose and the annual report dialogs, and the CSV files of the main
// window's list of persons and history.
#include "gui/support/ui_support.h"

#include "core/store/dose_database.h"
#include "core/text/dose_texts.h"
#include "core/text/text_forms.h"
#include "gui/dialogs/form_annual_report.h"
#include "gui/dialogs/form_assessed_dose.h"
#include "gui/dialogs/form_limits.h"
#include "gui/dialogs/form_register_data.h"
#include "tool/run_tool.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QSpinBox>

namespace sarvo::test {
namespace {

void setText(QWidget* dialog, const QString& name, const QString& text) {
    child<QLineEdit>(dialog, name)->setText(text);
}
void click(QWidget* dialog, const QString& name) {
    child<QPushButton>(dialog, name)->click();
}
// Types `text` into `field` key by key, letters outside Latin-1 as well.
void type(QWidget* field, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

class DoseDialogsTest : public MainWindowTest {
protected:
    // Runs `command` with the modal windows answered by `script`; every step must have run.
    void run(ModalScript& script, const std::function<void()>& command) {
        command();
        ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    }
};

// Good values are stored (the monthly level only while its box is checked); a bad one is named
// in a box, and nothing is stored.
TEST_F(DoseDialogsTest, LimitsAreStoredOrRefused) {
    addPerson("Ivanov", "Ivan", QString());
    Store s = store();
    const DoseLimits set{25, 90, 5.5, 0.5, 30};
    const struct {
        QStringList texts; // annual, five-year, investigation, monthly ("" = off), overdue days
        std::optional<DoseLimits> stored;
    } cases[] = {
        {{"abc", "100", "6", "", "35"}, std::nullopt},
        {{"20", "0", "6", "", "35"}, std::nullopt},
        {{"20", "100", "6", "-1", "35"}, std::nullopt},
        {{"20", "100", "6", "", "1,5"}, std::nullopt},
        {{"25", "90", "5,5", "0.5", "30"}, set},
        {{"20", "100", "6", "", "35"}, DoseLimits{}},
    };
    DoseLimits expected;
    for (const auto& [texts, stored] : cases) {
        ModalScript script;
        script.add(on<TFormLimits>([&](TFormLimits* d) {
            const char* names[] = {"EditAnnual", "EditFiveYear", "EditInvestigation", "EditMonthly",
                                   "EditOverdueDays"};
            child<QCheckBox>(d, "CheckMonthly")->setChecked(!texts[3].isEmpty());
            for (int i = 0; i < 5; ++i)
                setText(d, names[i], texts[i]);
            click(d, "BtnOk");
        }));
        if (!stored) {
            script.answer(QMessageBox::Ok);
            script.add([](QWidget* d) { click(d, "BtnCancel"); });
        }
        bool done = false;
        run(script, [&] { done = TFormLimits::edit(nullptr, s); });
        EXPECT_EQ(done, stored.has_value()) << texts.join(' ');
        EXPECT_EQ(script.boxTexts().size(), stored ? 0 : 1) << texts.join(' ');
        expected = stored.value_or(expected);
        EXPECT_EQ(DoseDatabase(s).limits(), expected) << texts.join(' ');
    }
}

// An empty reason and a dose that would bring ED below 0 are refused with nothing stored; a good
// dose is added to ED with its ledger row, and the alert it raises is shown.
TEST_F(DoseDialogsTest, AssessedDose) {
    const long long index = addPerson("Ivanov", "Ivan", QString());
    Store s = store();
    const std::int32_t userNo = s.readUser(index).UserNo;
    DoseLimits limits;
    limits.investigation = 0.4;
    DoseDatabase(s).setLimits(limits);
    const QDate yesterday = QDate::currentDate().addDays(-1);
    const struct {
        QString dose, reason;
        bool stored;
    } cases[] = {{"0,2", "  ", false}, {"-1", "correction", false}, {"0,5", "lost", true}};
    QStringList boxes;
    for (const auto& [dose, reason, stored] : cases) {
        ModalScript script;
        script.add(on<TFormAssessedDose>([&](TFormAssessedDose* d) {
            EXPECT_EQ(child<QLabel>(d, "LblPerson")->text(), personName(s.readUser(index)));
            setText(d, "EditDose", dose);
            setText(d, "EditReason", reason);
            child<QDateEdit>(d, "EditDate")->setDate(yesterday);
            click(d, "BtnOk");
        }));
        script.answer(QMessageBox::Ok);
        if (!stored)
            script.add([](QWidget* d) { click(d, "BtnCancel"); });
        bool done = false;
        run(script, [&] { done = TFormAssessedDose::enter(nullptr, s, index, userNo); });
        EXPECT_EQ(done, stored) << dose;
        boxes = script.boxTexts();
        EXPECT_EQ(boxes.size(), 1) << dose;
    }
    const std::vector<LedgerRow> rows = DoseDatabase(s).ledger(userNo);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].kind, LedgerKind::Manual);
    EXPECT_EQ(rows[0].dose, 0.5);
    EXPECT_EQ(rows[0].date, yesterday);
    EXPECT_EQ(rows[0].reason, "lost");
    EXPECT_EQ(s.readUser(index).ED, 0.5);
    const std::vector<Alert> alerts = DoseDatabase(s).alerts();
    ASSERT_EQ(alerts.size(), 1u);
    EXPECT_EQ(boxes, QStringList{alertWarningText(alerts[0], s.readUser(index), 0.5)});
    ModalScript script;
    script.answer(QMessageBox::Ok);
    run(script, [&] { EXPECT_FALSE(TFormAssessedDose::enter(nullptr, s, index, userNo + 1)); });
    EXPECT_EQ(script.boxTexts(), QStringList{TFormAssessedDose::personGoneText()});
}

// Register data from the main window's menu on the selected person: Cancel stores nothing; a
// registry number another person holds is refused in a box and the dialog stays open; OK stores
// the fields as typed. A person who left is greyed in the list, its text unchanged.
TEST_F(DoseDialogsTest, RegisterData) {
    addPerson("Ivanov", "Ivan", QString());
    addPerson("Petrov", "Petr", QString());
    tool({"person-details", "--person", "2", "--registry-id", "R-7"});
    activate();
    Store s = store();
    const PersonDetails petrov = DoseDatabase(s).personDetails(2);
    const auto fill = [](const QString& registryId, const QString& button) {
        return on<TFormRegisterData>([=](TFormRegisterData* d) {
            auto* name = child<QLineEdit>(d, "EditFullName");
            EXPECT_EQ(name->placeholderText(), "Ivanov Ivan");
            EXPECT_EQ(name->text(), "");
            type(name, "Ívan Ivanovič");
            type(child<QLineEdit>(d, "EditRegistryId"), registryId);
            QTest::keyClick(child<QComboBox>(d, "ComboCategory"), Qt::Key_Down);
            type(child<QLineEdit>(d, "EditSite"), "S7");
            QTest::keyClick(child<QCheckBox>(d, "CheckLeft"), Qt::Key_Space);
            click(d, button);
        });
    };
    const std::tuple<QString, QString, bool> cases[] = {
        {"R-8", "BtnCancel", false}, {"R-7", "BtnOk", true}, {"R-8", "BtnOk", false}};
    for (const auto& [registryId, button, refused] : cases) {
        EXPECT_TRUE(DoseDatabase(s).personDetails(1).empty());
        ModalScript script;
        script.add(fill(registryId, button));
        if (refused) {
            script.answer(QMessageBox::Ok);
            script.add(on<TFormRegisterData>([](TFormRegisterData* d) { click(d, "BtnCancel"); }));
        }
        run(script, [this] { act("mnu_RegisterData"); });
        EXPECT_EQ(script.boxTexts().size(), refused ? 1 : 0);
        EXPECT_EQ(script.boxTexts().value(0).contains("R-7"), refused);
    }
    PersonDetails stored{1,    "Ívan Ivanovič",     "R-8", {}, PersonCategory::A,
                         "S7", QDate::currentDate()};
    EXPECT_EQ(DoseDatabase(s).personDetails(1), stored);
    EXPECT_EQ(DoseDatabase(s).personDetails(2), petrov);
    const QModelIndex ivanov = grid->model()->index(0, 0);
    EXPECT_EQ(ivanov.data().toString(), " Ivanov Ivan ");
    EXPECT_EQ(ivanov.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::gray));
    EXPECT_FALSE(grid->model()->index(1, 0).data(Qt::ForegroundRole).isValid());
}

// The report of a year over two pages: each page with the title and its number, a person's
// monthly dose in its row; the CSV file as sarvo-tool prints it.
TEST_F(DoseDialogsTest, AnnualReport) {
    Store s = store();
    std::vector<long long> indexes;
    for (int i = 0; i < 45; ++i)
        indexes.push_back(addPerson(QString("Person%1").arg(i, 2, 10, QChar('0')), "A", "B"));
    DoseDatabase database(s);
    for (const auto& [i, month, dose] : {std::tuple{7, 3, 0.4}, {7, 11, 1.25}, {40, 3, 0.3}})
        database.changeEd(indexes[i], s.readUser(indexes[i]).UserNo,
                          EdEntry{LedgerKind::Manual, dose, QDate(2025, month, 10), -1, "x", true});
    ModalScript script;
    script.add(on<TFormAnnualReport>([](TFormAnnualReport* d) {
        child<QSpinBox>(d, "SpinYear")->setValue(2025);
        click(d, "BtnPdf");
    }));
    script.add(saveAs(path("report"), {"PDF file (*.pdf)"}));
    script.add([](QWidget* d) { click(d, "BtnCsv"); });
    script.add(saveAs(path("report"), {"CSV file (*.csv)"}));
    script.add([](QWidget* d) { click(d, "BtnClose"); });
    run(script, [&] { TFormAnnualReport::runReport(nullptr, s); });

    QProcess text;
    text.start("pdftotext", {"-layout", "-enc", "UTF-8", path("report.pdf"), "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split('\f');
    pages.removeIf([](const QString& page) { return page.trimmed().isEmpty(); });
    ASSERT_GE(pages.size(), 2);
    for (int n = 1; n <= pages.size(); ++n) {
        EXPECT_TRUE(pages[n - 1].contains("Annual dose report 2025")) << n;
        EXPECT_TRUE(pages[n - 1].contains(QString("page %1 of %2").arg(n).arg(pages.size()))) << n;
    }
    const QString row = pages[0].split('\n').filter("Person07").value(0).simplified();
    EXPECT_TRUE(
        row.contains("Lab 0 0 0,4 0 0 0 0 0 0 0 1,25 0 1,65 " + doseStatusText(DoseStatus::Ok)))
        << row;
    const QByteArray csv = fileBytes("report.csv");
    EXPECT_TRUE(
        csv.startsWith("user_no,last_name,first_name,middle_name,department,01,02,03,04,"
                       "05,06,07,08,09,10,11,12,total,status,full_name\r\n1,Person00,A,B,Lab,"));
    EXPECT_EQ(
        csv,
        runTool({"report", "--year", "2025", "--csv", "--dir", dir()}, "C.UTF-8").out.toUtf8());
}

// The list of persons and a history saved as CSV files hold the bytes sarvo-tool prints.
TEST_F(DoseDialogsTest, ListAndHistoryAsCsv) {
    addPerson("Ivanov", "Ivan, Jr", "\"P\"", 0x1234);
    const long long index = addPerson("Петров", "Пётр", QString(), 0x12AB);
    Store s = store();
    const std::int32_t userNo = s.readUser(index).UserNo;
    for (const auto& [day, time, sum] : {std::tuple{5, QTime(9, 0, 7), 0.25},
                                         {6, QTime(10, 15), 0.4},
                                         {6, QTime(23, 59, 59), 1.5}})
        s.appendHistory({daysFromDate(QDate(2026, 12, day)), fractionFromTime(time), 0.05, sum,
                         userNo, 0x12AB});
    activate();
    const auto saveCsv = [](const QString& file) {
        return on<QFileDialog>([file](QFileDialog* dialog) {
            dialog->selectNameFilter("CSV file (*.csv)");
            saveAs(file, {"Text files (*.txt)", "CSV file (*.csv)", "Any files (*)"})(dialog);
        });
    };
    ModalScript script;
    script.add(saveCsv(path("persons")));
    run(script, [this] { QTest::keyClick(grid, Qt::Key_F2); });
    EXPECT_EQ(fileBytes("persons.csv"),
              runTool({"persons", "--csv", "--dir", dir()}, "C.UTF-8").out.toUtf8());

    histFilter() = HistFilter{
        true, false, daysFromDate(QDate(2026, 12, 6)), daysFromDate(QDate(2026, 12, 6)), 0, 0};
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Return);
    ModalScript again; // the same dialog once more
    again.add(saveCsv(path("history")));
    run(again, [this] { act("tb_SaveAsText"); });
    const QString history =
        runTool({"history", "--person", QString::number(userNo), "--csv", "--date-from", "06.12.26",
                 "--date-to", "06.12.26", "--dir", dir()},
                "C.UTF-8")
            .out;
    EXPECT_EQ(history.count('\n'), 3);
    EXPECT_EQ(fileBytes("history.csv"), history.toUtf8());
}

} // namespace
} // namespace sarvo::test
