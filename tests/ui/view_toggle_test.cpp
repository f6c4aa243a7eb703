#include "ui_support.h"

#include <QChartView>
#include <QTableView>

namespace sarvo::test {
namespace {

using ViewToggleTest = MainWindowTest;

// The toolbar buttons and menu items each view disables; all are enabled in the list.
struct Expected {
    int state;
    std::vector<const char*> disabled;
};

void expectEnabling(TFormSarvo& main, const Expected& expected) {
    EXPECT_EQ(main.viewState(), expected.state);
    const std::vector<QAction*> all = {
        main.tb_SaveAsText,  main.tb_Filter,     main.tb_Print,      main.tb_newUser,
        main.tb_infoUser,    main.tb_changUser,  main.tb_histGrid,   main.tb_histChart,
        main.tb_reg,         main.tb_selPort,    main.tb_helpHelp,   main.tb_exit,
        main.mnu_SaveAsText, main.mnu_Filter,    main.mnu_Print,     main.mnu_NewUser,
        main.mnu_InfoUser,   main.mnu_ChangUser, main.mnu_HistGrid,  main.mnu_HistChart,
        main.mnu_SelPort,    main.mnu_reg,       main.mnu_SavED,     main.mnu_ClearED,
        main.mnu_SavMED,     main.mnu_HelpHelp,  main.mnu_HelpAbout, main.mnu_Exit};
    for (QAction* item : all) {
        const bool off =
            std::any_of(expected.disabled.begin(), expected.disabled.end(), [&](const char* name) {
                return item->objectName() == QLatin1String(name);
            });
        EXPECT_EQ(item->isEnabled(), !off) << item->objectName().toStdString();
    }
    EXPECT_EQ(main.StringGridUser->isHidden(), expected.state != 0);
    EXPECT_EQ(main.StringGridHist->isHidden(), expected.state != 1);
    EXPECT_EQ(main.ChartHist->isHidden(), expected.state != 2);
}

const Expected kList{0, {}};
const Expected kTable{1,
                      {"tb_newUser", "tb_infoUser", "tb_changUser", "tb_reg", "tb_histChart",
                       "mnu_NewUser", "mnu_InfoUser", "mnu_ChangUser", "mnu_reg", "mnu_HistChart"}};
const Expected kChart{2,
                      {"tb_newUser", "tb_infoUser", "tb_changUser", "tb_reg", "tb_histGrid",
                       "tb_SaveAsText", "mnu_NewUser", "mnu_InfoUser", "mnu_ChangUser", "mnu_reg",
                       "mnu_HistGrid", "mnu_SaveAsText"}};

TEST_F(ViewToggleTest, EachViewDisablesItsCommandsAndTheTogglesLeadBack) {
    addPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QString());
    activate();
    expectEnabling(*main, kList);

    main->tb_histGrid->trigger();
    expectEnabling(*main, kTable);
    main->ToggleHistChart(); // neither its own view nor the list: nothing
    expectEnabling(*main, kTable);
    main->mnu_HistGrid->trigger();
    expectEnabling(*main, kList);

    main->mnu_HistChart->trigger();
    expectEnabling(*main, kChart);
    main->ToggleHistGrid();
    expectEnabling(*main, kChart);
    main->tb_histChart->trigger();
    expectEnabling(*main, kList);
}

TEST_F(ViewToggleTest, TogglesDoNothingOnARowWithoutAPerson) {
    addPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QString());
    activate();
    grid->selectRow(3);
    main->mnu_HistGrid->trigger();
    main->mnu_HistChart->trigger();
    expectEnabling(*main, kList);
}

TEST_F(ViewToggleTest, LeavingTheTableRefillsTheListAndLeavingTheChartDoesNot) {
    addPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QString());
    activate();
    addPerson(QStringLiteral("Petrov"), QStringLiteral("Petr"), QString());
    main->ToggleHistChart();
    main->ToggleHistChart();
    EXPECT_EQ(grid->rowCount(), 1 + 29);
    main->ToggleHistGrid();
    main->ToggleHistGrid();
    EXPECT_EQ(grid->rowCount(), 2 + 29);
    EXPECT_EQ(main->selectedRow(), 0);
}

} // namespace
} // namespace sarvo::test
