// The dose overview: its model sorted and searched through the proxy, and the window opened from
// the main window's menu, leading to a person's history, acknowledging an alert, saving PDF and
// CSV.
#include "gui/support/ui_support.h"

#include "core/registry/pg_server.h"
#include "core/registry/registry_connection.h"
#include "core/store/dose_database.h"
#include "core/text/text_forms.h"
#include "gui/dialogs/dose_overview_model.h"
#include "gui/dialogs/form_dose_overview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QSqlQuery>
#include <QTreeWidget>

namespace sarvo::test {
namespace {

const int kLastYear = QDate::currentDate().year() - 1;

class DoseOverviewTest : public MainWindowTest {
protected:
    // Three persons with doses of record and readings in the last year. As texts the year doses
    // ("0,3", "10", "2,5"), the reading dates ("15.01", "02.03") and the dosimeters ("1000",
    // "99") sort otherwise than as numbers and dates.
    void SetUp() override {
        MainWindowTest::SetUp();
        Store s = store();
        s.ensureDataDir();
        const std::tuple<const char*, const char*, std::int64_t, std::vector<double>, int> rows[] =
            {{"Avdeev", "Reactor", 0x1000, {2.5}, 15},
             {"Borisov", "Lab", 0x99, {2.5, 7.5}, 62},
             {"Chernov", "Workshop", 0, {0.3}, 0}};
        for (const auto& [last, department, identifier, doses, day] : rows) {
            const std::int32_t userNo = s.appendPerson(last, "A", QString(), department);
            UserRecord user = s.readUser(s.findUserIndex(userNo));
            user.DosimeterId = identifier;
            s.writeUser(s.findUserIndex(userNo), user);
            if (day > 0)
                s.appendHistory({daysFromDate(QDate(kLastYear, 1, 1).addDays(day - 1)), 0.5, 0.1,
                                 0.1, userNo, identifier});
            for (double dose : doses) {
                EdEntry entry;
                entry.dose = dose;
                entry.date = QDate(kLastYear, 6, 1);
                entry.reason = "assessed";
                ASSERT_TRUE(DoseDatabase(s).changeEd(s.findUserIndex(userNo), userNo, entry).done);
            }
        }
    }
    // The last names of the proxy's rows, in order.
    static QStringList names(const QAbstractItemModel& proxy) {
        QStringList shown;
        for (int row = 0; row < proxy.rowCount(); ++row)
            shown << proxy.index(row, DoseOverviewModel::Name).data().toString().section(' ', 0, 0);
        return shown;
    }
};

TEST_F(DoseOverviewTest, ModelSortsAndSearches) {
    Store s = store();
    DoseDatabase database(s);
    DoseOverviewModel model;
    model.setOverview(buildDoseOverview(s, database, kLastYear, QDate::currentDate()));
    QSortFilterProxyModel proxy;
    DoseOverviewModel::configureProxy(proxy);
    proxy.setSourceModel(&model);
    EXPECT_EQ(model.cellText(1, DoseOverviewModel::YearDose), "10");
    const std::pair<int, QString> sorts[] = {
        {DoseOverviewModel::YearDose, "Chernov Avdeev Borisov"},
        {DoseOverviewModel::LastReading, "Avdeev Borisov Chernov"},
        {DoseOverviewModel::Dosimeter, "Borisov Avdeev Chernov"},
        {DoseOverviewModel::Status, "Avdeev Chernov Borisov"},
        {DoseOverviewModel::Department, "Borisov Avdeev Chernov"}};
    for (const auto& [column, order] : sorts) {
        proxy.sort(column, Qt::AscendingOrder);
        EXPECT_EQ(names(proxy).join(' '), order) << column;
    }
    proxy.sort(DoseOverviewModel::Name, Qt::AscendingOrder);
    const std::pair<QString, QString> searches[] = {
        {"aVd", "Avdeev"},  {"WORKSHOP", "Chernov"},         {"99", "Borisov"},
        {"lab", "Borisov"}, {"a", "Avdeev Borisov Chernov"}, {"2,5", ""}};
    for (const auto& [text, found] : searches) {
        proxy.setFilterFixedString(text);
        EXPECT_EQ(names(proxy).join(' '), found) << text;
    }
}

TEST_F(DoseOverviewTest, WindowFromTheMenu) {
    activate();
    EXPECT_EQ(part<QAction>("mnu_DoseOverview")->shortcut(), QKeySequence("Ctrl+D"));
    EXPECT_EQ(part<QMenu>("mnu_Doses")->actions().value(0), part<QAction>("mnu_DoseOverview"));
    // The menu's other commands open their dialogs (the assessed dose for the selected person).
    {
        QStringList opened;
        ModalScript dialogs;
        for (int k = 0; k < 3; ++k)
            dialogs.add([&](QWidget* modal) {
                opened << modal->metaObject()->className();
                qobject_cast<QDialog*>(modal)->reject();
            });
        for (const char* command : {"mnu_AnnualReport", "mnu_AssessedDose", "mnu_Limits"})
            act(command);
        ASSERT_TRUE(waitUntil([&] { return dialogs.done(); }));
        EXPECT_EQ(opened, QStringList({"sarvo::TFormAnnualReport", "sarvo::TFormAssessedDose",
                                       "sarvo::TFormLimits"}));
    }
    act("tb_doseOverview");
    auto* window = part<TFormDoseOverview>("TFormDoseOverview");
    ASSERT_TRUE(window->isVisible());
    auto* table = child<QTableView>(window, "GridOverview");
    auto* year = child<QSpinBox>(window, "SpinYear");
    EXPECT_EQ(year->value(), QDate::currentDate().year());
    EXPECT_EQ(table->model()->rowCount(), 3);
    year->setValue(kLastYear);
    EXPECT_EQ(window->overview().year, kLastYear);

    // The open alert, acknowledged: a note is required.
    auto* alerts = child<QTreeWidget>(window, "ListAlerts");
    ASSERT_EQ(alerts->topLevelItemCount(), 1);
    EXPECT_TRUE(alerts->topLevelItem(0)->text(1).startsWith("Borisov"));
    alerts->setCurrentItem(alerts->topLevelItem(0));
    ModalScript script;
    const auto note = [](const QString& text) {
        return on<QInputDialog>([text](QInputDialog* dialog) {
            dialog->setTextValue(text);
            dialog->accept();
        });
    };
    script.add(note("  "));
    script.answer(QMessageBox::Ok);
    script.add(note("dose checked"));
    child<QPushButton>(window, "BtnAcknowledge")->click();
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    EXPECT_EQ(script.boxTexts().size(), 1);
    EXPECT_EQ(alerts->topLevelItemCount(), 0);
    Store s = store();
    EXPECT_EQ(DoseDatabase(s).alerts(true).at(0).note, "dose checked");

    // The rows shown, saved as PDF (each page with its title and number) and as CSV.
    child<QLineEdit>(window, "EditSearch")->setText("e"); // Avdeev and Chernov
    script.add(saveAs(path("overview.pdf")));
    trigger(window, "mnu_OverviewPdf");
    script.add(saveAs(path("overview.csv")));
    trigger(window, "mnu_OverviewCsv");
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    QProcess pdf;
    pdf.start("pdftotext", {"-layout", path("overview.pdf"), "-"});
    ASSERT_TRUE(pdf.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdf.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QString("Dose overview %1 as of").arg(kLastYear))) << text;
    EXPECT_TRUE(text.contains("Page 1 of 1")) << text;
    EXPECT_TRUE(text.contains("Chernov") && !text.contains("Borisov")) << text;
    const QList<QByteArray> lines = fileBytes("overview.csv").split('\n');
    ASSERT_EQ(lines.size(), 4); // header, two persons, nothing after the last line end
    EXPECT_EQ(lines[0], "user_no,last_name,first_name,middle_name,department,dosimeter_id,ed,"
                        "year,year_dose,rolling_12m,five_year,pending,last_reading,overdue,"
                        "status,full_name\r");

    // Clear ED in the main window shows in the overview on screen at once.
    script.answer(QMessageBox::Yes);
    act("mnu_ClearED");
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    EXPECT_EQ(window->overview().persons.at(0).person.ED, 0.0);

    // A double click on a person opens that person's history in the main window.
    child<QLineEdit>(window, "EditSearch")->clear();
    const QModelIndex borisov = table->model()->index(1, DoseOverviewModel::Name);
    ASSERT_TRUE(borisov.data().toString().startsWith("Borisov"));
    // A double click as the desktop delivers it: a click, then the double-click event.
    const QPoint at = table->visualRect(borisov).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(main->viewState(), TFormSarvo::ViewHistGrid);
    EXPECT_EQ(main->selectedRow(), 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// A person who left is hidden until "Show persons who left" is checked; a full name of the
// register data stands for the names of the record.
TEST_F(DoseOverviewTest, PersonsWhoLeftAndFullNames) {
    tool({"person-details", "--person", "2", "--left", "2026-01-31"});
    tool({"person-details", "--person", "3", "--full-name", "Čechov Anton Pavlovič"});
    Store s = store();
    TFormDoseOverview window(s);
    window.show();
    child<QSpinBox>(&window, "SpinYear")->setValue(kLastYear);
    const QAbstractItemModel* rows = child<QTableView>(&window, "GridOverview")->model();
    const auto shown = [rows] {
        QStringList names;
        for (int row = 0; row < rows->rowCount(); ++row)
            names << rows->index(row, DoseOverviewModel::Name).data().toString();
        return names.join(',');
    };
    EXPECT_EQ(shown(), "Avdeev A,Čechov Anton Pavlovič");
    auto* showLeft = child<QCheckBox>(&window, "CheckShowLeft");
    QTest::mouseClick(showLeft, Qt::LeftButton, {}, showLeft->rect().center());
    EXPECT_EQ(shown(), "Avdeev A,Borisov A,Čechov Anton Pavlovič");
}

// With the station's registry address the window shows the registry's workers, read in the
// background and read-only; an unreachable registry is named in the window.
TEST_F(DoseOverviewTest, RegistryModeIsReadOnly) {
    PgServer server;
    ASSERT_TRUE(server.start()) << server.error().toStdString();
    const QString url = server.url(PgServer::kSuperuser);
    ASSERT_EQ(QProcess::execute(SARVO_TOOL_PATH, {"registry", "init", "--db", url}), 0);
    {
        registry::RegistryConnection connection(*registry::RegistryAddress::parse(url));
        for (const char* statement :
             {"INSERT INTO sarvo.stations VALUES ('north', 'r_north')",
              "INSERT INTO sarvo.persons VALUES ('north', 1, 'Petrov', 'Ivan', '', '', 0, 0, "
              "'Ivan Petrov', 'R-1', NULL, 'A', '', NULL, 0)",
              "INSERT INTO sarvo.ledger VALUES ('north', 1, 't', '2025-03-01', 1, 0, 'reading', "
              "25, 0, 25, 0, 'u', '', 0)"})
            ASSERT_TRUE(QSqlQuery(connection.db()).exec(statement)) << statement;
    }
    Store s = store();
    TFormDoseOverview window(s);
    window.show();
    auto* source = child<QComboBox>(&window, "ComboSource");
    EXPECT_FALSE(source->isEnabled()); // no registry address yet
    DoseDatabase(s).setRegistrySettings({"north", url});
    trigger(&window, "mnu_OverviewRefresh");
    ASSERT_TRUE(source->isEnabled());
    child<QSpinBox>(&window, "SpinYear")->setValue(2025);
    QTest::keyClick(source, Qt::Key_Down);
    ASSERT_TRUE(window.registryMode());
    EXPECT_TRUE(child<QLabel>(&window, "LblLoading")->isVisible());
    ASSERT_TRUE(waitUntil([&] { return !window.registryLoading(); }));
    EXPECT_FALSE(child<QLabel>(&window, "LblLoading")->isVisible());
    const QAbstractItemModel* rows = child<QTableView>(&window, "GridOverview")->model();
    ASSERT_EQ(rows->rowCount(), 1) << window.failure().toStdString();
    QStringList cells;
    for (int column = 0; column < rows->columnCount(); ++column)
        cells << rows->index(0, column).data().toString();
    EXPECT_EQ(cells.join('|'), "R-1|Ivan Petrov|north|25|25|limit reached");
    for (const char* change : {"BtnAcknowledge", "ListAlerts"})
        EXPECT_FALSE(child<QWidget>(&window, change)->isEnabled()) << change;
    for (const char* action : {"mnu_OverviewPrint", "mnu_OverviewPdf"})
        EXPECT_FALSE(child<QAction>(&window, action)->isEnabled()) << action;
    EXPECT_EQ(window.csvOfShownRows(),
              "worker,full_name,stations,year,year_dose,five_year,status\r\n"
              "R-1,Ivan Petrov,north,2025,25,25,limit\r\n");

    DoseDatabase(s).setRegistrySettings({"north", QString(url).replace("/sarvo", "/nodb")});
    trigger(&window, "mnu_OverviewRefresh");
    ASSERT_TRUE(waitUntil([&] { return !window.registryLoading(); }));
    EXPECT_TRUE(window.failure().contains("nodb")) << window.failure().toStdString();
    EXPECT_TRUE(child<QLabel>(&window, "LblFailure")->isVisible());

    QTest::keyClick(source, Qt::Key_Up);
    EXPECT_EQ(child<QTableView>(&window, "GridOverview")->model()->rowCount(), 3);
    EXPECT_TRUE(child<QWidget>(&window, "ListAlerts")->isEnabled());
}

} // namespace
} // namespace sarvo::test
