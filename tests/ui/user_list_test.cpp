#include "ui_support.h"

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
    // A mouse release names the row in the status bar; the keyboard does not.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(1, 1));
    EXPECT_EQ(main->selectedRow(), 1);
    QTest::keyClick(grid, Qt::Key_Up);
    EXPECT_EQ(main->selectedRow(), 0);
    EXPECT_EQ(main->panelText(0), " Petrov Petr Petrovich");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(5, 0));
    EXPECT_EQ(main->panelText(0), "");
}

TEST_F(UserListTest, IdentifierWithLettersStopsTheFilling) {
    addPerson("Ivanov", "Ivan", QString(), 0x12);
    activate();
    addPerson("Petrov", "Petr", QString(), 0xAB);
    addPerson("Sidorov", "Sidor", QString(), 0x34);
    ModalScript script;
    script.answer(QMessageBox::Ok);
    main->FillUserList();
    EXPECT_EQ(script.boxTexts(), QStringList{"'00000000000000AB' is not a valid integer value"});
    EXPECT_EQ(grid->rowCount(), 1 + 29);
    EXPECT_EQ(grid->identifierCell(0), "12");
    EXPECT_TRUE(grid->nameCell(1).isEmpty());
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
