#include "gui/support/ui_support.h"

#include "core/store/store_error.h"
#include "core/text/hist_filter.h"
#include "gui/common/help_file.h"

#include <QActionGroup>
#include <QChart>

namespace sarvo::test {
namespace {

using CaptionsTest = MainWindowTest;

TEST_F(CaptionsTest, GermanPickIsStoredCheckedAndShownAtOnce) {
    copyLangFile();
    activate(1);
    EXPECT_EQ(main->mnu_File->title(), "File");
    for (QAction* item : main->langGroup->actions())
        EXPECT_FALSE(item->isChecked());
    histFilter().DateOn = histFilter().TimeOn = true;
    histFilter().DateFrom = 45000.0;

    main->mnu_LangNem->trigger();
    EXPECT_EQ(static_cast<int>(fileBytes("Sarvo.ini").at(5)), 2);
    EXPECT_EQ(main->settings().LangIndex, 2);
    EXPECT_TRUE(main->mnu_LangNem->isChecked());
    EXPECT_EQ(main->windowTitle(), "Sarvo - Personendosimetrie");
    const std::pair<QString, const char*> german[] = {
        {main->mnu_File->title(), "Datei"},
        {main->mnu_NewUser->text(), "Neue Person"},
        {main->tb_newUser->toolTip(), "Neue Person"},
        {grid->horizontalHeaderItem(0)->text(), "  Name"},
        {grid->horizontalHeaderItem(1)->text(), "Dosimeter-Nr."},
        {main->tb_selPort->toolTip(), "Port wählen"}};
    for (const auto& [shown, text] : german)
        EXPECT_EQ(shown, QString::fromUtf8(text));
    // The filter is off; its bounds stay.
    EXPECT_FALSE(histFilter().DateOn || histFilter().TimeOn);
    EXPECT_EQ(histFilter().DateFrom, 45000.0);
    // A dialog takes the new texts when it next opens.
    ModalScript script;
    script.add(
        on<TFormSelPort>([](TFormSelPort* d) { child<QPushButton>(d, "BtnCancel")->click(); }));
    main->mnu_SelPortClick();
    ASSERT_EQ(script.seen().size(), 1u);
    EXPECT_EQ(script.seen()[0].text, "Port wählen");

    // Without a settings file a pick only checks its item.
    ASSERT_TRUE(QFile::remove(path("Sarvo.ini")));
    main->mnu_LangEng->trigger();
    EXPECT_FALSE(QFile::exists(path("Sarvo.ini")));
    EXPECT_TRUE(main->mnu_LangEng->isChecked());
    EXPECT_FALSE(main->mnu_LangNem->isChecked());
    EXPECT_EQ(main->mnu_File->title(), "Datei");
}

TEST_F(CaptionsTest, EveryMainWindowTextComesFromItsLine) {
    activate(3);
    TFormSarvo& m = *main;
    // Each text shown, and the language line it comes from.
    const QString shown[] = {m.windowTitle(),           m.mnu_File->title(),
                             m.mnu_SaveAsText->text(),  m.tb_SaveAsText->toolTip(),
                             m.mnu_Filter->text(),      m.tb_Filter->toolTip(),
                             m.mnu_Print->text(),       m.tb_Print->toolTip(),
                             m.mnu_Lang->title(),       m.mnu_LangRus->text(),
                             m.mnu_LangEng->text(),     m.mnu_LangNem->text(),
                             m.mnu_LangFr->text(),      m.mnu_LangIsp->text(),
                             m.mnu_LangItl->text(),     m.mnu_LangPol->text(),
                             m.mnu_User->title(),       m.mnu_NewUser->text(),
                             m.tb_newUser->toolTip(),   m.mnu_InfoUser->text(),
                             m.tb_infoUser->toolTip(),  m.mnu_ChangUser->text(),
                             m.tb_changUser->toolTip(), m.mnu_Hist->title(),
                             m.mnu_HistGrid->text(),    m.tb_histGrid->toolTip(),
                             m.mnu_HistChart->text(),   m.tb_histChart->toolTip(),
                             m.mnuDevice->title(),      m.mnu_SelPort->text(),
                             m.tb_selPort->toolTip(),   m.mnu_reg->text(),
                             m.tb_reg->toolTip(),       m.mnu_SavED->text(),
                             m.mnu_ClearED->text(),     m.mnu_SavMED->text(),
                             m.mnu_Help->title(),       m.mnu_HelpHelp->text(),
                             m.tb_helpHelp->toolTip(),  m.mnu_HelpAbout->text(),
                             m.mnu_Exit->text(),        m.tb_exit->toolTip(),
                             m.pmnu_XAxis->title(),     m.pmnu_Lin->text(),
                             m.pmnu_Log->text(),        m.pm_Help->text(),
                             m.pm_Show->text(),         m.pm_Exit->text(),
                             m.ChartHistChart->title()};
    const int lines[] = {1,  37, 38, 38, 39, 39, 40, 40, 63, 64, 65, 84, 85, 86, 87, 88, 11,
                         12, 12, 13, 13, 14, 14, 15, 16, 16, 17, 17, 23, 5,  5,  24, 24, 25,
                         77, 26, 34, 35, 35, 36, 18, 18, 67, 68, 69, 35, 91, 18, 73};
    ASSERT_EQ(std::size(shown), std::size(lines));
    for (std::size_t i = 0; i < std::size(shown); ++i)
        EXPECT_EQ(shown[i], QStringLiteral("3/%1").arg(lines[i])) << lines[i];
    const char* headers[] = {" 3/59", " 3/60", "3/61", "3/62", " 3/28"};
    for (int column = 0; column < 5; ++column)
        EXPECT_EQ(m.StringGridHist->model()->headerData(column, Qt::Horizontal), headers[column]);
}

TEST_F(CaptionsTest, HelpPageOfTheLanguageWithEnglishInPlaceOfAMissingOne) {
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

    activate(5);
    QStringList opened;
    main->setHelpOpener([&](const QString& page) { opened << page; });
    main->mnu_HelpHelpClick();
    main->pm_Help->trigger();
    EXPECT_EQ(opened, QStringList(2, help + "Eng.html"));
}

// Qt's own texts (message-box buttons, the file dialog) and the program's translated texts are
// in the language of the settings at start-up and follow each pick.
TEST_F(CaptionsTest, QtAndProgramTranslationsFollowTheLanguage) {
    copyLangFile();
    addPerson("Ivanov", "Ivan", "", 0);
    writeSettings(path("no-such-port"), 4);
    QString okText;
    {
        ModalScript script;
        script.add([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            okText = box->button(QMessageBox::Ok)->text();
            box->button(QMessageBox::Ok)->click();
        });
        SarvoApp app({.singleInstance = false});
        ASSERT_TRUE(app.start());
        ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    }
    EXPECT_EQ(okText, "Aceptar"); // Spanish

    activate(4);
    // The buttons of the question before ED is cleared.
    auto yesNo = [this] {
        QString texts;
        ModalScript script;
        script.add([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            texts =
                box->button(QMessageBox::Yes)->text() + "/" + box->button(QMessageBox::No)->text();
            box->button(QMessageBox::No)->click();
        });
        main->mnu_ClearED->trigger();
        EXPECT_TRUE(waitUntil([&] { return script.done(); }));
        return texts;
    };
    const std::tuple<QAction*, const char*, const char*, const char*> picks[] = {
        {main->mnu_LangFr, "&Oui/&Non", "Enregistrer sous", "Les données sont en cours"},
        {main->mnu_LangPol, "&Tak/&Nie", "Zachowaj jako", "Dane są właśnie zmieniane"},
        {main->mnu_LangEng, "&Yes/&No", "Save As", "The data are being changed"}};
    for (const auto& [item, buttons, saveAs, busy] : picks) {
        item->trigger();
        EXPECT_EQ(yesNo(), QString::fromUtf8(buttons));
        EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"), QString::fromUtf8(saveAs));
        EXPECT_TRUE(DataBusyError().text().startsWith(QString::fromUtf8(busy)))
            << DataBusyError().text();
    }
}

} // namespace
} // namespace sarvo::test
