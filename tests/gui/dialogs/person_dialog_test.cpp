#include "gui/support/ui_support.h"

#include "gui/dialogs/form_new_user.h"

namespace sarvo::test {
namespace {

QWidget* focus() {
    return QApplication::focusWidget();
}
QLineEdit* edit(const QWidget* dialog, const QString& name) {
    return child<QLineEdit>(dialog, "Edit" + name);
}
// Replaces the text of a field by keys.
void retype(QLineEdit* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    for (const QChar c : text) // any letter, one key event each
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

class PersonDialogTest : public MainWindowTest {
protected:
    // Runs `command` with one step for the person dialog; returns the texts of the boxes.
    QStringList withDialog(const std::function<void()>& command,
                           const std::function<void(TFormNewUser*)>& step) {
        ModalScript script;
        script.add(on<TFormNewUser>(step));
        command();
        EXPECT_TRUE(script.done());
        return script.boxTexts();
    }
};

TEST_F(PersonDialogTest, AddByKeysInNameOrder) {
    activate(3);
    const auto newUser = [this] { act("mnu_NewUser"); };
    // No close box; Esc stores nothing.
    withDialog(newUser, [](TFormNewUser* d) {
        EXPECT_FALSE(d->windowFlags() & Qt::WindowCloseButtonHint);
        retype(edit(d, "LN"), "Typed");
        QTest::keyClick(focus(), Qt::Key_Escape);
    });
    EXPECT_EQ(store().userCount(), 0);

    // Each showing starts empty in the first name. The fields top to bottom: first name, middle
    // name, last name, department, Enter after each (the last one is OK); only the label of the
    // field with the focus is cyan.
    for (const QStringList& person :
         {QStringList{"Sergey", "S", "Sidorov", "Lab 1"}, QStringList{"Ivan", "", "Ivanov", ""},
          QStringList{"Petr", "P", "Petrov", "Lab 3"}})
        EXPECT_TRUE(withDialog(newUser, [person](TFormNewUser* d) {
                        EXPECT_EQ(d->windowTitle(), "3/2");
                        EXPECT_TRUE(edit(d, "LN")->text().isEmpty());
                        const QStringList names{"FN", "MN", "LN", "Dep"};
                        for (int i = 0; i < 4; ++i) {
                            EXPECT_EQ(focus(), edit(d, names[i]));
                            EXPECT_TRUE(i == 0 || child<QLabel>(d, "Label" + names[i])->y() >
                                                      edit(d, names[i - 1])->y());
                            for (int k = 0; k < 4; ++k)
                                EXPECT_EQ(
                                    TFormNewUser::labelColour(child<QLabel>(d, "Label" + names[k])),
                                    k == i ? QColor(0, 255, 255) : QColor(128, 128, 192));
                            QTest::keyClicks(focus(), person[i]);
                            QTest::keyClick(focus(), Qt::Key_Return);
                        }
                    }).isEmpty());

    // A field takes 20 characters. Letters the person file cannot hold are named in a question:
    // No goes back to that field, Yes stores them as "?".
    ModalScript script;
    script.add(on<TFormNewUser>([](TFormNewUser* d) {
        retype(edit(d, "FN"), "John");
        retype(edit(d, "MN"), "Robert");
        retype(edit(d, "LN"), "Müller-Żółkiewski-Schwarzenberg");
        EXPECT_EQ(edit(d, "LN")->text(), "Müller-Żółkiewski-Sc");
        QTest::keyClick(focus(), Qt::Key_Tab);
        child<QPushButton>(d, "btnOk")->click();
    }));
    script.answer(QMessageBox::No);
    script.add(on<TFormNewUser>([](TFormNewUser* d) {
        EXPECT_EQ(d->focusWidget(), edit(d, "LN"));
        QTest::keyClick(edit(d, "Dep"), Qt::Key_Return);
    }));
    script.answer(QMessageBox::Yes);
    newUser();
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    EXPECT_EQ(script.boxTexts(), QStringList(2, TFormNewUser::unstorableText("3/29", "üŻół")));

    QStringList stored;
    for (const UserRecord& user : store().readUsers())
        stored << QStringList{user.LN, user.FN, user.MN, user.Dep, QString::number(user.UserNo)}
                      .join(' ');
    EXPECT_EQ(stored, (QStringList{"Ivanov Ivan   2", "M?ller-???kiewski-Sc John Robert  4",
                                   "Petrov Petr P Lab 3 3", "Sidorov Sergey S Lab 1 1"}));
    EXPECT_EQ(grid->nameCell(0) + grid->nameCell(3), " Ivanov Ivan  Sidorov Sergey S");
}

// On an empty row the person commands do nothing; on a person, Show is read-only and Change
// refuses a missing first name with line 33. The change from Z to A moves the person with their
// data, and a reading stored while the dialog is open is kept. Clearing the dose-rate lines asks
// line 89 and keeps the dose.
TEST_F(PersonDialogTest, ShowAndChange) {
    addPerson("Borisov", "Boris", QString());
    addPerson("Ivanov", "Ivan", "Ivanovich");
    UserRecord zaitsev = store().readUser(addPerson("Zaitsev", "F", "M", 0x4321));
    zaitsev.MED[0] = "0 05.12 10:00 1,5 uSv/h";
    store().writeUser(2, zaitsev);
    activate();
    const QByteArray before = userFile();
    grid->selectRow(5);
    {
        ModalScript none;
        for (const char* action : {"mnu_InfoUser", "mnu_ChangUser", "mnu_reg", "mnu_SavMED"})
            act(action);
        QTest::keyClick(grid, Qt::Key_F3);
        QTest::keyClick(grid, Qt::Key_F4);
        EXPECT_TRUE(none.seen().empty());
    }
    grid->selectRow(1);
    withDialog([this] { QTest::keyClick(grid, Qt::Key_F3); },
               [](TFormNewUser* d) {
                   EXPECT_EQ(d->windowTitle(), "1/3");
                   EXPECT_EQ(edit(d, "MN")->text(), "Ivanovich");
                   for (const char* name : {"FN", "MN", "LN", "Dep"})
                       EXPECT_TRUE(edit(d, name)->isReadOnly()) << name;
                   QTest::keyClicks(focus(), "xyz");
                   EXPECT_EQ(edit(d, "FN")->text(), "Ivan");
                   child<QPushButton>(d, "btnOk")->click();
               });
    EXPECT_EQ(userFile(), before);

    {
        ModalScript script;
        script.add(on<TFormNewUser>([](TFormNewUser* d) {
            EXPECT_EQ(d->windowTitle(), "1/4");
            retype(edit(d, "FN"), "");
            retype(edit(d, "LN"), "Petrov");
            // Enter in the department field with a name missing does nothing.
            QTest::keyClick(focus(), Qt::Key_Tab);
            QTest::keyClick(focus(), Qt::Key_Return);
            EXPECT_TRUE(d->isVisible());
            child<QPushButton>(d, "btnOk")->click();
        }));
        script.answer(QMessageBox::Ok); // line 33; the dialog stays with the text as typed
        script.add(on<TFormNewUser>([](TFormNewUser* d) {
            EXPECT_EQ(edit(d, "LN")->text(), "Petrov");
            child<QPushButton>(d, "btnCancel")->click();
        }));
        act("mnu_ChangUser");
        ASSERT_TRUE(script.done());
        EXPECT_EQ(script.boxTexts(), QStringList{"1/33"});
    }
    EXPECT_EQ(userFile(), before);

    grid->selectRow(2);
    withDialog([this] { QTest::keyClick(grid, Qt::Key_F4); },
               [this](TFormNewUser* d) {
                   UserRecord user = store().readUser(2);
                   user.ED = 3.25;
                   user.MED[1] = "1 05.12 10:10 1,7 uSv/h";
                   store().writeUser(2, user);
                   EXPECT_EQ(edit(d, "Dep")->text(), "Lab");
                   QTest::keyClick(focus(), Qt::Key_Return);
                   QTest::keyClick(focus(), Qt::Key_Return);
                   EXPECT_EQ(focus(), edit(d, "LN"));
                   retype(edit(d, "LN"), "Abramov");
                   child<QPushButton>(d, "btnOk")->click();
               });
    EXPECT_EQ(grid->nameCell(0) + grid->identifierCell(0) + grid->nameCell(1),
              " Abramov F M4321 Borisov Boris ");
    // The changed person stays selected in their new place.
    EXPECT_EQ(std::pair(main->selectedRow(), main->panelText(0)),
              std::pair(0, QString(" Abramov F M")));
    const UserRecord top = store().readUser(0);
    EXPECT_EQ(std::tuple(int(top.UserNo), top.DosimeterId, top.ED),
              std::tuple(3, std::int64_t{0x4321}, 3.25));
    EXPECT_EQ(top.MED[0] + top.MED[1], "0 05.12 10:00 1,5 uSv/h1 05.12 10:10 1,7 uSv/h");

    for (QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
        EXPECT_FALSE(store().readUser(0).MED[0].isEmpty()) << answer;
        ModalScript script;
        script.answer(answer);
        act("mnu_SavMED");
        ASSERT_TRUE(script.done());
        EXPECT_EQ(script.boxTexts(), QStringList{"1/89"});
    }
    const UserRecord user = store().readUser(0);
    EXPECT_TRUE(std::all_of(user.MED.begin(), user.MED.end(), [](auto& l) { return l.isEmpty(); }));
    EXPECT_EQ(std::pair(user.ED, user.DosimeterId), std::pair(3.25, std::int64_t{0x4321}));
}

} // namespace
} // namespace sarvo::test
