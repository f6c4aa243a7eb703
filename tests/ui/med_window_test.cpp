#include "ui_support.h"

#include "shell/language.h"
#include "views/form_med.h"

#include <QMenu>
#include <QTableWidget>
#include <QTest>

namespace sarvo::test {
namespace {

using MedWindowTest = UiTest;

TEST_F(MedWindowTest, GridRowsAndCaptions) {
    writeTestLangFile();
    languageStrings().load(dir(), 4);
    TFormMED window;
    EXPECT_FALSE(window.hasLines());
    window.setLine(1, QStringLiteral("2"), QStringLiteral("14.03.2026"), QStringLiteral("09:30"),
                   QStringLiteral("12,05 uSv/h"));
    window.setLine(101, QStringLiteral("x"), QStringLiteral("x"), QString(), QString());
    EXPECT_TRUE(window.hasLines());
    EXPECT_EQ(window.cell(1, 0), QStringLiteral("2"));
    EXPECT_EQ(window.cell(1, 3), QStringLiteral("12,05 uSv/h"));
    EXPECT_EQ(window.StringGridMED->rowCount(), 100);

    ModalScript script;
    script.add([](QWidget* modal) {
        auto* med = qobject_cast<TFormMED*>(modal);
        ASSERT_NE(med, nullptr);
        EXPECT_TRUE(med->unsaved());
        EXPECT_EQ(med->windowTitle(), QStringLiteral("4/82"));
        EXPECT_EQ(med->StringGridMED->horizontalHeaderItem(1)->text(), QStringLiteral("4/59"));
        EXPECT_EQ(med->StringGridMED->horizontalHeaderItem(2)->text(), QStringLiteral("4/60"));
        EXPECT_EQ(med->StringGridMED->horizontalHeaderItem(3)->text(), QStringLiteral("4/80"));
        EXPECT_EQ(med->mnu_MEDFile->title(), QStringLiteral("4/37"));
        EXPECT_EQ(med->mnu_MEDExit->text(), QStringLiteral("4/18"));
        EXPECT_EQ(med->StringGridMED->columnWidth(0), 30);
        // Neither Esc nor the window's close request closes it.
        QTest::keyClick(med, Qt::Key_Escape);
        med->close();
        EXPECT_TRUE(med->isVisible());
        med->mnu_MEDExit->trigger();
    });
    script.answer(QMessageBox::Cancel); // line 81: stays open
    script.add([](QWidget* modal) {
        auto* med = qobject_cast<TFormMED*>(modal);
        ASSERT_NE(med, nullptr);
        med->mnu_MEDExit->trigger();
    });
    script.answer(QMessageBox::No); // line 81: leaves without saving
    window.exec();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(script.boxTexts(), QStringList({QStringLiteral("4/81"), QStringLiteral("4/81")}));

    window.clearLines();
    EXPECT_FALSE(window.hasLines());
    EXPECT_TRUE(window.cell(1, 0).isEmpty());
}

} // namespace
} // namespace sarvo::test
