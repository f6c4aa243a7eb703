#include "gui/support/ui_support.h"

#include "gui/dialogs/form_reg.h"

namespace sarvo::test {
namespace {

using Button = QMessageBox::StandardButton;

QLineEdit* field(const QWidget* dialog) {
    return child<QLineEdit>(dialog, "EditReg");
}
// Each showing starts empty, with the focus in the field.
void expectEmptyField(const QWidget* dialog) {
    EXPECT_TRUE(field(dialog)->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), field(dialog));
}

class RegistrationDialogTest : public MainWindowTest {
protected:
    // Opens the dialog on the person in `row`: `step` acts in it, the boxes that follow get
    // `answers`. Returns their texts.
    QStringList registerAt(int row, const ModalScript::Step& step,
                           const std::vector<Button>& answers) {
        grid->selectRow(row);
        ModalScript script;
        script.add(step);
        for (Button answer : answers)
            script.answer(answer);
        trigger(main.get(), "mnu_reg");
        EXPECT_TRUE(script.done());
        return script.boxTexts();
    }
};

TEST_F(RegistrationDialogTest, SequenceOfRegistrations) {
    addPerson("Ivanov", "Ivan", QString());
    addPerson("Petrov", "Petr", QString());
    activate();
    const struct {
        int row;
        const char* text;
        std::vector<Button> answers;
        QStringList boxes;
        std::int64_t ivanov, petrov; // the identifiers afterwards
    } steps[] = {
        {0, "12a", {QMessageBox::Ok}, {"1/44"}, 0, 0},
        {0, "", {QMessageBox::Ok}, {"1/44"}, 0, 0},
        {0, "1234", {}, {}, 0x1234, 0},
        {1, "1234", {QMessageBox::Ok}, {"1/94"}, 0x1234, 0},
        {0, "1234", {QMessageBox::Ok}, {"1/94"}, 0x1234, 0}, // its holder as well
        {0, "5678", {QMessageBox::No}, {"1/93"}, 0x1234, 0},
        {0, "5678", {QMessageBox::Yes}, {"1/93"}, 0x5678, 0},
        {0, "0", {}, {}, 0, 0}, // removed without a question
        {1, "5678", {}, {}, 0, 0x5678},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.text);
        const QString text = step.text;
        const auto typeAndEnter = on<TFormReg>([text](TFormReg* d) {
            expectEmptyField(d);
            QTest::keyClicks(field(d), text);
            QTest::keyClick(field(d), Qt::Key_Return);
        });
        EXPECT_EQ(registerAt(step.row, typeAndEnter, step.answers), step.boxes);
        EXPECT_EQ(store().readUser(0).DosimeterId, step.ivanov);
        EXPECT_EQ(store().readUser(1).DosimeterId, step.petrov);
        EXPECT_EQ(grid->identifierCell(0), step.ivanov ? QString::number(step.ivanov, 16) : "");
        EXPECT_EQ(main->selectedRow(), step.row);
    }

    // The field takes 16 characters; Esc and Cancel store nothing.
    const auto escape = on<TFormReg>([](TFormReg* d) {
        QTest::keyClicks(field(d), "12345678901234567");
        EXPECT_EQ(field(d)->text(), "1234567890123456");
        QTest::keyClick(field(d), Qt::Key_Escape);
    });
    const auto cancel = on<TFormReg>([](TFormReg* d) {
        expectEmptyField(d);
        QTest::keyClicks(field(d), "99");
        child<QPushButton>(d, "BtnCancel")->click();
    });
    for (const ModalScript::Step& step : {escape, cancel})
        EXPECT_TRUE(registerAt(1, step, {}).isEmpty());
    EXPECT_EQ(store().readUser(1).DosimeterId, 0x5678);
}

} // namespace
} // namespace sarvo::test
