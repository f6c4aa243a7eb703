#include "gui/support/ui_support.h"

#include <QChartView>

namespace sarvo::test {
namespace {

using ViewToggleTest = MainWindowTest;

// The view shown and the toolbar buttons and menu items it disables; the list disables none.
void expectView(TFormSarvo& main, int state, const QStringList& disabled = {}) {
    EXPECT_EQ(main.viewState(), state);
    for (QAction* item :
         {main.tb_SaveAsText,  main.tb_Filter,     main.tb_Print,      main.tb_newUser,
          main.tb_infoUser,    main.tb_changUser,  main.tb_histGrid,   main.tb_histChart,
          main.tb_reg,         main.tb_selPort,    main.tb_helpHelp,   main.tb_exit,
          main.mnu_SaveAsText, main.mnu_Filter,    main.mnu_Print,     main.mnu_NewUser,
          main.mnu_InfoUser,   main.mnu_ChangUser, main.mnu_HistGrid,  main.mnu_HistChart,
          main.mnu_SelPort,    main.mnu_reg,       main.mnu_SavED,     main.mnu_ClearED,
          main.mnu_SavMED,     main.mnu_HelpHelp,  main.mnu_HelpAbout, main.mnu_Exit})
        EXPECT_EQ(item->isEnabled(), !disabled.contains(item->objectName())) << item->objectName();
    EXPECT_EQ(main.StringGridUser->isHidden(), state != 0);
    EXPECT_EQ(main.StringGridHist->isHidden(), state != 1);
    EXPECT_EQ(main.ChartHist->isHidden(), state != 2);
}

const QStringList kTable = {"tb_newUser",   "tb_infoUser",  "tb_changUser", "tb_reg",
                            "tb_histChart", "mnu_NewUser",  "mnu_InfoUser", "mnu_ChangUser",
                            "mnu_reg",      "mnu_HistChart"};
const QStringList kChart = {"tb_newUser",    "tb_infoUser",   "tb_changUser", "tb_reg",
                            "tb_histGrid",   "tb_SaveAsText", "mnu_NewUser",  "mnu_InfoUser",
                            "mnu_ChangUser", "mnu_reg",       "mnu_HistGrid", "mnu_SaveAsText"};

TEST_F(ViewToggleTest, EachViewDisablesItsCommandsAndTheTogglesLeadBack) {
    addPerson("Ivanov", "Ivan", QString());
    activate();
    expectView(*main, 0);
    main->tb_histGrid->trigger();
    expectView(*main, 1, kTable);
    main->ToggleHistChart(); // neither its own view nor the list: nothing
    expectView(*main, 1, kTable);
    main->mnu_HistGrid->trigger();
    expectView(*main, 0);
    main->mnu_HistChart->trigger();
    expectView(*main, 2, kChart);
    main->ToggleHistGrid();
    expectView(*main, 2, kChart);
    // Leaving the chart does not fill the list again; leaving the table does.
    addPerson("Petrov", "Petr", QString());
    main->tb_histChart->trigger();
    expectView(*main, 0);
    EXPECT_EQ(grid->rowCount(), 1 + 29);
    main->ToggleHistGrid();
    main->ToggleHistGrid();
    EXPECT_EQ(grid->rowCount(), 2 + 29);
    EXPECT_EQ(main->selectedRow(), 0);
    // On a row without a person the toggles do nothing.
    grid->selectRow(3);
    main->mnu_HistGrid->trigger();
    main->mnu_HistChart->trigger();
    expectView(*main, 0);
}

} // namespace
} // namespace sarvo::test
