// The dose-rate log window: its grid, its save, print and exit.
#include "gui/support/ui_support.h"

#include "core/text/language.h"
#include "gui/main/form_med.h"
#include "gui/print/form_print.h"

#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>

namespace sarvo::test {
namespace {

// The window with an entry of a reading of Ivanov Ivan Petrovich, in language 4.
class MedWindowTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        writeTestLangFile();
        languageStrings().load(dir(), 4);
        UserRecord person;
        person.setTexts("Ivanov", "Ivan", "Petrovich", "Lab");
        window.setPerson(person);
        window.setPrintWindow(&print);
        window.setLine(1, "2", "14.03.2026", "09:30", "12,05 uSv/h");
    }
    TFormPrint print;
    TFormMED window;
};

TEST_F(MedWindowTest, CaptionsPrintoutEsc) {
    window.setLine(2, "12", "14.03.2026", "09:40", "0,2 uSv/h");
    window.setLine(101, "x", "x", QString(), QString());
    EXPECT_EQ(window.cell(1, 3), QStringLiteral("12,05 uSv/h"));
    EXPECT_EQ(child<QTableWidget>(&window, "StringGridMED")->rowCount(), 100);
    ModalScript script;
    script.add([](QWidget* modal) {
        auto* med = qobject_cast<TFormMED*>(modal);
        ASSERT_NE(med, nullptr);
        EXPECT_EQ(med->windowTitle(), QStringLiteral("4/82"));
        auto* grid = child<QTableWidget>(med, "StringGridMED");
        EXPECT_EQ(grid->horizontalHeaderItem(3)->text(), QStringLiteral("4/80"));
        EXPECT_EQ(child<QMenu>(med, "mnu_MEDFile")->title(), QStringLiteral("4/37"));
        EXPECT_EQ(grid->columnWidth(0), 30);
        // Esc asks as File -> Exit does (Cancel: it stays); the close request does nothing.
        QTest::keyClick(med, Qt::Key_Escape);
        med->close();
        EXPECT_TRUE(med->isVisible());
        trigger(med, "mnu_MEDPrint");
    });
    script.answer(QMessageBox::Cancel); // line 81 after Esc
    // The printout: a one-digit number right-aligned under the number's column.
    script.add([](QWidget* modal) {
        auto* window = qobject_cast<TFormPrint*>(modal);
        ASSERT_NE(window, nullptr);
        const QString text = child<QTextEdit>(window, "RichEditPrint")->toPlainText();
        EXPECT_TRUE(text.contains(" 4/82. 4/83 Ivanov Ivan Petrovich")) << text.toStdString();
        EXPECT_TRUE(text.contains("\n   2  14.03.2026") && text.contains("\n  12  14.03.2026"));
        child<QPushButton>(window, "btnPrn_Cancel")->click();
    });
    script.add([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    script.answer(QMessageBox::No); // line 81: leaves without saving
    window.exec();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(script.boxTexts(), (QStringList{"4/81", "4/81"}));
    window.clearLines();
    EXPECT_FALSE(window.hasLines());
}

// A failed save keeps the window open, a cancelled one closes it without a file; a saved log
// closes without a question.
TEST_F(MedWindowTest, Save) {
    // A name that leads into a folder that is not there.
    ASSERT_TRUE(QFile::link(path("missing/log.txt"), path("log.txt")));
    ModalScript script;
    script.add([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    script.answer(QMessageBox::Yes); // line 81
    script.add(saveAs(path("log.txt")));
    script.answer(QMessageBox::Ok); // the failure
    script.add([](QWidget* modal) { trigger(modal, "mnu_MEDExit"); });
    script.answer(QMessageBox::Yes); // line 81 again, then no file chosen: the window closes
    script.add([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    ASSERT_TRUE(script.done());
    EXPECT_EQ(script.boxTexts(), (QStringList{"4/81", "File not found", "4/81"}));
    EXPECT_TRUE(window.unsaved());
    EXPECT_FALSE(QFile::exists(path("missing")));

    script.add([](QWidget* modal) { trigger(modal, "mnu_MEDSaveAs"); });
    script.add(saveAs(path("saved"), {"Text file (*.txt)", "Any file (*)"}));
    script.add([](QWidget* modal) { trigger(modal, "mnu_MEDExit"); });
    window.exec();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(script.boxTexts().size(), 3);
    EXPECT_FALSE(window.unsaved());
    const QList<QByteArray> lines = fileBytes("saved.txt").split('\n');
    ASSERT_EQ(lines.size(), 7); // six lines and the end of the last
    EXPECT_EQ(lines[1], " 4/82. 4/83 Ivanov Ivan Petrovich\r");
    EXPECT_EQ(lines[3].left(10), "  \xB9   4/59");
    EXPECT_EQ(lines[5].simplified(), "2 14.03.2026 09:30 12,05 uSv/h");
    EXPECT_EQ(lines[5].size(), 66);
}

} // namespace
} // namespace sarvo::test
