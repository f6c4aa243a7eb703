#include "ui_support.h"

#include "link/form_sel_port.h"
#include "shell/help_file.h"
#include "shell/language.h"
#include "views/hist_filter.h"

#include <QActionGroup>
#include <QChart>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

namespace sarvo::test {
namespace {

using CaptionsTest = MainWindowTest;

TEST_F(CaptionsTest, GermanPickIsStoredCheckedAndShownAtOnce) {
    copyLangFile();
    activate(1);
    EXPECT_EQ(main->mnu_File->title(), QStringLiteral("File"));
    for (QAction* item : main->langGroup->actions())
        EXPECT_FALSE(item->isChecked());
    histFilter().DateOn = true;
    histFilter().TimeOn = true;
    histFilter().DateFrom = 45000.0;

    main->mnu_LangNem->trigger();

    EXPECT_EQ(static_cast<int>(fileBytes(QStringLiteral("Sarvo.ini")).at(5)), 2);
    EXPECT_EQ(main->settings().LangIndex, 2);
    EXPECT_TRUE(main->mnu_LangNem->isChecked());
    EXPECT_FALSE(main->mnu_LangEng->isChecked());
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Sarvo - Personendosimetrie"));
    EXPECT_EQ(main->mnu_File->title(), QStringLiteral("Datei"));
    EXPECT_EQ(main->mnu_User->title(), QStringLiteral("Personen"));
    EXPECT_EQ(main->mnu_NewUser->text(), QStringLiteral("Neue Person"));
    EXPECT_EQ(main->tb_newUser->toolTip(), QStringLiteral("Neue Person"));
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("  Name"));
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Dosimeter-Nr."));
    EXPECT_EQ(main->mnu_SelPort->text(), QStringLiteral("Port wählen"));
    EXPECT_EQ(main->tb_selPort->toolTip(), QStringLiteral("Port wählen"));
    // The filter is off; its bounds stay.
    EXPECT_FALSE(histFilter().DateOn);
    EXPECT_FALSE(histFilter().TimeOn);
    EXPECT_EQ(histFilter().DateFrom, 45000.0);

    // A dialog takes the new texts when it next opens.
    ModalScript script;
    script.add([](QWidget* modal) {
        auto* dialog = qobject_cast<TFormSelPort*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->BtnCancel->click();
    });
    main->mnu_SelPortClick();
    ASSERT_EQ(script.seen().size(), 1u);
    EXPECT_EQ(script.seen()[0].text, QStringLiteral("Port wählen"));
}

TEST_F(CaptionsTest, PickWithoutSettingsFileChecksTheItemOnly) {
    copyLangFile();
    activate(1);
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("Sarvo.ini"))));
    main->mnu_LangNem->trigger();
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("Sarvo.ini"))));
    EXPECT_TRUE(main->mnu_LangNem->isChecked());
    EXPECT_EQ(main->mnu_File->title(), QStringLiteral("File"));
}

TEST_F(CaptionsTest, EveryMainWindowTextComesFromItsLine) {
    activate(3);
    struct Caption {
        QString shown;
        int line;
    };
    const Caption captions[] = {
        {main->windowTitle(), 1},
        {main->mnu_File->title(), 37},
        {main->mnu_SaveAsText->text(), 38},
        {main->tb_SaveAsText->toolTip(), 38},
        {main->mnu_Filter->text(), 39},
        {main->tb_Filter->toolTip(), 39},
        {main->mnu_Print->text(), 40},
        {main->tb_Print->toolTip(), 40},
        {main->mnu_Lang->title(), 63},
        {main->mnu_LangRus->text(), 64},
        {main->mnu_LangEng->text(), 65},
        {main->mnu_LangNem->text(), 84},
        {main->mnu_LangFr->text(), 85},
        {main->mnu_LangIsp->text(), 86},
        {main->mnu_LangItl->text(), 87},
        {main->mnu_LangPol->text(), 88},
        {main->mnu_User->title(), 11},
        {main->mnu_NewUser->text(), 12},
        {main->tb_newUser->toolTip(), 12},
        {main->mnu_InfoUser->text(), 13},
        {main->tb_infoUser->toolTip(), 13},
        {main->mnu_ChangUser->text(), 14},
        {main->tb_changUser->toolTip(), 14},
        {main->mnu_Hist->title(), 15},
        {main->mnu_HistGrid->text(), 16},
        {main->tb_histGrid->toolTip(), 16},
        {main->mnu_HistChart->text(), 17},
        {main->tb_histChart->toolTip(), 17},
        {main->mnuDevice->title(), 23},
        {main->mnu_SelPort->text(), 5},
        {main->tb_selPort->toolTip(), 5},
        {main->mnu_reg->text(), 24},
        {main->tb_reg->toolTip(), 24},
        {main->mnu_SavED->text(), 25},
        {main->mnu_ClearED->text(), 77},
        {main->mnu_SavMED->text(), 26},
        {main->mnu_Help->title(), 34},
        {main->mnu_HelpHelp->text(), 35},
        {main->tb_helpHelp->toolTip(), 35},
        {main->mnu_HelpAbout->text(), 36},
        {main->mnu_Exit->text(), 18},
        {main->tb_exit->toolTip(), 18},
        {main->pmnu_XAxis->title(), 67},
        {main->pmnu_Lin->text(), 68},
        {main->pmnu_Log->text(), 69},
        {main->pm_Help->text(), 35},
        {main->pm_Show->text(), 91},
        {main->pm_Exit->text(), 18},
        {main->ChartHistChart->title(), 73},
    };
    for (const Caption& caption : captions)
        EXPECT_EQ(caption.shown, QStringLiteral("3/%1").arg(caption.line)) << caption.line;

    const auto* model = main->StringGridHist->model();
    const QString headers[5] = {QStringLiteral(" 3/59"), QStringLiteral(" 3/60"),
                                QStringLiteral("3/61"), QStringLiteral("3/62"),
                                QStringLiteral(" 3/28")};
    for (int column = 0; column < 5; ++column)
        EXPECT_EQ(model->headerData(column, Qt::Horizontal).toString(), headers[column]);
}

TEST_F(CaptionsTest, HelpPageOfTheLanguageWithEnglishInPlaceOfAMissingOne) {
    QDir(dir()).mkdir(QStringLiteral("Help"));
    for (const char* name : {"Sarvo_Eng.html", "Sarvo_Nem.html"}) {
        QFile page(path(QStringLiteral("Help/") + QLatin1String(name)));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    }
    const QString help = dir() + QStringLiteral("/Help/");
    const struct {
        int index;
        QString page;
    } cases[] = {
        {0, help + QStringLiteral("Sarvo_Rus.html")}, // taken without looking
        {1, help + QStringLiteral("Sarvo_Eng.html")},
        {2, help + QStringLiteral("Sarvo_Nem.html")},
        {3, help + QStringLiteral("Sarvo_Eng.html")},
        {6, help + QStringLiteral("Sarvo_Eng.html")},
        {7, QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(helpFilePath(dir(), c.index), c.page) << c.index;

    activate(5);
    QStringList opened;
    main->setHelpOpener([&](const QString& page) { opened << page; });
    main->mnu_HelpHelpClick();
    main->pm_Help->trigger();
    EXPECT_EQ(opened, QStringList(2, help + QStringLiteral("Sarvo_Eng.html")));
}

} // namespace
} // namespace sarvo::test
