#include "gui/support/ui_support.h"

#include <QChartView>
#include <QRegularExpression>

namespace sarvo::test {
namespace {

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
