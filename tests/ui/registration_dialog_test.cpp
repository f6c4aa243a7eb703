#include "ui_support.h"

#include "link/form_reg.h"
#include "store/store.h"
#include "views/form_sarvo.h"
#include "views/user_list_grid.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace sarvo::test {
namespace {

class RegistrationDialogTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        addPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QString());
        addPerson(QStringLiteral("Petrov"), QStringLiteral("Petr"), QString());
        activate();
    }
    // Registers `text` to the person in `row` by typing it and pressing Enter; the message
    // boxes that follow get `answers`. Returns their texts.
    QStringList registerAt(int row, const QString& text,
                           std::initializer_list<QMessageBox::StandardButton> answers = {}) {
        grid->selectRow(row);
        ModalScript script;
        script.add([text](QWidget* modal) {
            auto* d = qobject_cast<TFormReg*>(modal);
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(QApplication::focusWidget(), d->EditReg);
            QTest::keyClicks(d->EditReg, text);
            QTest::keyClick(d->EditReg, Qt::Key_Return);
        });
        for (QMessageBox::StandardButton answer : answers)
            script.answer(answer);
        main->mnu_regClick();
        EXPECT_TRUE(script.done());
        return script.boxTexts();
    }
    std::int64_t idAt(long long index) const {
        return Store(dir().toStdString()).readUser(index).DosimeterId;
    }
};

TEST_F(RegistrationDialogTest, RegisterThenRefuseForAnyoneIncludingTheHolder) {
    EXPECT_TRUE(registerAt(0, QStringLiteral("1234")).isEmpty());
    EXPECT_EQ(idAt(0), 0x1234);
    EXPECT_EQ(grid->identifierCell(0), QStringLiteral("1234"));
    EXPECT_EQ(main->selectedRow(), 0);

    EXPECT_EQ(registerAt(1, QStringLiteral("1234"), {QMessageBox::Ok}),
              QStringList{QStringLiteral("1/94")});
    EXPECT_EQ(idAt(1), 0);
    EXPECT_EQ(registerAt(0, QStringLiteral("1234"), {QMessageBox::Ok}),
              QStringList{QStringLiteral("1/94")});
    EXPECT_EQ(idAt(0), 0x1234);
}

TEST_F(RegistrationDialogTest, ReplacementAsksLine93) {
    registerAt(0, QStringLiteral("1234"));
    EXPECT_EQ(registerAt(0, QStringLiteral("5678"), {QMessageBox::No}),
              QStringList{QStringLiteral("1/93")});
    EXPECT_EQ(idAt(0), 0x1234);
    EXPECT_EQ(registerAt(0, QStringLiteral("5678"), {QMessageBox::Yes}),
              QStringList{QStringLiteral("1/93")});
    EXPECT_EQ(idAt(0), 0x5678);
    EXPECT_EQ(grid->identifierCell(0), QStringLiteral("5678"));
}

TEST_F(RegistrationDialogTest, ZeroRemovesWithoutAQuestion) {
    registerAt(0, QStringLiteral("1234"));
    EXPECT_TRUE(registerAt(0, QStringLiteral("0")).isEmpty());
    EXPECT_EQ(idAt(0), 0);
    EXPECT_EQ(grid->identifierCell(0), QString());
    EXPECT_TRUE(registerAt(1, QStringLiteral("1234")).isEmpty());
    EXPECT_EQ(idAt(1), 0x1234);
}

TEST_F(RegistrationDialogTest, TextsThatAreNoDosimeterNumber) {
    const QByteArray before = fileBytes(QStringLiteral("DB/DataUsers.usr"));
    for (const QString& text : {QStringLiteral("ab"), QStringLiteral("G"), QStringLiteral(" 12"),
                                QString(), QStringLiteral("12a")})
        EXPECT_EQ(registerAt(0, text, {QMessageBox::Ok}), QStringList{QStringLiteral("1/44")})
            << text.toStdString();
    EXPECT_EQ(fileBytes(QStringLiteral("DB/DataUsers.usr")), before);
}

TEST_F(RegistrationDialogTest, FieldTakesSixteenCharactersAndOkChecksTheLength) {
    grid->selectRow(0);
    ModalScript script;
    script.add([](QWidget* modal) {
        auto* d = qobject_cast<TFormReg*>(modal);
        ASSERT_NE(d, nullptr);
        QTest::keyClicks(d->EditReg, QStringLiteral("12345678901234567"));
        EXPECT_EQ(d->EditReg->text(), QStringLiteral("1234567890123456"));
        // A longer text than the field takes is refused by OK with line 43.
        d->EditReg->setMaxLength(32767);
        d->EditReg->setText(QStringLiteral("12345678901234567"));
        d->BtnOk->click();
    });
    script.answer(QMessageBox::Ok);
    script.add([](QWidget* modal) {
        auto* d = qobject_cast<TFormReg*>(modal);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->EditReg->text(), QStringLiteral("12345678901234567"));
        d->EditReg->setMaxLength(16);
        d->BtnCancel->click();
    });
    main->mnu_regClick();
    ASSERT_TRUE(script.done());
    EXPECT_EQ(script.boxTexts(), QStringList{QStringLiteral("1/43")});
    EXPECT_EQ(idAt(0), 0);
}

TEST_F(RegistrationDialogTest, CaptionsEmptyFieldEachTimeAndCancel) {
    grid->selectRow(0);
    // One script per showing: the dialog is the same window each time.
    ModalScript first;
    first.add([](QWidget* modal) {
        auto* d = qobject_cast<TFormReg*>(modal);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), QStringLiteral("1/41"));
        EXPECT_EQ(d->LblReg->text(), QStringLiteral("1/42"));
        EXPECT_EQ(d->BtnOk->text(), QStringLiteral("1/19"));
        EXPECT_EQ(d->BtnCancel->text(), QStringLiteral("1/20"));
        QTest::keyClicks(d->EditReg, QStringLiteral("99"));
        QTest::keyClick(d->EditReg, Qt::Key_Escape);
    });
    main->mnu_regClick();
    ASSERT_TRUE(first.done());
    ModalScript second;
    second.add([](QWidget* modal) {
        auto* d = qobject_cast<TFormReg*>(modal);
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->EditReg->text().isEmpty());
        EXPECT_EQ(QApplication::focusWidget(), d->EditReg);
        QTest::keyClicks(d->EditReg, QStringLiteral("99"));
        d->BtnCancel->click();
    });
    main->mnu_regClick();
    ASSERT_TRUE(second.done());
    EXPECT_TRUE(first.boxTexts().isEmpty() && second.boxTexts().isEmpty());
    EXPECT_EQ(idAt(0), 0);
}

} // namespace
} // namespace sarvo::test
