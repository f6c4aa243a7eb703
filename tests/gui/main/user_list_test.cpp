#include "gui/support/ui_support.h"

#include <QChartView>
#include <QFileSystemWatcher>
#include <QRegularExpression>
#include <QStatusBar>

namespace sarvo::test {
namespace {

using UserListTest = MainWindowTest;

TEST_F(UserListTest, RowsStatusBarKeysAndClicks) {
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
    EXPECT_EQ(grid->columnWidth(1), 250);
    EXPECT_EQ(grid->columnWidth(0), grid->width() - 250 - 25);
    EXPECT_TRUE(grid->font().bold());
    EXPECT_EQ(grid->font().pixelSize(), 19);
    EXPECT_EQ(part<QLabel>("StatusPanel0")->width(), 300);
    EXPECT_EQ(part<QLabel>("StatusPanel2")->width(), 200);
    EXPECT_EQ(part<QLabel>("StatusPanel1")->width(),
              part<QStatusBar>("StatusBarOsn")->width() - 510);
    // The first row is selected and named in the status bar, however the selection moves.
    EXPECT_EQ(main->selectedRow(), 0);
    EXPECT_EQ(main->panelText(0), " Ivanov Ivan Ivanovich");
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(main->selectedRow(), 1);
    EXPECT_EQ(main->panelText(0), " Petrov Petr Petrovich");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(2, 1));
    EXPECT_EQ(main->panelText(0), " Sidorov Sidor ");
    QTest::keyClick(grid, Qt::Key_Up);
    EXPECT_EQ(main->panelText(0), " Petrov Petr Petrovich");

    // Enter and a double click open the history of a person; Esc leads back.
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(main->viewState(), TFormSarvo::ViewHistGrid);
    EXPECT_TRUE(grid->isHidden());
    QTest::keyClick(part<QTableView>("StringGridHist"), Qt::Key_Escape);
    EXPECT_EQ(main->viewState(), TFormSarvo::ViewUserList);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(0, 0));
    EXPECT_EQ(main->viewState(), TFormSarvo::ViewHistGrid);
    act("mnu_HistGrid");
    // An empty row: nothing named; Enter, double click, F3 and F4 do nothing.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(5, 0));
    EXPECT_EQ(main->panelText(0), "");
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F3, Qt::Key_F4})
        QTest::keyClick(grid, key);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(5, 0));
    EXPECT_EQ(main->viewState(), TFormSarvo::ViewUserList);
    EXPECT_FALSE(grid->isHidden());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// A person added by another program reorders the file: the list follows, and the selection
// and the mark stay with their persons.
TEST_F(UserListTest, FollowsTheFile) {
    addPerson("Ivanov", "Ivan", QString());
    addPerson("Sidorov", "Sidor", QString(), 0x34);
    activate();
    QTest::keyClick(grid, Qt::Key_Down);
    grid->setHighlight(1); // a reading of Sidorov's was taken in
    int persons = 2;
    for (const char* last : {"Abramov", "Petrov"}) {
        tool({"add-person", "--last", last, "--first", "A"});
        ++persons;
        ASSERT_TRUE(waitUntil([&] { return grid->rowCount() == persons + 29; })) << last;
    }
    EXPECT_EQ(grid->nameCell(0), " Abramov A ");
    EXPECT_EQ(grid->nameCell(2), " Petrov A ");
    EXPECT_EQ(main->selectedRow(), 3);
    EXPECT_EQ(grid->highlightedRow(), 3);
    EXPECT_EQ(grid->identifierCell(3), "34");
    EXPECT_EQ(main->panelText(0), " Sidorov Sidor ");
    // The file replaced by a rename is still watched.
    EXPECT_TRUE(main->userFileWatcher()->files().contains(path("DB/DataUsers.usr")));
}

// Another program puts a person in front of the selected one, and a command is given before the
// list has followed: every command on the selected row refuses, says so and writes nothing (Clear
// ED used to zero the person now in that row). The list then shows the file, on the same person.
TEST_F(UserListTest, StaleRowRefused) {
    for (const char* last : {"Ivanov", "Petrov"}) {
        const long long index = addPerson(last, "A", QString());
        UserRecord user = store().readUser(index);
        user.ED = 2.5;
        user.MED[0] = "0 05.12 10:00 1,5 uSv/h";
        store().writeUser(index, user);
    }
    activate();
    QTest::keyClick(grid, Qt::Key_Down);
    int added = 0;
    for (const char* command : {"mnu_ClearED", "mnu_SavMED", "mnu_InfoUser", "mnu_ChangUser",
                                "mnu_reg", "tb_histGrid", "tb_histChart"}) {
        SCOPED_TRACE(command);
        tool({"add-person", "--last", QStringLiteral("Aa%1").arg(++added), "--first", "A"});
        const QByteArray before = userFile();
        ModalScript script;
        script.answer(QMessageBox::Ok);
        act(command);
        ASSERT_TRUE(waitUntil([&] { return script.done(); }));
        EXPECT_EQ(script.boxTexts(), QStringList{TFormSarvo::staleRowText()});
        EXPECT_EQ(script.seen().size(), 1u);
        EXPECT_EQ(userFile(), before);
        EXPECT_EQ(main->viewState(), TFormSarvo::ViewUserList);
        EXPECT_EQ(main->selectedRow(), added + 1);
        EXPECT_EQ(main->panelText(0), " Petrov A ");
    }
    // On a list that shows the file, Clear ED zeroes the selected person only.
    ModalScript script;
    script.answer(QMessageBox::Yes);
    act("mnu_ClearED");
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    EXPECT_EQ(script.boxTexts(), QStringList{"1/78"});
    for (const UserRecord& user : store().readUsers())
        EXPECT_EQ(user.ED, user.LN == "Ivanov" ? 2.5 : 0.0) << user.LN.constData();
}

TEST_F(UserListTest, GreenFrame) {
    for (int i = 0; i < 3; ++i)
        addPerson(QStringLiteral("Person%1").arg(i), "P", QString());
    activate();
    grid->setHighlight(1);
    EXPECT_EQ(grid->rowAt(0), 1); // scrolled to the top
    // Green on the frame of the name cell only: not inside it, not on the identifier cell.
    const QImage image = grid->viewport()->grab().toImage();
    const QRect marked = grid->visualRect(grid->model()->index(1, 0));
    const QPoint top = marked.topLeft() + QPoint(20, 1);
    const std::pair<QPoint, bool> points[] = {
        {top, true},
        {marked.bottomLeft() + QPoint(20, -1), true},
        {top + QPoint(0, 2), true},
        {marked.topLeft() + QPoint(1, 8), true},
        {marked.topRight() + QPoint(-1, 8), true},
        {marked.center(), false},
        {grid->visualRect(grid->model()->index(1, 1)).topLeft() + QPoint(20, 1), false}};
    for (const auto& [p, green] : points)
        EXPECT_EQ(image.pixelColor(p) == QColor(0, 128, 0), green) << p.x() << "," << p.y();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(2, 1));
    EXPECT_EQ(grid->highlightedRow(), -1);
    EXPECT_NE(grid->viewport()->grab().toImage().pixelColor(top), QColor(0, 128, 0));
}

using ViewToggleTest = MainWindowTest;

const QStringList kTable = {"tb_newUser",   "tb_infoUser",  "tb_changUser", "tb_reg",
                            "tb_histChart", "mnu_NewUser",  "mnu_InfoUser", "mnu_ChangUser",
                            "mnu_reg",      "mnu_HistChart"};
const QStringList kChart = {"tb_newUser",    "tb_infoUser",   "tb_changUser", "tb_reg",
                            "tb_histGrid",   "tb_SaveAsText", "mnu_NewUser",  "mnu_InfoUser",
                            "mnu_ChangUser", "mnu_reg",       "mnu_HistGrid", "mnu_SaveAsText"};

TEST_F(ViewToggleTest, Views) {
    addPerson("Ivanov", "Ivan", QString());
    activate();
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
    expectView(0);
    act("tb_histGrid");
    expectView(1, kTable);
    act("mnu_HistGrid");
    expectView(0);
    act("mnu_HistChart");
    expectView(2, kChart);
    // Leaving the chart does not fill the list again; leaving the table does.
    addPerson("Petrov", "Petr", QString());
    act("tb_histChart");
    expectView(0);
    EXPECT_EQ(grid->rowCount(), 1 + 29);
    act("mnu_HistGrid");
    act("mnu_HistGrid");
    EXPECT_EQ(grid->rowCount(), 2 + 29);
    EXPECT_EQ(main->selectedRow(), 0);
    // On a row without a person the toggles do nothing.
    grid->selectRow(3);
    act("mnu_HistGrid");
    act("mnu_HistChart");
    expectView(0);
}

} // namespace
} // namespace sarvo::test
