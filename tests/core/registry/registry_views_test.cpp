// The registry's views and limits as `sarvo-tool registry limits|persons|readings|doses` prints
// them, on a real PostgreSQL server; the rows are put in by the server's superuser.
#include "core/registry/pg_server.h"
#include "core/registry/registry_connection.h"
#include "tool/run_tool.h"

#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>
#include <vector>

using namespace sarvo;
using test::ToolResult;

namespace {

class RegistryViewsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        server = std::make_unique<test::PgServer>();
        ASSERT_TRUE(server->start()) << server->error().toStdString();
        superuser = server->url(test::PgServer::kSuperuser);
        ASSERT_EQ(tool({"registry", "init", "--db", superuser}).code, 0);
        // North and south; Petrov is R-1 at both (his register name given at the south, where
        // his latest entry is; dosimeter 0x119), Sidorov has no registry number. 2024: Petrov 0.3 +
        // 2 + 4 = 6.3, five years 7.3; Sidorov 0.5. Opening and clear rows and 2019 count nowhere.
        sql({"INSERT INTO sarvo.stations (name, role_name) VALUES ('north', 'r_north'), "
             "('south', 'r_south')",
             "INSERT INTO sarvo.persons VALUES "
             "('north', 1, 'Petrov', 'Ivan', '', 'Lab', 281, 2.3, '', 'R-1', NULL, 'A', '', NULL, "
             "0), "
             "('south', 7, 'Petrov', 'I', '', '', 0, 4, 'Ivan Petrov-Vodkin', 'R-1', NULL, 'A', "
             "'', NULL, 0), "
             "('south', 8, 'Sidorov', 'Petr', 'K', 'Shop, 2', 0, 0.5, '', '', NULL, '', '', "
             "'2025-01-31', 0)",
             "INSERT INTO sarvo.ledger VALUES "
             "('north', 1, 't', '2019-12-31', 1, 0, 'reading', 5, 0, 5, 0, 'u', '', 0), "
             "('north', 2, 't', '2020-01-10', 1, 0, 'reading', 1, 5, 6, 1, 'u', '', 0), "
             "('north', 3, 't', '2024-03-01', 1, 0, 'reading', 0.3, 6, 6.3, 2, 'u', '', 0), "
             "('north', 4, 't', '2024-05-01', 1, 0, 'manual', 2, 6.3, 8.3, NULL, 'u', 'r', 0), "
             "('north', 5, 't', '2024-06-01', 1, 0, 'clear', -8.3, 8.3, 0, NULL, 'u', '', 0), "
             "('north', 6, 't', '2024-06-01', 1, 0, 'opening', 9, 0, 9, NULL, 'u', '', 0), "
             "('south', 1, 't', '2024-07-01', 7, 0, 'reading', 4, 0, 4, 0, 'u', '', 0), "
             "('south', 2, 't', '2024-02-02', 8, 0, 'reading', 0.5, 0, 0.5, 1, 'u', '', 0)",
             "INSERT INTO sarvo.readings VALUES "
             "('north', 2, '2024-03-01', '10:20:30.5', 0.3, 6.3, 1, 281, 0), "
             "('south', 0, '2023-12-31', '23:59:59', 0.25, 0.25, 8, 0, 0)",
             "CREATE ROLE officer LOGIN PASSWORD 'officer-pw' IN ROLE sarvo_officer"});
        server->addPassword("officer", "officer-pw");
    }
    static void TearDownTestSuite() { server.reset(); }

    static ToolResult tool(const QStringList& arguments) {
        ToolResult r = test::runTool(arguments, "C.UTF-8");
        r.err = r.err.trimmed();
        return r;
    }
    static void sql(const QStringList& statements) {
        registry::RegistryConnection connection(*registry::RegistryAddress::parse(superuser));
        for (const QString& statement : statements) {
            QSqlQuery query(connection.db());
            ASSERT_TRUE(query.exec(statement))
                << statement.toStdString() << ": " << query.lastError().text().toStdString();
        }
    }
    // The CSV lines of a view (header first), each ended by "\n".
    static std::string csv(const QStringList& arguments, const QString& url = superuser) {
        const ToolResult r =
            tool(QStringList{"registry"} + arguments + QStringList{"--db", url, "--csv"});
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        return QString(r.out).replace("\r\n", "\n").toStdString();
    }

    static inline std::unique_ptr<test::PgServer> server;
    static inline QString superuser;
};

} // namespace

// One worker per registry number across stations, with one annual dose; a person without a
// number is "station:user_no"; the status follows the registry's limits as they are set.
TEST_F(RegistryViewsTest, DosesPerWorkerFollowTheRegistryLimits) {
    const std::vector<std::tuple<QStringList, std::string, std::string>> steps = {
        {{}, "investigation", "ok"},
        {{"--annual", "6,3"}, "limit", "ok"},
        {{"--annual", "20", "--investigation", "0.5"}, "investigation", "investigation"},
        {{"--investigation", "7", "--monthly", "4"}, "investigation", "ok"},
        {{"--monthly", "off", "--five-year", "7.3"}, "limit", "ok"},
    };
    for (const auto& [limits, petrov, sidorov] : steps) {
        SCOPED_TRACE(limits.join(' ').toStdString());
        const ToolResult set = tool(QStringList{"registry", "limits", "--db", superuser} + limits);
        ASSERT_EQ(set.code, 0) << set.err.toStdString();
        EXPECT_EQ(csv({"doses", "--year", "2024"}),
                  "worker,full_name,stations,year,year_dose,five_year,status\n"
                  "R-1,Ivan Petrov-Vodkin,north;south,2024,6.3,7.3," +
                      petrov + "\n" + "south:8,Sidorov Petr K,south,2024,0.5,0.5," + sidorov +
                      "\n");
    }
    EXPECT_EQ(tool({"registry", "limits", "--db", superuser}).out.simplified().toStdString(),
              "annual 20 five-year 7,3 investigation 7 monthly off overdue-days 35");
}

TEST_F(RegistryViewsTest, PersonsAndReadingsAsCsv) {
    const std::string persons =
        "station,user_no,registry_id,full_name,last_name,first_name,middle_name,department,"
        "category,dosimeter_id,ed,left\n"
        "north,1,R-1,,Petrov,Ivan,,Lab,A,119,2.3,\n"
        "south,7,R-1,Ivan Petrov-Vodkin,Petrov,I,,,A,0,4,\n"
        "south,8,,,Sidorov,Petr,K,\"Shop, 2\",,0,0.5,2025-01-31\n";
    EXPECT_EQ(csv({"persons"}), persons);
    // The officer reads what the owner reads.
    EXPECT_EQ(csv({"persons"}, server->url("officer")), persons);
    const std::string header = "station,record,date,time,dose,dose_sum,user_no,dosimeter_id\n";
    const std::string december = "south,0,2023-12-31,23:59:59.000,0.25,0.25,8,0\n";
    EXPECT_EQ(csv({"readings"}),
              header + "north,2,2024-03-01,10:20:30.500,0.3,6.3,1,119\n" + december);
    EXPECT_EQ(csv({"readings", "--year", "2023"}), header + december);
}

// Only the owner sets the limits: the officer's change is refused (exit 1), nothing is stored.
TEST_F(RegistryViewsTest, OfficerCannotSetLimits) {
    const QString officer = server->url("officer");
    const QString before = tool({"registry", "limits", "--db", officer}).out;
    const ToolResult r = tool({"registry", "limits", "--annual", "1", "--db", officer});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("only the owner of the registry")) << r.err.toStdString();
    EXPECT_EQ(tool({"registry", "limits", "--db", officer}).out, before);
}
