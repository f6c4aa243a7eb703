#include "ui_support.h"

#include "views/form_sarvo.h"
#include "views/user_list_grid.h"

#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

namespace sarvo::test {
namespace {

using UserListTest = MainWindowTest;

TEST_F(UserListTest, PersonsThenTwentyNineEmptyRows) {
    addPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QStringLiteral("Ivanovich"),
              0x1234567);
    addPerson(QStringLiteral("Petrov"), QStringLiteral("Petr"), QStringLiteral("Petrovich"));
    addPerson(QStringLiteral("Sidorov"), QStringLiteral("Sidor"), QString(), 0x7);
    activate();

    ASSERT_EQ(grid->rowCount(), 3 + 29);
    EXPECT_EQ(grid->nameCell(0), QStringLiteral(" Ivanov Ivan Ivanovich"));
    EXPECT_EQ(grid->identifierCell(0), QStringLiteral("1234567"));
    EXPECT_EQ(grid->identifierCell(1), QString());
    EXPECT_EQ(grid->nameCell(2), QStringLiteral(" Sidorov Sidor "));
    EXPECT_EQ(grid->identifierCell(2), QStringLiteral("7"));
    for (int row = 3; row < grid->rowCount(); ++row)
        EXPECT_TRUE(grid->nameCell(row).isEmpty() && grid->identifierCell(row).isEmpty()) << row;

    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("  1/27"));
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), QStringLiteral("1/28"));
    EXPECT_EQ(grid->columnWidth(1), 250);
    EXPECT_EQ(grid->columnWidth(0), grid->width() - 250 - 25);
    EXPECT_TRUE(grid->font().bold());
    EXPECT_EQ(grid->font().pixelSize(), 19);
    EXPECT_EQ(main->StatusPanels[0]->width(), 300);
    EXPECT_EQ(main->StatusPanels[2]->width(), 200);
    EXPECT_EQ(main->StatusPanels[1]->width(), main->StatusBarOsn->width() - 510);
    // The first row is selected and named in the status bar.
    EXPECT_EQ(main->selectedRow(), 0);
    EXPECT_EQ(main->panelText(0), QStringLiteral(" Ivanov Ivan Ivanovich"));
}

TEST_F(UserListTest, EmptyUserFile) {
    activate();
    EXPECT_EQ(grid->rowCount(), 29);
    EXPECT_EQ(main->panelText(0), QString());
}

TEST_F(UserListTest, IdentifierWithLettersStopsTheFilling) {
    addPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QString(), 0x12);
    activate();
    addPerson(QStringLiteral("Petrov"), QStringLiteral("Petr"), QString(), 0xAB);
    addPerson(QStringLiteral("Sidorov"), QStringLiteral("Sidor"), QString(), 0x34);
    ModalScript script;
    script.answer(QMessageBox::Ok);
    main->FillUserList();
    EXPECT_EQ(script.boxTexts(),
              QStringList{QStringLiteral("'00000000000000AB' is not a valid integer value")});
    EXPECT_EQ(grid->rowCount(), 1 + 29);
    EXPECT_EQ(grid->identifierCell(0), QStringLiteral("12"));
    EXPECT_TRUE(grid->nameCell(1).isEmpty());
}

TEST_F(UserListTest, EnterAndDoubleClickOpenTheHistoryOnlyForAPerson) {
    addPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QString());
    activate();
    grid->selectRow(0);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(main->viewState(), TFormSarvo::ViewHistGrid);
    EXPECT_TRUE(grid->isHidden());
    QTest::keyClick(main->StringGridHist, Qt::Key_Escape);
    EXPECT_EQ(main->viewState(), TFormSarvo::ViewUserList);
    EXPECT_FALSE(grid->isHidden());

    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(0, 0));
    EXPECT_EQ(main->viewState(), TFormSarvo::ViewHistGrid);
    main->ToggleHistGrid();

    // An empty row: Enter, double click, F3 and F4 do nothing.
    grid->selectRow(4);
    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F3, Qt::Key_F4})
        QTest::keyClick(grid, static_cast<Qt::Key>(key));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(4, 0));
    EXPECT_EQ(main->viewState(), TFormSarvo::ViewUserList);
    EXPECT_FALSE(grid->isHidden());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(UserListTest, MouseReleaseNamesTheRowInTheStatusBarAndTheKeyboardDoesNot) {
    addPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QString());
    addPerson(QStringLiteral("Petrov"), QStringLiteral("Petr"), QString());
    activate();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(1, 1));
    EXPECT_EQ(main->selectedRow(), 1);
    EXPECT_EQ(main->panelText(0), QStringLiteral(" Petrov Petr "));
    QTest::keyClick(grid, Qt::Key_Up);
    EXPECT_EQ(main->selectedRow(), 0);
    EXPECT_EQ(main->panelText(0), QStringLiteral(" Petrov Petr "));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(5, 0));
    EXPECT_EQ(main->panelText(0), QString());
}

TEST_F(UserListTest, GreenFrameAroundTheMarkedNameCellUntilAClick) {
    for (int i = 0; i < 3; ++i)
        addPerson(QStringLiteral("Person%1").arg(i), QStringLiteral("P"), QString());
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
    const QImage after = grid->viewport()->grab().toImage();
    EXPECT_NE(after.pixelColor(marked.topLeft() + QPoint(20, 1)), green);
}

} // namespace
} // namespace sarvo::test
