#include "gui/support/ui_support.h"

#include "gui/dialogs/form_reg.h"

namespace sarvo::test {
namespace {

using Button = QMessageBox::StandardButton;

class RegistrationDialogTest : public MainWindowTest {
protected:
    // Opens the dialog on the person in `row`, types `keys` and ends with `end` (Enter unless
    // given); the boxes that follow get `answers`. Returns their texts.
    QStringList registerAt(int row, const QString& keys, const std::vector<Button>& answers,
                           const std::function<void(QLineEdit*)>& end = {}) {
        grid->selectRow(row);
        ModalScript script;
        script.add(on<TFormReg>([&](TFormReg* d) {
            auto* field = child<QLineEdit>(d, "EditReg");
            // Each showing starts empty, with the focus in the field.
            EXPECT_TRUE(field->text().isEmpty() && QApplication::focusWidget() == field);
            QTest::keyClicks(field, keys);
            end ? end(field) : QTest::keyClick(field, Qt::Key_Return);
        }));
        for (Button answer : answers)
            script.answer(answer);
        act("mnu_reg");
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
        EXPECT_EQ(registerAt(step.row, step.text, step.answers), step.boxes);
        EXPECT_EQ(store().readUser(0).DosimeterId, step.ivanov);
        EXPECT_EQ(store().readUser(1).DosimeterId, step.petrov);
        EXPECT_EQ(grid->identifierCell(0), step.ivanov ? QString::number(step.ivanov, 16) : "");
        EXPECT_EQ(main->selectedRow(), step.row);
    }

    // The field takes 16 characters; Esc and Cancel store nothing.
    EXPECT_TRUE(registerAt(1, "12345678901234567", {}, [](QLineEdit* field) {
                    EXPECT_EQ(field->text(), "1234567890123456");
                    QTest::keyClick(field, Qt::Key_Escape);
                }).isEmpty());
    EXPECT_TRUE(registerAt(1, "99", {}, [](QLineEdit* field) {
                    child<QPushButton>(field->window(), "BtnCancel")->click();
                }).isEmpty());
    EXPECT_EQ(store().readUser(1).DosimeterId, 0x5678);
}

} // namespace
} // namespace sarvo::test
