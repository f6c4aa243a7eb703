#include "core/store/person_ops.h"
#include "core/text/report_test_data.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sarvo;
using namespace sarvo::testdata;

TEST(PersonOpsTest, OkNeedsLastAndFirstName) {
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

TEST(PersonOpsTest, TextsCutTo20AndNoWriteIntoAnotherPersonsRecord) {
    QTemporaryDir dir;
    Store store(dir.path().toStdString());
    store.ensureDataDir();
    addPerson(store, {QString(30, 'L'), "Ivan", QString(25, 'M'), ""});
    addPerson(store, {"Petrov", "Petr", "", ""});
    EXPECT_EQ(store.readUser(0).LN, QByteArray(20, 'L'));
    EXPECT_EQ(store.readUser(0).MN, QByteArray(20, 'M'));
    ASSERT_TRUE(changePerson(store, 0, 1, {"Ivanov", QString(21, 'F'), "", QString(40, 'D')}));
    EXPECT_EQ(store.readUser(0).FN, QByteArray(20, 'F'));
    EXPECT_EQ(store.readUser(0).Dep, QByteArray(20, 'D'));

    const QByteArray before = bytesOf(store.userPath());
    EXPECT_FALSE(changePerson(store, 0, 2, {"Abc", "Def", "", ""}));
    EXPECT_FALSE(changePerson(store, 2, 2, {"Abc", "Def", "", ""}));
    EXPECT_FALSE(clearDoseRateLines(store, 2, 1));
    EXPECT_FALSE(clearDoseRateLines(store, 0, 2));
    EXPECT_EQ(bytesOf(store.userPath()), before);
}
