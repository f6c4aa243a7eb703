#include "gui/support/ui_support.h"

#include "gui/dialogs/form_new_user.h"

namespace sarvo::test {
namespace {

QWidget* focus() {
    return QApplication::focusWidget();
}

// Types a text of any letters, one key event each.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

class PersonDialogTest : public MainWindowTest {
protected:
    // Runs `command` with one step for the person dialog; returns the texts of the boxes.
    template <class F> QStringList withDialog(const std::function<void()>& command, F step) {
        ModalScript script;
        script.add(on<TFormNewUser>(step));
        command();
        EXPECT_TRUE(script.done());
        return script.boxTexts();
    }
    void addPersonWithData(const QString& last, std::int64_t identifier) {
        const long long index = addPerson(last, "F", "M", identifier);
        UserRecord user = store().readUser(index);
        user.ED = 2.5;
        user.MED[0] = "0 05.12 10:00 1,5 uSv/h";
        store().writeUser(index, user);
    }
};

TEST_F(PersonDialogTest, LayoutColoursTabOrderEscThenThreeAdditionsByKeysInNameOrder) {
    activate(3);
    const auto newUser = [this] { trigger(main.get(), "mnu_NewUser"); };
    withDialog(newUser, [](TFormNewUser* d) {
        EXPECT_EQ(d->size(), QSize(323, 247));
        EXPECT_FALSE(d->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_EQ(d->PanelTop->palette().color(QPalette::Window), QColor(128, 128, 192));
        EXPECT_EQ(d->PanelBottom->palette().color(QPalette::Window), QColor(128, 128, 192));
        EXPECT_EQ(d->btnOk->text() + d->btnCancel->text(), "3/193/20");
        EXPECT_LT(d->btnOk->x(), d->btnCancel->x());
        // Top to bottom: first name, middle name, last name, department.
        const QLabel* labels[] = {d->LabelFN, d->LabelMN, d->LabelLN, d->LabelDep};
        const QLineEdit* edits[] = {d->EditFN, d->EditMN, d->EditLN, d->EditDep};
        const char* captions[] = {"3/30", "3/31", "3/29", "3/32"};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(labels[i]->text(), captions[i]);
            EXPECT_EQ(labels[i]->width() + edits[i]->width(), 2 * 305);
            EXPECT_TRUE(labels[i]->font().bold() && edits[i]->font().bold());
            EXPECT_EQ(edits[i]->palette().color(QPalette::Base),
                      QApplication::palette().color(QPalette::ToolTipBase));
            EXPECT_TRUE(i == 0 || labels[i]->y() > edits[i - 1]->y());
        }
        // Tab: the fields top to bottom, then OK and Cancel; only the label of the field with
        // the focus is cyan.
        for (QWidget* expected : std::initializer_list<QWidget*>{
                 d->EditFN, d->EditMN, d->EditLN, d->EditDep, d->btnOk, d->btnCancel}) {
            EXPECT_EQ(focus(), expected);
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(TFormNewUser::labelColour(labels[i]),
                          edits[i] == expected ? QColor(0, 255, 255) : QColor(128, 128, 192));
            QTest::keyClick(focus(), Qt::Key_Tab);
        }
        QTest::keyClicks(d->EditLN, "Typed");
        QTest::keyClicks(d->EditFN, "Typed");
        QTest::keyClick(focus(), Qt::Key_Escape);
    });
    EXPECT_EQ(store().userCount(), 0);

    // Each showing starts empty in the first name; the fields in their visual order, Enter after
    // each; the Enter in the department is OK.
    for (const QStringList& person :
         {QStringList{"Sergey", "S", "Sidorov", "Lab 1"}, QStringList{"Ivan", "", "Ivanov", ""},
          QStringList{"Petr", "P", "Petrov", "Lab 3"}})
        EXPECT_TRUE(withDialog(newUser, [person](TFormNewUser* d) {
                        EXPECT_EQ(d->windowTitle(), "3/2");
                        EXPECT_TRUE(d->EditLN->text().isEmpty() && focus() == d->EditFN);
                        EXPECT_EQ(TFormNewUser::labelColour(d->LabelMN), QColor(128, 128, 192));
                        for (const QString& text : person) {
                            QTest::keyClicks(focus(), text);
                            QTest::keyClick(focus(), Qt::Key_Return);
                        }
                    }).isEmpty());
    const std::vector<UserRecord> users = store().readUsers();
    ASSERT_EQ(users.size(), 3u);
    const std::pair<QByteArray, int> expected[] = {{"Ivanov", 2}, {"Petrov", 3}, {"Sidorov", 1}};
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(std::pair(users[i].LN, int(users[i].UserNo)), expected[i]);
    EXPECT_EQ(users[2].Dep, "Lab 1");
    EXPECT_EQ(grid->nameCell(0), " Ivanov Ivan ");
    EXPECT_EQ(grid->nameCell(2), " Sidorov Sergey S");
    EXPECT_EQ(grid->rowCount(), 3 + 29);
}

TEST_F(PersonDialogTest, ShowIsReadOnlyThenChangeRefusesAMissingFirstNameWithLine33) {
    addPerson("Ivanov", "Ivan", "Ivanovich");
    activate();
    const QByteArray before = userFile();
    grid->selectRow(0);
    withDialog([this] { QTest::keyClick(grid, Qt::Key_F3); },
               [](TFormNewUser* d) {
                   EXPECT_EQ(d->windowTitle(), "1/3");
                   EXPECT_EQ(d->EditMN->text(), "Ivanovich");
                   for (QLineEdit* edit : {d->EditFN, d->EditMN, d->EditLN, d->EditDep})
                       EXPECT_TRUE(edit->isReadOnly());
                   QTest::keyClicks(focus(), "xyz");
                   EXPECT_EQ(d->EditFN->text(), "Ivan");
                   d->btnOk->click();
               });
    EXPECT_EQ(userFile(), before);

    ModalScript script;
    script.add(on<TFormNewUser>([](TFormNewUser* d) {
        EXPECT_EQ(d->windowTitle(), "1/4");
        EXPECT_FALSE(d->EditFN->isReadOnly());
        d->EditFN->clear();
        d->EditLN->setText("Petrov");
        // Enter in the department field with a name missing does nothing.
        d->EditDep->setFocus();
        QTest::keyClick(d->EditDep, Qt::Key_Return);
        EXPECT_TRUE(d->isVisible());
        d->btnOk->click();
    }));
    script.answer(QMessageBox::Ok); // line 33; the dialog stays with the text as typed
    script.add(on<TFormNewUser>([](TFormNewUser* d) {
        EXPECT_EQ(d->EditLN->text(), "Petrov");
        d->btnCancel->click();
    }));
    trigger(main.get(), "mnu_ChangUser");
    ASSERT_TRUE(script.done());
    EXPECT_EQ(script.boxTexts(), QStringList{"1/33"});
    EXPECT_EQ(userFile(), before);
    EXPECT_EQ(grid->nameCell(0), " Ivanov Ivan Ivanovich");
}

// The change from Z to A moves the person with their data, and a reading stored while the
// dialog is open is kept.
TEST_F(PersonDialogTest, ChangeFromZToAMovesThePersonWithTheirDataAndAReadingInBetween) {
    addPerson("Borisov", "Boris", QString());
    addPersonWithData("Zaitsev", 0x4321);
    activate();
    grid->selectRow(1);
    withDialog([this] { QTest::keyClick(grid, Qt::Key_F4); },
               [this](TFormNewUser* d) {
                   UserRecord user = store().readUser(1);
                   user.ED = 3.25;
                   user.MED[1] = "1 05.12 10:10 1,7 uSv/h";
                   store().writeUser(1, user);
                   EXPECT_EQ(d->EditDep->text(), "Lab");
                   QTest::keyClick(focus(), Qt::Key_Return);
                   QTest::keyClick(focus(), Qt::Key_Return);
                   EXPECT_EQ(focus(), d->EditLN);
                   EXPECT_EQ(d->EditLN->text(), "Zaitsev");
                   QTest::keyClick(focus(), Qt::Key_A, Qt::ControlModifier);
                   QTest::keyClicks(focus(), "Abramov");
                   d->btnOk->click();
               });
    EXPECT_EQ(grid->nameCell(0), " Abramov F M");
    EXPECT_EQ(grid->identifierCell(0), "4321");
    EXPECT_EQ(grid->nameCell(1), " Borisov Boris ");
    // The changed person stays selected in their new place.
    EXPECT_EQ(main->selectedRow(), 0);
    EXPECT_EQ(main->panelText(0), " Abramov F M");
    const UserRecord top = store().readUser(0);
    EXPECT_EQ(std::pair(int(top.UserNo), top.DosimeterId), std::pair(2, std::int64_t{0x4321}));
    EXPECT_EQ(top.ED, 3.25);
    EXPECT_EQ(top.MED[0], "0 05.12 10:00 1,5 uSv/h");
    EXPECT_EQ(top.MED[1], "1 05.12 10:10 1,7 uSv/h");
}

// A field takes 20 characters. Letters the person file cannot hold are named in a question: No
// goes back to that field, Yes stores them as "?".
TEST_F(PersonDialogTest, TwentyCharactersAndAQuestionAboutLettersTheFileCannotHold) {
    activate();
    ModalScript script;
    script.add(on<TFormNewUser>([](TFormNewUser* d) {
        QTest::keyClicks(d->EditFN, "John");
        QTest::keyClick(d->EditFN, Qt::Key_Tab);
        QTest::keyClicks(focus(), "Robert");
        QTest::keyClick(focus(), Qt::Key_Tab);
        typeText(focus(), "Müller-Żółkiewski-Schwarzenberg");
        EXPECT_EQ(d->EditLN->text(), "Müller-Żółkiewski-Sc");
        d->EditDep->setFocus();
        d->btnOk->click();
    }));
    script.answer(QMessageBox::No);
    script.add(on<TFormNewUser>([](TFormNewUser* d) {
        EXPECT_EQ(d->focusWidget(), d->EditLN);
        QTest::keyClick(d->EditDep, Qt::Key_Return);
    }));
    script.answer(QMessageBox::Yes);
    trigger(main.get(), "mnu_NewUser");
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    const QString question = TFormNewUser::unstorableText("1/29", "üŻół");
    EXPECT_EQ(script.boxTexts(), QStringList({question, question}));
    const std::vector<UserRecord> users = store().readUsers();
    ASSERT_EQ(users.size(), 1u);
    EXPECT_EQ(
        std::tuple(users[0].FN, users[0].MN, users[0].LN),
        std::tuple(QByteArray("John"), QByteArray("Robert"), QByteArray("M?ller-???kiewski-Sc")));
}

TEST_F(PersonDialogTest, EmptyRowDoesNothingAndClearingDoseRateLinesAsksLine89) {
    addPersonWithData("Ivanov", 0x1234);
    activate();
    grid->selectRow(5);
    const QByteArray before = userFile();
    {
        ModalScript none; // gone before the boxes below
        trigger(main.get(), "mnu_InfoUser");
        trigger(main.get(), "mnu_ChangUser");
        trigger(main.get(), "mnu_reg");
        trigger(main.get(), "mnu_SavMED");
        QTest::keyClick(grid, Qt::Key_F3);
        QTest::keyClick(grid, Qt::Key_F4);
        EXPECT_TRUE(none.seen().empty());
    }
    EXPECT_EQ(userFile(), before);

    grid->selectRow(0);
    for (QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
        EXPECT_EQ(store().readUser(0).MED[0], "0 05.12 10:00 1,5 uSv/h");
        ModalScript script;
        script.answer(answer);
        trigger(main.get(), "mnu_SavMED");
        ASSERT_TRUE(script.done());
        EXPECT_EQ(script.boxTexts(), QStringList{"1/89"});
    }
    const UserRecord user = store().readUser(0);
    for (const QByteArray& line : user.MED)
        EXPECT_TRUE(line.isEmpty());
    EXPECT_EQ(std::pair(user.ED, user.DosimeterId), std::pair(2.5, std::int64_t{0x1234}));
}

} // namespace
} // namespace sarvo::test
