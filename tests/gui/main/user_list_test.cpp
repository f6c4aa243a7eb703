#include "gui/support/ui_support.h"

#include "tool/run_tool.h"

#include <QFileSystemWatcher>
#include <QStatusBar>

namespace sarvo::test {
namespace {

using UserListTest = MainWindowTest;

TEST_F(UserListTest, PersonsThenTwentyNineEmptyRowsAndTheStatusBar) {
    addPerson("Ivanov", "Ivan", "Ivanovich", 0x1234567);
    addPerson("Petrov", "Petr", "Petrovich");
    addPerson("Sidorov", "Sidor", QString(), 0x7);
    activate();
    ASSERT_EQ(grid->rowCount(), 3 + 29);
    const QStringList cells[] = {{" Ivanov Ivan Ivanovich", "1234567"},
                                 {" Petrov Petr Petrovich", ""},
                                 {" Sidorov Sidor ", "7"}};
    for (int row = 0; row < grid->rowCount(); ++row)
        EXPECT_EQ((QStringList{grid->nameCell(row), grid->identifierCell(row)}),
                  (row < 3 ? cells[row] : QStringList{"", ""}));
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text() + grid->horizontalHeaderItem(1)->text(),
              "  1/271/28");
    EXPECT_EQ(grid->columnWidth(1), 250);
    EXPECT_EQ(grid->columnWidth(0), grid->width() - 250 - 25);
    EXPECT_TRUE(grid->font().bold());
    EXPECT_EQ(grid->font().pixelSize(), 19);
    EXPECT_EQ(main->StatusPanels[0]->width(), 300);
    EXPECT_EQ(main->StatusPanels[2]->width(), 200);
    EXPECT_EQ(main->StatusPanels[1]->width(), main->StatusBarOsn->width() - 510);
    // The first row is selected and named in the status bar.
    EXPECT_EQ(main->selectedRow(), 0);
    EXPECT_EQ(main->panelText(0), " Ivanov Ivan Ivanovich");
    // The status bar names the selected row however the selection moves: keys and the mouse.
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(main->selectedRow(), 1);
    EXPECT_EQ(main->panelText(0), " Petrov Petr Petrovich");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(2, 1));
    EXPECT_EQ(main->panelText(0), " Sidorov Sidor ");
    QTest::keyClick(grid, Qt::Key_Up);
    EXPECT_EQ(main->panelText(0), " Petrov Petr Petrovich");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(5, 0));
    EXPECT_EQ(main->panelText(0), "");
}

// Identifiers with hexadecimal letters are shown as the command-line tool lists them, and the
// persons after them are listed too.
TEST_F(UserListTest, IdentifierWithLettersIsShownAsTheToolListsIt) {
    addPerson("Ivanov", "Ivan", QString(), 0x12);
    addPerson("Petrov", "Petr", QString(), 0x00AB00000000CDEFLL);
    addPerson("Sidorov", "Sidor", QString(), 0x34);
    activate();
    const ToolResult listed = runTool({"persons", "--csv", "--dir", dir()}, "C.UTF-8");
    ASSERT_EQ(listed.code, 0) << listed.err;
    const QStringList lines = listed.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(grid->rowCount(), 3 + 29);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(grid->identifierCell(row), lines[row + 1].section(',', 6, 6));
    EXPECT_EQ(grid->identifierCell(1), "AB00000000CDEF");
}

// A person added by another program reorders the file: the list follows, and the selection
// stays with the person who was selected.
TEST_F(UserListTest, FileReorderedByAnotherProgramIsFollowedAndTheSelectionKept) {
    addPerson("Ivanov", "Ivan", QString());
    addPerson("Sidorov", "Sidor", QString(), 0x34);
    activate();
    QTest::keyClick(grid, Qt::Key_Down);
    ASSERT_EQ(main->panelText(0), " Sidorov Sidor ");
    grid->setHighlight(1); // a reading of Sidorov's was taken in
    int persons = 2;
    for (const char* last : {"Abramov", "Petrov"}) {
        const ToolResult added =
            runTool({"add-person", "--last", last, "--first", "A", "--dir", dir()}, "C.UTF-8");
        ASSERT_EQ(added.code, 0) << added.err;
        ++persons;
        ASSERT_TRUE(waitUntil([&] { return grid->rowCount() == persons + 29; }));
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
TEST_F(UserListTest, CommandOnAStaleRowRefusesAndWritesNothing) {
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
    for (QAction* command :
         {main->mnu_ClearED, main->mnu_SavMED, main->mnu_InfoUser, main->mnu_ChangUser,
          main->mnu_reg, main->tb_histGrid, main->tb_histChart}) {
        const ToolResult tool =
            runTool({"add-person", "--last", QStringLiteral("Aa%1").arg(++added), "--first", "A",
                     "--dir", dir()},
                    "C.UTF-8");
        ASSERT_EQ(tool.code, 0) << tool.err;
        const QByteArray before = userFile();
        ModalScript script;
        script.answer(QMessageBox::Ok);
        command->trigger();
        ASSERT_TRUE(waitUntil([&] { return script.done(); }));
        EXPECT_EQ(script.boxTexts(), QStringList{TFormSarvo::staleRowText()})
            << command->objectName();
        EXPECT_EQ(script.seen().size(), 1u);
        EXPECT_EQ(userFile(), before);
        EXPECT_EQ(main->viewState(), TFormSarvo::ViewUserList);
        EXPECT_EQ(main->selectedRow(), added + 1);
        EXPECT_EQ(main->panelText(0), " Petrov A ");
    }
    // On a list that shows the file, Clear ED zeroes the selected person only.
    ModalScript script;
    script.answer(QMessageBox::Yes);
    main->mnu_ClearED->trigger();
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    EXPECT_EQ(script.boxTexts(), QStringList{"1/78"});
    for (const UserRecord& user : store().readUsers())
        EXPECT_EQ(user.ED, user.LN == "Ivanov" ? 2.5 : 0.0) << user.LN.constData();
}

TEST_F(UserListTest, EnterAndDoubleClickOpenTheHistoryOnlyForAPerson) {
    addPerson("Ivanov", "Ivan", QString());
    activate();
    grid->selectRow(0);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(main->viewState(), TFormSarvo::ViewHistGrid);
    EXPECT_TRUE(grid->isHidden());
    QTest::keyClick(main->StringGridHist, Qt::Key_Escape);
    EXPECT_EQ(main->viewState(), TFormSarvo::ViewUserList);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(0, 0));
    EXPECT_EQ(main->viewState(), TFormSarvo::ViewHistGrid);
    main->ToggleHistGrid();
    // An empty row: Enter, double click, F3 and F4 do nothing.
    grid->selectRow(4);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F3, Qt::Key_F4})
        QTest::keyClick(grid, key);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(4, 0));
    EXPECT_EQ(main->viewState(), TFormSarvo::ViewUserList);
    EXPECT_FALSE(grid->isHidden());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(UserListTest, GreenFrameAroundTheMarkedNameCellUntilAClick) {
    for (int i = 0; i < 3; ++i)
        addPerson(QStringLiteral("Person%1").arg(i), "P", QString());
    activate();
    grid->setHighlight(1);
    EXPECT_EQ(grid->rowAt(0), 1); // scrolled to the top
    const QImage image = grid->viewport()->grab().toImage();
    const QRect marked = grid->visualRect(grid->model()->index(1, 0));
    const QRect identifier = grid->visualRect(grid->model()->index(1, 1));
    const QColor green(0, 128, 0);
    for (const QPoint& p : {marked.topLeft() + QPoint(20, 1), marked.bottomLeft() + QPoint(20, -1),
                            marked.topLeft() + QPoint(1, 8), marked.topRight() + QPoint(-1, 8),
                            marked.topLeft() + QPoint(20, 3)})
        EXPECT_EQ(image.pixelColor(p), green) << p.x() << "," << p.y();
    EXPECT_NE(image.pixelColor(marked.center()), green);
    EXPECT_NE(image.pixelColor(identifier.topLeft() + QPoint(20, 1)), green);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(2, 1));
    EXPECT_EQ(grid->highlightedRow(), -1);
    EXPECT_NE(grid->viewport()->grab().toImage().pixelColor(marked.topLeft() + QPoint(20, 1)),
              green);
}

} // namespace
} // namespace sarvo::test
