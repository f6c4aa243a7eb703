// The main window: its list of persons, its views, its texts in each language.
#include "gui/support/ui_support.h"

#include "core/store/store_error.h"
#include "core/text/program_files.h"
#include "gui/common/help_file.h"
#include "gui/dialogs/form_abou.h"
#include "tool/run_tool.h"

#include <QFileSystemWatcher>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolBar>

namespace sarvo::test {
namespace {

using MainTest = MainWindowTest;

// The actions the table and the chart disable, besides each one's own toggle.
const QString kDisabled = "tb_newUser tb_infoUser tb_changUser tb_reg mnu_NewUser mnu_InfoUser "
                          "mnu_ChangUser mnu_reg ";
const QStringList kTable = (kDisabled + "tb_histChart mnu_HistChart").split(' ');
const QStringList kChart =
    (kDisabled + "tb_histGrid mnu_HistGrid tb_SaveAsText mnu_SaveAsText").split(' ');

// The rows, the status bar, the keys and clicks on the list, and the views they lead to.
TEST_F(MainTest, RowsKeysAndViews) {
    addPerson("Ivanov", "Ivan", "Ivanovich", 0x1234567);
    addPerson("Petrov", "Petr", "Petrovich");
    addPerson("Sidorov", "Sidor", QString(), 0x00AB00000000CDEFLL);
    addPerson("Zaitsev", "Z", QString(), 0x7);
    activate();
    // Identifiers with letters are shown as `sarvo-tool persons` lists them (without leading
    // zeros), and the persons after them are listed too.
    ASSERT_EQ(grid->rowCount(), 4 + 29);
    const QStringList cells[] = {{" Ivanov Ivan Ivanovich", "1234567"},
                                 {" Petrov Petr Petrovich", ""},
                                 {" Sidorov Sidor ", "AB00000000CDEF"},
                                 {" Zaitsev Z ", "7"}};
    for (int row = 0; row < grid->rowCount(); ++row)
        EXPECT_EQ((QStringList{grid->nameCell(row), grid->identifierCell(row)}),
                  (row < 4 ? cells[row] : QStringList{"", ""}))
            << row;
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text() + grid->horizontalHeaderItem(1)->text(),
              "  1/271/28");
    // The name column takes the width the identifier column and the scroll bar leave.
    EXPECT_EQ(grid->columnWidth(0), grid->width() - grid->columnWidth(1) - 25);
    EXPECT_EQ(part<QLabel>("StatusPanel1")->width(),
              part<QStatusBar>("StatusBarOsn")->width() - 510);
    // The first row is selected and named in the status bar, however the selection moves.
    const auto selected = [this] { return std::pair(main->selectedRow(), main->panelText(0)); };
    EXPECT_EQ(selected(), std::pair(0, cells[0][0]));
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(selected(), std::pair(1, cells[1][0]));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(2, 1));
    EXPECT_EQ(selected(), std::pair(2, cells[2][0]));
    QTest::keyClick(grid, Qt::Key_Up);
    EXPECT_EQ(selected(), std::pair(1, cells[1][0]));

    // The view shown and the named actions it disables; the list disables none.
    const auto expectView = [this](int state, const QStringList& disabled = {}) {
        EXPECT_EQ(main->viewState(), state);
        for (QAction* item : main->findChildren<QAction*>())
            EXPECT_TRUE(!QRegularExpression("^(tb|mnu|pm)").match(item->objectName()).hasMatch() ||
                        item->isEnabled() == !disabled.contains(item->objectName()))
                << item->objectName();
        EXPECT_EQ(grid->isHidden(), state != 0);
        EXPECT_EQ(part<QTableView>("StringGridHist")->isHidden(), state != 1);
        EXPECT_EQ(part<QChartView>("ChartHist")->isHidden(), state != 2);
    };
    // Enter and a double click open the history of a person; Esc leads back.
    QTest::keyClick(grid, Qt::Key_Return);
    expectView(1, kTable);
    QTest::keyClick(part<QTableView>("StringGridHist"), Qt::Key_Escape);
    expectView(0);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(0, 0));
    expectView(1, kTable);
    act("mnu_HistGrid");
    expectView(0);
    act("mnu_HistChart");
    expectView(2, kChart);
    // Leaving the chart does not fill the list again; leaving the table does.
    addPerson("Yakovlev", "Y", QString());
    act("tb_histChart");
    expectView(0);
    EXPECT_EQ(grid->rowCount(), 4 + 29);
    act("mnu_HistGrid");
    act("mnu_HistGrid");
    EXPECT_EQ(grid->rowCount(), 5 + 29);
    EXPECT_EQ(main->selectedRow(), 0);
    // An empty row: nothing named; Enter, double click, F3, F4 and the view toggles do nothing.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(6, 0));
    EXPECT_EQ(main->panelText(0), "");
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F3, Qt::Key_F4})
        QTest::keyClick(grid, key);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(6, 0));
    act("mnu_HistGrid");
    act("mnu_HistChart");
    expectView(0);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The green mark of a person whose reading was taken in. A person added by another program
// reorders the file: the list follows, and the selection and the mark stay with their persons.
// Then another program puts a person in front of the selected one, and a command is given before
// the list has followed: every command on the selected row refuses, says so and writes nothing
// (Clear ED used to zero the person now in that row). The list then shows the file, on the same
// person.
TEST_F(MainTest, FollowsTheFile) {
    for (const auto& [last, id] : {std::pair("Ivanov", 0), std::pair("Sidorov", 0x34)}) {
        const long long index = addPerson(last, "A", QString(), id);
        UserRecord user = store().readUser(index);
        user.ED = 2.5;
        user.MED[0] = "0 05.12 10:00 1,5 uSv/h";
        store().writeUser(index, user);
    }
    activate();
    grid->setHighlight(1);        // a reading of Sidorov's was taken in
    EXPECT_EQ(grid->rowAt(0), 1); // scrolled to the top
    // Green on the frame of the name cell only: not inside it, not on the identifier cell.
    // Points are taken from the top left corner of the name cell.
    const QImage image = grid->viewport()->grab().toImage();
    const QRect marked = grid->visualRect(grid->model()->index(1, 0));
    const QPoint top = marked.topLeft() + QPoint(20, 1);
    const int w = marked.width(), h = marked.height();
    const std::pair<QPoint, bool> points[] = {
        {{20, 1}, true},    {{20, h - 2}, true},     {{20, 3}, true},     {{1, 8}, true},
        {{w - 2, 8}, true}, {{w / 2, h / 2}, false}, {{w + 20, 1}, false}};
    for (const auto& [p, green] : points)
        EXPECT_EQ(image.pixelColor(marked.topLeft() + p) == QColor(0, 128, 0), green)
            << p.x() << "," << p.y();
    // A click on another row takes the mark away.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(2, 1));
    EXPECT_EQ(grid->highlightedRow(), -1);
    EXPECT_NE(grid->viewport()->grab().toImage().pixelColor(top), QColor(0, 128, 0));

    QTest::keyClick(grid, Qt::Key_Up);
    grid->setHighlight(1);
    int persons = 2;
    for (const char* last : {"Abramov", "Petrov"}) {
        tool({"add-person", "--last", last, "--first", "A"});
        ASSERT_TRUE(waitUntil([&, n = ++persons] { return grid->rowCount() == n + 29; })) << last;
    }
    EXPECT_EQ((QStringList{grid->nameCell(0), grid->nameCell(2), grid->identifierCell(3)}),
              (QStringList{" Abramov A ", " Petrov A ", "34"}));
    EXPECT_EQ(std::tuple(main->selectedRow(), grid->highlightedRow(), main->panelText(0)),
              std::tuple(3, 3, QString(" Sidorov A ")));
    // The file replaced by a rename is still watched.
    EXPECT_TRUE(main->userFileWatcher()->files().contains(path("DB/DataUsers.usr")));

    int added = 0;
    ModalScript script;
    for (const char* command : {"mnu_ClearED", "mnu_SavMED", "mnu_InfoUser", "mnu_ChangUser",
                                "mnu_reg", "tb_histGrid", "tb_histChart"}) {
        SCOPED_TRACE(command);
        tool({"add-person", "--last", QStringLiteral("Aa%1").arg(++added), "--first", "A"});
        const QByteArray before = userFile();
        script.answer(QMessageBox::Ok);
        act(command);
        ASSERT_TRUE(waitUntil([&] { return script.done(); }));
        EXPECT_EQ(script.seen().size(), std::size_t(added)); // one box for each, nothing else
        EXPECT_EQ(script.boxTexts(), QStringList(added, TFormSarvo::staleRowText()));
        EXPECT_EQ(userFile(), before);
        EXPECT_EQ(std::tuple(main->viewState(), main->selectedRow(), main->panelText(0)),
                  std::tuple(TFormSarvo::ViewUserList, added + 3, QString(" Sidorov A ")));
    }
    // On a list that shows the file, Clear ED zeroes the selected person only.
    script.answer(QMessageBox::Yes);
    act("mnu_ClearED");
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    EXPECT_EQ(script.boxTexts().last(), "1/78\n\nSidorov A (number 2): ED 2,5 mSv");
    for (const UserRecord& user : store().readUsers())
        EXPECT_EQ(user.ED, user.LN == "Ivanov" ? 2.5 : 0.0) << user.LN.constData();
}

// The text a part of the main window shows: a menu's title, a toolbar button's hint, an item's
// text.
QString shown(const QObject* main, const QString& name) {
    if (name.startsWith("tb_"))
        return child<QAction>(main, name)->toolTip();
    if (auto* menu = main->findChild<QMenu*>(name))
        return menu->title();
    return child<QAction>(main, name)->text();
}

// Every text, and the help page of a language without one of its own: the English one.
TEST_F(MainTest, EveryTextAndHelp) {
    QDir(dir()).mkdir("Help");
    for (const char* name : {"Help/Sarvo_Eng.html", "Help/Sarvo_Nem.html"})
        ASSERT_TRUE(QFile(path(name)).open(QIODevice::WriteOnly));
    const QString help = dir() + "/Help/Sarvo_";
    const std::pair<int, QString> cases[] = {{0, help + "Rus.html"}, // taken without looking
                                             {1, help + "Eng.html"}, {2, help + "Nem.html"},
                                             {3, help + "Eng.html"}, {6, help + "Eng.html"},
                                             {7, QString()}};
    for (const auto& [index, page] : cases)
        EXPECT_EQ(helpFilePath(dir(), index), page) << index;
    activate(3);
    QStringList opened;
    main->setHelpOpener([&](const QString& page) {
        opened << page;
        return true;
    });
    for (const char* item : {"mnu_HelpHelp", "tb_helpHelp", "pm_Help"})
        act(item);
    EXPECT_EQ(opened, QStringList(3, help + "Eng.html"));
    // Each named part and the language line its text comes from.
    const QStringList table =
        QStringLiteral(
            "mnu_File 37 mnu_SaveAsText 38 tb_SaveAsText 38 mnu_Filter 39 tb_Filter 39 mnu_Print "
            "40 tb_Print 40 mnu_Lang 63 mnu_LangRus 64 mnu_LangEng 65 mnu_LangNem 84 mnu_LangFr 85 "
            "mnu_LangIsp 86 mnu_LangItl 87 mnu_LangPol 88 mnu_User 11 mnu_NewUser 12 tb_newUser 12 "
            "mnu_InfoUser 13 tb_infoUser 13 mnu_ChangUser 14 tb_changUser 14 mnu_Hist 15 "
            "mnu_HistGrid 16 tb_histGrid 16 mnu_HistChart 17 tb_histChart 17 mnuDevice 23 "
            "mnu_SelPort 5 tb_selPort 5 mnu_reg 24 tb_reg 24 mnu_SavED 25 mnu_ClearED 77 "
            "mnu_SavMED 26 mnu_Help 34 mnu_HelpHelp 35 tb_helpHelp 35 mnu_HelpAbout 36 mnu_Exit 18 "
            "tb_exit 18 pmnu_XAxis 67 pmnu_Lin 68 pmnu_Log 69 pm_Help 35 pm_Show 91 pm_Exit 18")
            .split(' ');
    for (int i = 0; i < table.size(); i += 2)
        EXPECT_EQ(shown(main.get(), table[i]), "3/" + table[i + 1]) << table[i];
    EXPECT_EQ(main->windowTitle(), "3/1");
    EXPECT_EQ(part<QChartView>("ChartHist")->chart()->title(), "3/73");
    const QAbstractItemModel* model = part<QTableView>("StringGridHist")->model();
    const char* headers[] = {" 3/59", " 3/60", "3/61", "3/62", " 3/28"};
    for (int column = 0; column < 5; ++column)
        EXPECT_EQ(model->headerData(column, Qt::Horizontal), headers[column]);
    // Every toolbar button and item has a name the table above lists, or a text of the
    // program's translations.
    for (QAction* item : part<QToolBar>("ToolBarOsn")->actions())
        EXPECT_TRUE(item->isSeparator() || table.contains(item->objectName()) ||
                    item->objectName() == "tb_doseOverview")
            << item->text();
}

// A pick of a language: the program's texts, Qt's own texts (message-box buttons, the file
// dialog) and the program's translated texts follow it, and it is saved; at start-up the language
// is the one of the settings.
TEST_F(MainTest, LanguagePicks) {
    ASSERT_TRUE(QFile::copy(SARVO_SOURCE_DIR "/Lang.txt", path("Lang.txt")));
    addPerson("Ivanov", "Ivan", "", 0);
    writeSettings(path("no-such-port"), 4);
    {
        ModalScript script;
        script.answer(QMessageBox::Ok);
        SarvoApp app({.singleInstance = false});
        ASSERT_TRUE(app.start());
        ASSERT_TRUE(waitUntil([&] { return script.done(); }));
        EXPECT_EQ(script.seen()[0].buttons, QStringList{"Aceptar"}); // Spanish
    }
    activate(4);
    for (QAction* item : part<QMenu>("mnu_Lang")->actions())
        EXPECT_FALSE(item->isChecked()) << item->objectName();
    histFilter() = HistFilter{true, true, 45000.0, 0, 0, 0};

    act("mnu_LangNem");
    EXPECT_EQ(std::tuple(int(fileBytes("Sarvo.ini").at(5)), int(main->settings().LangIndex),
                         part<QAction>("mnu_LangNem")->isChecked()),
              std::tuple(2, 2, true));
    EXPECT_EQ(main->windowTitle(), "Sarvo - Personendosimetrie");
    // The mapping of every text is checked by EveryTextAndHelp; a few show the language changed.
    EXPECT_EQ(shown(main.get(), "mnu_File") + "|" + shown(main.get(), "tb_selPort"),
              "Datei|Port wählen");
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "Dosimeter-Nr.");
    // The filter is off; its bounds stay.
    EXPECT_TRUE(!histFilter().DateOn && !histFilter().TimeOn && histFilter().DateFrom == 45000.0);
    // A dialog takes the new texts when it next opens.
    ModalScript script;
    script.add([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    act("mnu_SelPort");
    ASSERT_EQ(script.seen().size(), 1u);
    EXPECT_EQ(script.seen()[0].text, "Port wählen");

    const std::tuple<const char*, const char*, const char*, const char*> picks[] = {
        {"mnu_LangFr", "&Non/&Oui", "Enregistrer sous", "Les données sont en cours"},
        {"mnu_LangPol", "&Nie/&Tak", "Zachowaj jako", "Dane są właśnie zmieniane"},
        {"mnu_LangEng", "&No/&Yes", "Save As", "The data are being changed"}};
    for (const auto& [item, buttons, saveAsText, busy] : picks) {
        SCOPED_TRACE(item);
        act(item);
        // The buttons of the question before ED is cleared.
        script.answer(QMessageBox::No);
        act("mnu_ClearED");
        ASSERT_TRUE(waitUntil([&] { return script.done(); }));
        EXPECT_EQ(script.seen().back().buttons.join('/'), buttons);
        EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"), saveAsText);
        EXPECT_TRUE(DataBusyError().text().startsWith(busy)) << DataBusyError().text();
    }

    // Without a settings file a pick only checks its item.
    ASSERT_TRUE(QFile::remove(path("Sarvo.ini")));
    act("mnu_LangNem");
    EXPECT_FALSE(QFile::exists(path("Sarvo.ini")));
    EXPECT_TRUE(part<QAction>("mnu_LangNem")->isChecked() &&
                !part<QAction>("mnu_LangEng")->isChecked());
    EXPECT_EQ(shown(main.get(), "mnu_File"), "File");
}

// The officer's way back from the history table fills the list again, in one step: the same
// rows, the same person selected and named, the header kept.
TEST_F(MainTest, RefillKeepsRowsAndSelection) {
    for (const char* last : {"Ivanov", "Petrov", "Sidorov"})
        addPerson(last, "A", QString(), 0x12);
    activate();
    grid->selectRow(2);
    const auto shown = [this] {
        const int row = main->selectedRow();
        QStringList cells{grid->horizontalHeaderItem(0)->text(), QString::number(row),
                          QString::number(grid->userNoOf(row).value_or(0)), main->panelText(0)};
        for (const PersonListRow& line : grid->listRows())
            cells << line.nameCell + '|' + line.identifierCell;
        return cells;
    };
    const QStringList before = shown();
    QSignalSpy resets(grid->model(), &QAbstractItemModel::modelReset);
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClick(part<QTableView>("StringGridHist"), Qt::Key_Escape);
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(before.mid(1, 4), (QStringList{"2", "3", " Sidorov A ", " Ivanov A |12"}));
}

// Help from the base directory or the installed folder; a missing page, or one no program opens,
// gives a box that names the file. The application's name follows the language; About names the
// build sarvo-tool names, the licence and the installed README.
TEST_F(MainTest, HelpAboutAndDisplayName) {
    const QString share = path("share/sarvo");
    setShareDirectories({share});
    const auto restore = qScopeGuard([] { setShareDirectories({}); });
    activate(1);
    bool opens = true;
    QStringList opened;
    main->setHelpOpener([&](const QString& page) {
        opened << page;
        return opens;
    });
    const struct {
        QString page; // made before Help is chosen
        bool opens;
        QString openedOrBox;
    } cases[] = {
        {QString(), true, "The help page " + path("Help/Sarvo_Eng.html") + " is missing"},
        {share + "/Help/Sarvo_Eng.html", true, share + "/Help/Sarvo_Eng.html"},
        {path("Help/Sarvo_Eng.html"), false,
         "It is the file " + path("Help/Sarvo_Eng.html") + ": a web browser"},
    };
    for (const auto& c : cases) {
        if (!c.page.isEmpty()) {
            ASSERT_TRUE(QDir().mkpath(QFileInfo(c.page).path()));
            ASSERT_TRUE(QFile(c.page).open(QFile::WriteOnly));
        }
        opens = c.opens;
        opened.clear();
        const bool box = !c.openedOrBox.startsWith('/');
        ModalScript script;
        if (box)
            script.answer(QMessageBox::Ok);
        act("mnu_HelpHelp");
        ASSERT_TRUE(waitUntil([&] { return script.done(); }));
        const QString seen = box ? script.boxTexts().value(0) : opened.value(0);
        EXPECT_TRUE(seen.contains(c.openedOrBox)) << seen;
        EXPECT_EQ(opened.size(), c.page.isEmpty() ? 0 : 1);
    }

    act("mnu_LangNem");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "2/1");

    const QString readme = path("share/doc/sarvo/README.md");
    ASSERT_TRUE(QDir().mkpath(path("share/doc/sarvo")) && QFile(readme).open(QFile::WriteOnly));
    QStringList labels;
    ModalScript script;
    script.add(on<TFormAbou>([&](TFormAbou* about) {
        for (const QLabel* label : about->findChildren<QLabel*>())
            labels << label->text();
        child<QPushButton>(about, "BtnOk")->click();
    }));
    act("mnu_HelpAbout");
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    const ToolResult tool = runTool({"--version"}, "C.UTF-8");
    ASSERT_TRUE(tool.out.startsWith("sarvo-tool 1.")) << tool.out;
    // The window speaks German now ("Build %1", "Liesmich:").
    EXPECT_TRUE(labels.contains("Build " + tool.out.mid(11).trimmed())) << labels.join('|');
    EXPECT_TRUE(labels.contains("Liesmich:\n" + readme)) << labels.join('|');
    EXPECT_TRUE(labels.join('|').contains("GNU General Public License"));
    EXPECT_FALSE(labels.join('|').contains("example.org"));
}

// The marked row goes to the top of the list; near its end, where the view stops, every row
// shown is whole and the marked one among them.
TEST(UserListGridTest, MarkedRowWhole) {
    UserListGrid grid;
    std::vector<UserListModel::Person> persons(60);
    grid.setPersons(persons);
    grid.resize(400, grid.rowHeight(0) * 31 + grid.rowHeight(0) / 2 + 40); // a row cut at the foot
    grid.show();
    for (const int row : {0, 40, 59}) {
        grid.setHighlight(row);
        const QRect marked = grid.visualRect(grid.model()->index(row, 0));
        EXPECT_TRUE(grid.viewport()->rect().contains(marked)) << row;
        EXPECT_EQ(grid.rowViewportPosition(grid.rowAt(0)), 0) << row;
        EXPECT_EQ(grid.rowAt(0) == row, row != 59) << row; // 59: near the end
    }
}

} // namespace
} // namespace sarvo::test
