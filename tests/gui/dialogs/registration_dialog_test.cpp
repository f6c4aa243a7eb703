#include "gui/support/ui_support.h"

#include "gui/dialogs/form_reg.h"

namespace sarvo::test {
namespace {

using Button = QMessageBox::StandardButton;

class RegistrationDialogTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        addPerson("Ivanov", "Ivan", QString());
        addPerson("Petrov", "Petr", QString());
        activate();
    }
    // Registers `text` to the person in `row` by typing it and pressing Enter; the message
    // boxes that follow get `answers`. Returns their texts.
    QStringList registerAt(int row, const QString& text, const std::vector<Button>& answers) {
        grid->selectRow(row);
        ModalScript script;
        script.add(on<TFormReg>([text](TFormReg* d) {
            EXPECT_EQ(QApplication::focusWidget(), d->EditReg);
            QTest::keyClicks(d->EditReg, text);
            QTest::keyClick(d->EditReg, Qt::Key_Return);
        }));
        for (Button answer : answers)
            script.answer(answer);
        trigger(main.get(), "mnu_reg");
        EXPECT_TRUE(script.done());
        return script.boxTexts();
    }
};

TEST_F(RegistrationDialogTest, SequenceOfRegistrations) {
    const struct {
        int row;
        const char* text;
        std::vector<Button> answers;
        QStringList boxes;
        std::int64_t ivanov, petrov; // the identifiers afterwards
    } steps[] = {
        {0, "ab", {QMessageBox::Ok}, {"1/44"}, 0, 0},
        {0, "G", {QMessageBox::Ok}, {"1/44"}, 0, 0},
        {0, " 12", {QMessageBox::Ok}, {"1/44"}, 0, 0},
        {0, "", {QMessageBox::Ok}, {"1/44"}, 0, 0},
        {0, "12a", {QMessageBox::Ok}, {"1/44"}, 0, 0},
        {0, "1234", {}, {}, 0x1234, 0},
        {1, "1234", {QMessageBox::Ok}, {"1/94"}, 0x1234, 0},
        {0, "1234", {QMessageBox::Ok}, {"1/94"}, 0x1234, 0}, // its holder as well
        {0, "5678", {QMessageBox::No}, {"1/93"}, 0x1234, 0},
        {0, "5678", {QMessageBox::Yes}, {"1/93"}, 0x5678, 0},
        {0, "0", {}, {}, 0, 0}, // removed without a question
        {1, "5678", {}, {}, 0, 0x5678},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(registerAt(step.row, step.text, step.answers), step.boxes) << step.text;
        EXPECT_EQ(store().readUser(0).DosimeterId, step.ivanov) << step.text;
        EXPECT_EQ(store().readUser(1).DosimeterId, step.petrov) << step.text;
        EXPECT_EQ(grid->identifierCell(0), step.ivanov ? QString::number(step.ivanov, 16) : "");
        EXPECT_EQ(main->selectedRow(), step.row);
    }
}

TEST_F(RegistrationDialogTest, CaptionsSixteenCharactersLine43AndAnEmptyFieldEachTime) {
    grid->selectRow(0);
    ModalScript script;
    script.add(on<TFormReg>([](TFormReg* d) {
        EXPECT_EQ(d->windowTitle() + d->LblReg->text(), "1/411/42");
        EXPECT_EQ(d->BtnOk->text() + d->BtnCancel->text(), "1/191/20");
        QTest::keyClicks(d->EditReg, "12345678901234567");
        EXPECT_EQ(d->EditReg->text(), "1234567890123456");
        // A longer text than the field takes is refused by OK with line 43.
        d->EditReg->setMaxLength(32767);
        d->EditReg->setText("12345678901234567");
        d->BtnOk->click();
    }));
    script.answer(QMessageBox::Ok);
    script.add(on<TFormReg>([](TFormReg* d) {
        EXPECT_EQ(d->EditReg->text(), "12345678901234567");
        d->EditReg->setMaxLength(16);
        QTest::keyClick(d->EditReg, Qt::Key_Escape);
    }));
    trigger(main.get(), "mnu_reg");
    ASSERT_TRUE(script.done());
    EXPECT_EQ(script.boxTexts(), QStringList{"1/43"});
    ModalScript again;
    again.add(on<TFormReg>([](TFormReg* d) {
        EXPECT_TRUE(d->EditReg->text().isEmpty());
        EXPECT_EQ(QApplication::focusWidget(), d->EditReg);
        QTest::keyClicks(d->EditReg, "99");
        d->BtnCancel->click();
    }));
    trigger(main.get(), "mnu_reg");
    ASSERT_TRUE(again.done());
    EXPECT_EQ(store().readUser(0).DosimeterId, 0);
}

} // namespace
} // namespace sarvo::test
