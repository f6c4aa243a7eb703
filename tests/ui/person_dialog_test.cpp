#include "ui_support.h"

#include "shell/language.h"
#include "store/form_new_user.h"
#include "store/store.h"
#include "views/form_sarvo.h"
#include "views/user_list_grid.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace sarvo::test {
namespace {

class PersonDialogTest : public MainWindowTest {
protected:
    static TFormNewUser* dialogOf(QWidget* modal) { return qobject_cast<TFormNewUser*>(modal); }
    static QWidget* focus() { return QApplication::focusWidget(); }
    static void typeAndEnter(const QString& text) {
        if (!text.isEmpty())
            QTest::keyClicks(focus(), text);
        QTest::keyClick(focus(), Qt::Key_Return);
    }
    // Fills the dialog as the officer does: the fields in their visual order, Enter after each;
    // the Enter in the department field is OK.
    static ModalScript::Step typePerson(QString first, QString middle, QString last,
                                        QString department) {
        return [=](QWidget* modal) {
            ASSERT_NE(dialogOf(modal), nullptr);
            for (const QString& text : {first, middle, last, department})
                typeAndEnter(text);
        };
    }
    Store store() const { return Store(dir().toStdString()); }
    void addPersonWithData(const QString& last, std::int64_t identifier) {
        const long long index =
            addPerson(last, QStringLiteral("F"), QStringLiteral("M"), identifier);
        Store s = store();
        UserRecord user = s.readUser(index);
        user.ED = 2.5;
        user.MED[0] = "0 05.12 10:00 1,5 uSv/h";
        s.writeUser(index, user);
    }
};

TEST_F(PersonDialogTest, ThreeAdditionsByKeysGiveTheNameOrder) {
    activate();
    // One script per dialog: the dialog is the same window each time.
    const ModalScript::Step people[] = {typePerson("Sergey", "S", "Sidorov", "Lab 1"),
                                        typePerson("Ivan", "", "Ivanov", ""),
                                        typePerson("Petr", "P", "Petrov", "Lab 3")};
    for (const ModalScript::Step& person : people) {
        ModalScript script;
        script.add(person);
        main->mnu_NewUserClick();
        ASSERT_TRUE(script.done());
        EXPECT_TRUE(script.boxTexts().isEmpty());
        ASSERT_EQ(script.seen().size(), 1u);
        EXPECT_EQ(script.seen()[0].text, QStringLiteral("1/2"));
    }

    const std::vector<UserRecord> users = store().readUsers();
    ASSERT_EQ(users.size(), 3u);
    EXPECT_EQ(users[0].LN, "Ivanov");
    EXPECT_EQ(users[1].LN, "Petrov");
    EXPECT_EQ(users[2].LN, "Sidorov");
    EXPECT_EQ(users[0].UserNo, 2);
    EXPECT_EQ(users[1].UserNo, 3);
    EXPECT_EQ(users[2].UserNo, 1);
    EXPECT_EQ(users[2].FN, "Sergey");
    EXPECT_EQ(users[2].MN, "S");
    EXPECT_EQ(users[2].Dep, "Lab 1");
    EXPECT_EQ(grid->nameCell(0), QStringLiteral(" Ivanov Ivan "));
    EXPECT_EQ(grid->nameCell(2), QStringLiteral(" Sidorov Sergey S"));
    EXPECT_EQ(grid->rowCount(), 3 + 29);
}

TEST_F(PersonDialogTest, LayoutColoursTabOrderAndEsc) {
    activate(3);
    ModalScript script;
    script.add([](QWidget* modal) {
        TFormNewUser* d = dialogOf(modal);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->size(), QSize(323, 247));
        EXPECT_EQ(d->windowTitle(), QStringLiteral("3/2"));
        EXPECT_FALSE(d->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_EQ(d->PanelTop->palette().color(QPalette::Window), QColor(128, 128, 192));
        EXPECT_EQ(d->PanelBottom->palette().color(QPalette::Window), QColor(128, 128, 192));
        EXPECT_EQ(d->btnOk->text(), QStringLiteral("3/19"));
        EXPECT_EQ(d->btnCancel->text(), QStringLiteral("3/20"));
        EXPECT_LT(d->btnOk->x(), d->btnCancel->x());
        // Top to bottom: first name, middle name, last name, department.
        const QLabel* labels[] = {d->LabelFN, d->LabelMN, d->LabelLN, d->LabelDep};
        const QLineEdit* edits[] = {d->EditFN, d->EditMN, d->EditLN, d->EditDep};
        const char* captions[] = {"3/30", "3/31", "3/29", "3/32"};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(labels[i]->text(), QLatin1String(captions[i]));
            EXPECT_EQ(labels[i]->width(), 305);
            EXPECT_EQ(edits[i]->width(), 305);
            EXPECT_TRUE(labels[i]->font().bold());
            EXPECT_TRUE(edits[i]->font().bold());
            EXPECT_EQ(edits[i]->palette().color(QPalette::Base),
                      QApplication::palette().color(QPalette::ToolTipBase));
            if (i > 0) {
                EXPECT_GT(labels[i]->y(), edits[i - 1]->y());
            }
        }
        // Tab: first name, last name, middle name, department, OK, Cancel; only the label of
        // the field with the focus is cyan.
        QWidget* order[] = {d->EditFN, d->EditLN, d->EditMN, d->EditDep, d->btnOk, d->btnCancel};
        for (QWidget* expected : order) {
            EXPECT_EQ(focus(), expected);
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(TFormNewUser::labelColour(labels[i]),
                          edits[i] == expected ? QColor(0, 255, 255) : QColor(128, 128, 192))
                    << i;
            QTest::keyClick(focus(), Qt::Key_Tab);
        }
        QTest::keyClicks(d->EditLN, QStringLiteral("Typed"));
        QTest::keyClicks(d->EditFN, QStringLiteral("Typed"));
        QTest::keyClick(focus(), Qt::Key_Escape);
    });
    main->mnu_NewUserClick();
    ASSERT_TRUE(script.done());
    EXPECT_EQ(store().userCount(), 0);

    // Shown again, the fields start empty and only the first name's label is lit.
    ModalScript again;
    again.add([](QWidget* modal) {
        TFormNewUser* d = dialogOf(modal);
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->EditLN->text().isEmpty());
        EXPECT_EQ(focus(), d->EditFN);
        EXPECT_EQ(TFormNewUser::labelColour(d->LabelMN), QColor(128, 128, 192));
        d->btnCancel->click();
    });
    main->mnu_NewUserClick();
    ASSERT_TRUE(again.done());
}

TEST_F(PersonDialogTest, MissingFirstNameShowsLine33AndCancelChangesNothing) {
    addPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QString());
    activate();
    const QByteArray before = fileBytes(QStringLiteral("DB/DataUsers.usr"));
    grid->selectRow(0);
    ModalScript script;
    script.add([](QWidget* modal) {
        TFormNewUser* d = dialogOf(modal);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), QStringLiteral("1/4"));
        d->EditFN->clear();
        d->EditLN->setText(QStringLiteral("Petrov"));
        // Enter in the department field with a name missing does nothing.
        d->EditDep->setFocus();
        QTest::keyClick(d->EditDep, Qt::Key_Return);
        EXPECT_TRUE(d->isVisible());
        d->btnOk->click();
    });
    script.answer(QMessageBox::Ok); // line 33
    script.add([](QWidget* modal) {
        TFormNewUser* d = dialogOf(modal);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->EditLN->text(), QStringLiteral("Petrov")); // as typed
        d->btnCancel->click();
    });
    main->mnu_ChangUserClick();
    ASSERT_TRUE(script.done());
    EXPECT_EQ(script.boxTexts(), QStringList{QStringLiteral("1/33")});
    EXPECT_EQ(fileBytes(QStringLiteral("DB/DataUsers.usr")), before);
    EXPECT_EQ(grid->nameCell(0), QStringLiteral(" Ivanov Ivan "));
}

TEST_F(PersonDialogTest, ChangeFromZToAMovesThePersonWithTheirData) {
    addPerson(QStringLiteral("Borisov"), QStringLiteral("Boris"), QString());
    addPersonWithData(QStringLiteral("Zaitsev"), 0x4321);
    activate();
    grid->selectRow(1);
    ModalScript script;
    script.add([](QWidget* modal) {
        TFormNewUser* d = dialogOf(modal);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->EditLN->text(), QStringLiteral("Zaitsev"));
        EXPECT_EQ(d->EditDep->text(), QStringLiteral("Lab"));
        EXPECT_FALSE(d->EditLN->isReadOnly());
        QTest::keyClick(focus(), Qt::Key_Return);
        QTest::keyClick(focus(), Qt::Key_Return);
        EXPECT_EQ(focus(), d->EditLN);
        QTest::keyClick(focus(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(focus(), QStringLiteral("Abramov"));
        d->btnOk->click();
    });
    QTest::keyClick(grid, Qt::Key_F4);
    ASSERT_TRUE(script.done());

    EXPECT_EQ(grid->nameCell(0), QStringLiteral(" Abramov F M"));
    EXPECT_EQ(grid->identifierCell(0), QStringLiteral("4321"));
    EXPECT_EQ(grid->nameCell(1), QStringLiteral(" Borisov Boris "));
    // The same row number stays selected, now holding another person.
    EXPECT_EQ(main->selectedRow(), 1);
    const UserRecord top = store().readUser(0);
    EXPECT_EQ(top.UserNo, 2);
    EXPECT_EQ(top.DosimeterId, 0x4321);
    EXPECT_EQ(top.ED, 2.5);
    EXPECT_EQ(top.MED[0], "0 05.12 10:00 1,5 uSv/h");
}

TEST_F(PersonDialogTest, ReadingTakenInWhileTheChangeDialogIsOpenIsKept) {
    addPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QString(), 0x1234);
    activate();
    grid->selectRow(0);
    ModalScript script;
    script.add([this](QWidget* modal) {
        TFormNewUser* d = dialogOf(modal);
        ASSERT_NE(d, nullptr);
        // A reading is stored while the dialog waits for the officer.
        Store s = store();
        UserRecord user = s.readUser(0);
        user.ED = 0.75;
        user.MED[0] = "0 05.12 10:00 1,5 uSv/h";
        user.MED[1] = "1 05.12 10:10 1,7 uSv/h";
        s.writeUser(0, user);
        d->EditFN->setText(QStringLiteral("Oleg"));
        d->btnOk->click();
    });
    main->mnu_ChangUserClick();
    ASSERT_TRUE(script.done());
    const UserRecord user = store().readUser(0);
    EXPECT_EQ(user.FN, "Oleg");
    EXPECT_EQ(user.ED, 0.75);
    EXPECT_EQ(user.MED[0], "0 05.12 10:00 1,5 uSv/h");
    EXPECT_EQ(user.MED[1], "1 05.12 10:10 1,7 uSv/h");
    EXPECT_EQ(user.DosimeterId, 0x1234);
}

TEST_F(PersonDialogTest, ShowIsReadOnlyAndWritesNothing) {
    addPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QStringLiteral("Ivanovich"));
    activate();
    const QByteArray before = fileBytes(QStringLiteral("DB/DataUsers.usr"));
    grid->selectRow(0);
    ModalScript script;
    script.add([](QWidget* modal) {
        TFormNewUser* d = dialogOf(modal);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), QStringLiteral("1/3"));
        EXPECT_EQ(d->EditFN->text(), QStringLiteral("Ivan"));
        EXPECT_EQ(d->EditMN->text(), QStringLiteral("Ivanovich"));
        for (QLineEdit* edit : {d->EditFN, d->EditMN, d->EditLN, d->EditDep})
            EXPECT_TRUE(edit->isReadOnly());
        QTest::keyClicks(focus(), QStringLiteral("xyz"));
        EXPECT_EQ(d->EditFN->text(), QStringLiteral("Ivan"));
        d->btnOk->click();
    });
    QTest::keyClick(grid, Qt::Key_F3);
    ASSERT_TRUE(script.done());
    EXPECT_EQ(fileBytes(QStringLiteral("DB/DataUsers.usr")), before);

    // The change dialog after it is editable again.
    ModalScript change;
    change.add([](QWidget* modal) {
        TFormNewUser* d = dialogOf(modal);
        ASSERT_NE(d, nullptr);
        EXPECT_FALSE(d->EditFN->isReadOnly());
        d->btnCancel->click();
    });
    main->mnu_ChangUserClick();
    ASSERT_TRUE(change.done());
}

TEST_F(PersonDialogTest, CommandsOnAnEmptyRowDoNothing) {
    addPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QString());
    activate();
    grid->selectRow(5);
    const QByteArray before = fileBytes(QStringLiteral("DB/DataUsers.usr"));
    ModalScript script;
    main->mnu_InfoUserClick();
    main->mnu_ChangUserClick();
    main->mnu_regClick();
    main->mnu_SavMEDClick();
    QTest::keyClick(grid, Qt::Key_F3);
    QTest::keyClick(grid, Qt::Key_F4);
    EXPECT_TRUE(script.seen().empty());
    EXPECT_EQ(fileBytes(QStringLiteral("DB/DataUsers.usr")), before);
}

TEST_F(PersonDialogTest, ClearDoseRateLinesAsksLine89) {
    addPersonWithData(QStringLiteral("Ivanov"), 0x1234);
    activate();
    grid->selectRow(0);
    for (QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
        EXPECT_EQ(store().readUser(0).MED[0], "0 05.12 10:00 1,5 uSv/h");
        ModalScript script;
        script.answer(answer);
        main->mnu_SavMEDClick();
        ASSERT_TRUE(script.done());
        EXPECT_EQ(script.boxTexts(), QStringList{QStringLiteral("1/89")});
    }
    const UserRecord user = store().readUser(0);
    for (const QByteArray& line : user.MED)
        EXPECT_TRUE(line.isEmpty());
    EXPECT_EQ(user.ED, 2.5);
    EXPECT_EQ(user.DosimeterId, 0x1234);
}

} // namespace
} // namespace sarvo::test
