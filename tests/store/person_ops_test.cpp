#include "store/person_ops.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sarvo;

namespace {

class PersonOpsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        store.ensureDataDir();
    }
    QStringList lastNames() {
        QStringList names;
        for (const UserRecord& u : store.readUsers())
            names << u.lastName();
        return names;
    }
    QByteArray userFileBytes() {
        QFile f(QString::fromStdString(store.userPath().string()));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }

    QTemporaryDir dir;
    Store store{dir.path().toStdString()};
};

} // namespace

TEST(PersonTextsTest, OkNeedsLastAndFirstName) {
    struct Case {
        const char* last;
        const char* first;
        bool complete;
    } cases[] = {
        {"Ivanov", "Ivan", true}, {"", "Ivan", false}, {"Ivanov", "", false},
        {"", "", false},          {" ", " ", true},    {"I", "I", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(personTextsComplete({c.last, c.first, "", ""}), c.complete)
            << "'" << c.last << "' '" << c.first << "'";
}

TEST_F(PersonOpsTest, AdditionsGoIntoNameOrderWithTheirNumbers) {
    EXPECT_EQ(addPerson(store, {"Sidorov", "Sergey", "", ""}), 1);
    EXPECT_EQ(addPerson(store, {"Ivanov", "Ivan", "", ""}), 2);
    EXPECT_EQ(addPerson(store, {"Petrov", "Petr", "Petrovich", "Lab 2"}), 3);
    const std::vector<UserRecord> users = store.readUsers();
    ASSERT_EQ(users.size(), 3u);
    EXPECT_EQ(lastNames(), QStringList({"Ivanov", "Petrov", "Sidorov"}));
    EXPECT_EQ(users[0].UserNo, 2);
    EXPECT_EQ(users[1].UserNo, 3);
    EXPECT_EQ(users[2].UserNo, 1);
    EXPECT_EQ(users[1].department(), "Lab 2");
}

TEST_F(PersonOpsTest, ChangeMovesThePersonWithAllOfTheirData) {
    addPerson(store, {"Borisov", "Boris", "", ""});
    addPerson(store, {"Zaitsev", "Zakhar", "Z", "Dep Z"});
    UserRecord z = store.readUser(1);
    z.DosimeterId = 0x1234;
    z.ED = 2.5;
    z.MED[0] = "0 05.12 10:00 1,5";
    z.MED[99] = "last";
    store.writeUser(1, z);

    ASSERT_TRUE(changePerson(store, 1, 2, {"Abramov", "Zakhar", "Z", "Dep A"}));
    const UserRecord top = store.readUser(0);
    EXPECT_EQ(top.lastName(), "Abramov");
    EXPECT_EQ(top.department(), "Dep A");
    EXPECT_EQ(top.UserNo, 2);
    EXPECT_EQ(top.DosimeterId, 0x1234);
    EXPECT_EQ(top.ED, 2.5);
    EXPECT_EQ(top.MED[0], "0 05.12 10:00 1,5");
    EXPECT_EQ(top.MED[99], "last");
    EXPECT_EQ(store.readUser(1).lastName(), "Borisov");
}

TEST_F(PersonOpsTest, ChangeKeepsAReadingTakenInMeanwhile) {
    addPerson(store, {"Ivanov", "Ivan", "", ""});
    // The dialog opened on record 0; a reading arrives before OK.
    UserRecord read = store.readUser(0);
    read.ED = 1.25;
    read.MED[3] = "3 05.12 11:00 0,7";
    store.writeUser(0, read);

    ASSERT_TRUE(changePerson(store, 0, 1, {"Ivanov", "Oleg", "", "Dep"}));
    const UserRecord after = store.readUser(0);
    EXPECT_EQ(after.firstName(), "Oleg");
    EXPECT_EQ(after.ED, 1.25);
    EXPECT_EQ(after.MED[3], "3 05.12 11:00 0,7");
}

TEST_F(PersonOpsTest, ChangeOfARecordThatHoldsSomeoneElseWritesNothing) {
    addPerson(store, {"Ivanov", "Ivan", "", ""});
    addPerson(store, {"Petrov", "Petr", "", ""});
    const QByteArray before = userFileBytes();
    EXPECT_FALSE(changePerson(store, 0, 2, {"Abc", "Def", "", ""}));
    EXPECT_FALSE(changePerson(store, 5, 2, {"Abc", "Def", "", ""}));
    EXPECT_EQ(userFileBytes(), before);
}

TEST_F(PersonOpsTest, LongTextsAreCutTo20Characters) {
    addPerson(store, {QString(30, 'L'), "Ivan", QString(25, 'M'), ""});
    UserRecord user = store.readUser(0);
    EXPECT_EQ(user.LN, QByteArray(20, 'L'));
    EXPECT_EQ(user.MN, QByteArray(20, 'M'));
    ASSERT_TRUE(changePerson(store, 0, 1, {"Ivanov", QString(21, 'F'), "", QString(40, 'D')}));
    user = store.readUser(0);
    EXPECT_EQ(user.FN, QByteArray(20, 'F'));
    EXPECT_EQ(user.Dep, QByteArray(20, 'D'));
}

TEST_F(PersonOpsTest, ClearDoseRateLinesEmptiesAllHundred) {
    addPerson(store, {"Ivanov", "Ivan", "", ""});
    UserRecord user = store.readUser(0);
    for (int k = 0; k < kMedLineCount; ++k)
        user.MED[k] = QByteArray::number(k);
    user.ED = 3.0;
    store.writeUser(0, user);

    ASSERT_TRUE(clearDoseRateLines(store, 0));
    user = store.readUser(0);
    for (const QByteArray& line : user.MED)
        EXPECT_TRUE(line.isEmpty());
    EXPECT_EQ(user.ED, 3.0);
    // The length byte of every line is 0 on file.
    const QByteArray bytes = userFileBytes();
    for (int k = 0; k < kMedLineCount; ++k)
        EXPECT_EQ(bytes.at(104 + 61 * k), '\0') << k;
    EXPECT_FALSE(clearDoseRateLines(store, 1));
}
