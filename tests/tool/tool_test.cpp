#include "core/store/store.h"
#include "tool/run_tool.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

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

TEST_F(ToolTest, CheckFindsDamagedValuesOrderAndLeftovers) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    // Record 0 (Petrov) out of name order behind a damaged record 1.
    UserRecord petrov = store.readUser(0);
    UserRecord ivanov = store.readUser(1);
    ivanov.ED = nan;
    ivanov.UserNo = -3;
    store.writeUser(0, ivanov);
    petrov.ED = -0.5;
    store.writeUser(1, petrov);
    QFile users(QString::fromStdString(store.userPath().string()));
    ASSERT_TRUE(users.open(QIODevice::ReadWrite));
    users.seek(0);
    users.write(QByteArray(1, char(21))); // LN of record 0
    users.seek(104 + 61 * 3);
    users.write(QByteArray(1, char(61))); // MED[3] of record 0
    users.close();
    store.appendHistory({46362, 1.0, inf, nan, 1, 0});
    store.appendHistory({nan, -0.25, -1, 1, 1, 0});
    QFile leftover(QString::fromStdString((store.dataDir() / "DataUsers.usr.Ab12Cd.tmp").string()));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();

    Result r = tool({"check", "--dir", dirArg()});
    EXPECT_EQ(r.code, 1);
    for (const char* expected : {
             "DataUsers.usr: record 0: the length of LN, MED[3] is above the field's capacity",
             "DataUsers.usr: record 0: ED is nan",
             "DataUsers.usr: record 0: person number -3 is not above 0",
             "DataUsers.usr: record 1: ED is -0.5",
             "DataUsers.usr: not in name order (record 1 belongs before record 0)",
             "DataHist.hst: record 4: Dose is inf",
             "DataHist.hst: record 4: DoseSum is nan",
             "DataHist.hst: record 4: HistTime 1 is not a time of day",
             "DataHist.hst: record 5: Dose is -1",
             "DataHist.hst: record 5: HistDate is nan",
             "DataHist.hst: record 5: HistTime -0.25 is not a time of day",
             "DB/DataUsers.usr.Ab12Cd.tmp: left behind by an interrupted replacement",
         })
        EXPECT_TRUE(r.out.contains(expected)) << expected << "\n" << r.out.toStdString();
    // Listings of such records go on: damaged dates and times show empty.
    EXPECT_EQ(tool({"history", "--person", "1", "--dir", dirArg()}).code, 0);
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
