#include "gui/support/ui_support.h"

#include "core/store/store_error.h"
#include "core/text/hist_filter.h"
#include "gui/common/help_file.h"

#include <QChartView>
#include <QToolBar>

namespace sarvo::test {
namespace {

using CaptionsTest = MainWindowTest;

// The text a part of the main window shows: a menu's title, a toolbar button's hint, an item's
// text.
QString shown(const QObject* main, const QString& name) {
    if (name.startsWith("tb_"))
        return child<QAction>(main, name)->toolTip();
    if (auto* menu = main->findChild<QMenu*>(name))
        return menu->title();
    return child<QAction>(main, name)->text();
}

TEST_F(CaptionsTest, GermanPick) {
    copyLangFile();
    activate(1);
    const QList<QAction*> languages = part<QMenu>("mnu_Lang")->actions();
    for (QAction* item : languages)
        EXPECT_FALSE(item->isChecked()) << item->objectName();
    histFilter().DateOn = histFilter().TimeOn = true;
    histFilter().DateFrom = 45000.0;

    act("mnu_LangNem");
    EXPECT_EQ(static_cast<int>(fileBytes("Sarvo.ini").at(5)), 2);
    EXPECT_EQ(main->settings().LangIndex, 2);
    EXPECT_TRUE(part<QAction>("mnu_LangNem")->isChecked());
    EXPECT_EQ(main->windowTitle(), "Sarvo - Personendosimetrie");
    // The mapping of every text is checked by EveryText; a few show the language has changed.
    EXPECT_EQ(shown(main.get(), "mnu_File") + "|" + shown(main.get(), "tb_selPort"),
              QString::fromUtf8("Datei|Port wählen"));
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "Dosimeter-Nr.");
    // The filter is off; its bounds stay.
    EXPECT_FALSE(histFilter().DateOn || histFilter().TimeOn);
    EXPECT_EQ(histFilter().DateFrom, 45000.0);
    // A dialog takes the new texts when it next opens.
    ModalScript script;
    script.add([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    act("mnu_SelPort");
    ASSERT_EQ(script.seen().size(), 1u);
    EXPECT_EQ(script.seen()[0].text, "Port wählen");

    // Without a settings file a pick only checks its item.
    ASSERT_TRUE(QFile::remove(path("Sarvo.ini")));
    act("mnu_LangEng");
    EXPECT_FALSE(QFile::exists(path("Sarvo.ini")));
    EXPECT_TRUE(part<QAction>("mnu_LangEng")->isChecked());
    EXPECT_FALSE(part<QAction>("mnu_LangNem")->isChecked());
    EXPECT_EQ(shown(main.get(), "mnu_File"), "Datei");
}

TEST_F(CaptionsTest, EveryText) {
    activate(3);
    // Each named part and the language line its text comes from.
    const QStringList table =
        QStringLiteral(
            "mnu_File 37 mnu_SaveAsText 38 tb_SaveAsText 38 mnu_Filter 39 tb_Filter 39 mnu_Print "
            "40 "
            "tb_Print 40 mnu_Lang 63 mnu_LangRus 64 mnu_LangEng 65 mnu_LangNem 84 mnu_LangFr 85 "
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
    const char* headers[] = {" 3/59", " 3/60", "3/61", "3/62", " 3/28"};
    const QAbstractItemModel* model = part<QTableView>("StringGridHist")->model();
    for (int column = 0; column < 5; ++column)
        EXPECT_EQ(model->headerData(column, Qt::Horizontal), headers[column]);
    // Every toolbar button and item has a name the table above lists.
    for (QAction* item : part<QToolBar>("ToolBarOsn")->actions())
        EXPECT_TRUE(item->isSeparator() || table.contains(item->objectName())) << item->text();
}

TEST_F(CaptionsTest, HelpPage) {
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
    for (const char* item : {"mnu_HelpHelp", "tb_helpHelp", "pm_Help"})
        act(item);
    EXPECT_EQ(opened, QStringList(3, help + "Eng.html"));
}

// Qt's own texts (message-box buttons, the file dialog) and the program's translated texts are
// in the language of the settings at start-up and follow each pick.
TEST_F(CaptionsTest, QtTranslations) {
    copyLangFile();
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
    const std::tuple<const char*, const char*, const char*, const char*> picks[] = {
        {"mnu_LangFr", "&Non/&Oui", "Enregistrer sous", "Les données sont en cours"},
        {"mnu_LangPol", "&Nie/&Tak", "Zachowaj jako", "Dane są właśnie zmieniane"},
        {"mnu_LangEng", "&No/&Yes", "Save As", "The data are being changed"}};
    for (const auto& [item, buttons, saveAsText, busy] : picks) {
        SCOPED_TRACE(item);
        act(item);
        // The buttons of the question before ED is cleared.
        ModalScript script;
        script.answer(QMessageBox::No);
        act("mnu_ClearED");
        ASSERT_TRUE(waitUntil([&] { return script.done(); }));
        EXPECT_EQ(script.seen()[0].buttons.join('/'), QString::fromUtf8(buttons));
        EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"),
                  QString::fromUtf8(saveAsText));
        EXPECT_TRUE(DataBusyError().text().startsWith(QString::fromUtf8(busy)))
            << DataBusyError().text();
    }
}

} // namespace
} // namespace sarvo::test
