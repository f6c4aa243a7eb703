#include "store/store.h"
#include "tool/run_tool.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sarvo;

namespace {

using Result = test::ToolResult;

Result tool(const QStringList& arguments) {
    return test::runTool(arguments, "ru_RU.UTF-8");
}

class ToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        store.ensureDataDir();
        store.appendPerson("Petrov", "Ivan", "Ilyich", "Lab, 2");
        store.appendPerson("Иванов", "Олег", "", "");
        store.sortByName();
        UserRecord p = store.readUser(0);
        p.DosimeterId = 0x1234;
        p.ED = 1.75;
        store.writeUser(0, p);
        store.appendHistory({46361, 0.5, 0.25, 0.25, 1, 0x1234});
        store.appendHistory({46361, 0.75, 1, 1, 2, 0});
        store.appendHistory({46362, 0.25 + 1.0 / 86400, 0.00005, 1.75, 1, 0x1234});
        store.appendHistory({46362, 0.3, 9, 9, 0, 0});
    }
    QString dirArg() const { return dir.path(); }
    QTemporaryDir dir;
    Store store{dir.path().toStdString()};
};

} // namespace

TEST_F(ToolTest, PersonsAsCsv) {
    Result r = tool({"persons", "--csv", "--dir", dirArg()});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(),
              "record,user_no,last_name,first_name,middle_name,department,dosimeter_id,ed\r\n"
              "0,1,Petrov,Ivan,Ilyich,\"Lab, 2\",1234,1.75\r\n"
              "1,2,Иванов,Олег,,,0,0\r\n");
}

TEST_F(ToolTest, HistoryOfOnePerson) {
    Result csv = tool({"history", "--person", "1", "--csv", "--dir", dirArg()});
    EXPECT_EQ(csv.code, 0);
    EXPECT_EQ(csv.out.toStdString(), "date,time,dose,dose_sum,user_no,dosimeter_id\r\n"
                                     "2026-12-05,12:00:00,0.25,0.25,1,1234\r\n"
                                     "2026-12-06,06:00:01,5E-5,1.75,1,1234\r\n");
    Result text = tool({"history", "--person", "1", "--dir", dirArg()});
    EXPECT_EQ(text.out.toStdString(), "05.12.2026  12:00:00  0,25  0,25  1  1234\n"
                                      "06.12.2026  06:00:01  5E-5  1,75  1  1234\n");
}

TEST_F(ToolTest, ReadCommandsChangeNothing) {
    QTemporaryDir empty;
    EXPECT_EQ(tool({"persons", "--dir", empty.path()}).code, 0);
    EXPECT_EQ(tool({"history", "--person", "1", "--dir", empty.path()}).code, 0);
    EXPECT_EQ(tool({"check", "--dir", empty.path()}).code, 0);
    EXPECT_TRUE(QDir(empty.path()).isEmpty());
}

TEST_F(ToolTest, CheckFindsFaults) {
    EXPECT_EQ(tool({"check", "--dir", dirArg()}).code, 0);
    UserRecord second = store.readUser(1);
    second.DosimeterId = 0x1234;
    second.UserNo = 1;
    store.writeUser(1, second);
    store.appendHistory({46362, 0.5, 1, 1, 7, 0});
    QFile users(QString::fromStdString(store.userPath().string()));
    ASSERT_TRUE(users.open(QIODevice::Append));
    users.write("partial");
    users.close();
    QFile ini(QString::fromStdString(store.settingsPath().string()));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(QByteArray(20, '\0'));
    ini.close();

    Result r = tool({"check", "--dir", dirArg()});
    EXPECT_EQ(r.code, 1);
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 6) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("Sarvo.ini: 20 bytes"));
    EXPECT_TRUE(r.out.contains("partial record of 7 bytes"));
    EXPECT_TRUE(r.out.contains("same dosimeter 1234"));
    EXPECT_TRUE(r.out.contains("same person number 1"));
    EXPECT_TRUE(r.out.contains("person number 2, whom no person record has"));
    EXPECT_TRUE(r.out.contains("person number 7, whom no person record has"));
}

TEST_F(ToolTest, BadArgumentsAndFailures) {
    for (const QStringList& args :
         {QStringList{}, QStringList{"nonsense"}, QStringList{"persons", "--bogus"},
          QStringList{"history", "--dir", dirArg()}, QStringList{"history", "--person", "x"}}) {
        Result r = tool(args);
        EXPECT_EQ(r.code, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("usage")) << r.err.toStdString();
    }
    QFile::remove(QString::fromStdString(store.historyPath().string()));
    QDir().mkpath(QString::fromStdString(store.historyPath().string()));
    Result r = tool({"history", "--person", "1", "--dir", dirArg()});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.trimmed(), "Invalid filename");
}
