#include "core/registry/registry_admin.h"
#include "core/registry/registry_connection.h"
#include "core/registry/registry_schema.h"
#include "pg_server.h"
#include "tool/run_tool.h"

#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace sarvo {
namespace {

using registry::RegistryAddress;
using registry::RegistryConnection;
using registry::RegistryError;
using test::PgServer;
using test::ToolResult;

// sarvo-tool with `input` on its standard input.
ToolResult runToolWithInput(const QStringList& arguments, const QByteArray& input) {
    QProcess p;
    p.start(SARVO_TOOL_PATH, arguments);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.start()) << server.error().toStdString(); }

    std::unique_ptr<RegistryConnection> connect(const QString& user) {
        return std::make_unique<RegistryConnection>(*RegistryAddress::parse(server.url(user)));
    }
    // Creates the schema and the station's role (its password known to the password file).
    void addStation(const QString& name) {
        const QString password = name + QStringLiteral("-secret");
        const ToolResult r = runToolWithInput(
            {"registry", "add-station", name, "--db", server.superuserUrl()}, password.toUtf8());
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        server.addPassword(registry::stationRoleName(name), password);
    }
    long long count(const QString& sql) {
        const auto admin = connect(QLatin1String(PgServer::kSuperuser));
        QSqlQuery query(admin->db());
        EXPECT_TRUE(query.exec(sql) && query.next()) << query.lastError().text().toStdString();
        return query.value(0).toLongLong();
    }

    PgServer server;
};

TEST(RegistryAddressTest, ParsesAndWritesAddresses) {
    struct Case {
        const char* text;
        bool valid;
        const char* host;
        int port;
        const char* user;
        const char* database;
        const char* options;
        const char* written;
    } cases[] = {
        {"postgresql://st@db.example:5433/sarvo?sslmode=require&connect_timeout=5", true,
         "db.example", 5433, "st", "sarvo", "sslmode=require;connect_timeout=5",
         "postgresql://st@db.example:5433/sarvo?sslmode=require&connect_timeout=5"},
        {"postgres://u:pw@host/reg", true, "host", 5432, "u", "reg", "", "postgresql://u@host/reg"},
        {"postgresql:///sarvo", true, "", 5432, "", "sarvo", "", "postgresql:///sarvo"},
        {"mysql://host/db", false, "", 0, "", "", "", ""},
        {"postgresql://host", false, "", 0, "", "", "", ""},
        {"postgresql://host/db?sslmode=require%3Bhost%3Devil", false, "", 0, "", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto address = RegistryAddress::parse(QString::fromUtf8(c.text));
        ASSERT_EQ(address.has_value(), c.valid);
        if (!c.valid)
            continue;
        EXPECT_EQ(address->host, QString::fromUtf8(c.host));
        EXPECT_EQ(address->port, c.port);
        EXPECT_EQ(address->user, QString::fromUtf8(c.user));
        EXPECT_EQ(address->database, QString::fromUtf8(c.database));
        EXPECT_EQ(address->options, QString::fromUtf8(c.options));
        EXPECT_EQ(address->text(), QString::fromUtf8(c.written));
    }
}

TEST_F(RegistryTest, InitTwiceIsFineAndStationsLogIn) {
    for (int run = 0; run < 2; ++run) {
        const ToolResult r = test::runTool({"registry", "init", "--db", server.superuserUrl()},
                                           QStringLiteral("C.UTF-8"));
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
    }
    addStation(QStringLiteral("Site-A"));
    EXPECT_EQ(connect(QStringLiteral("sarvo_station_site_a"))->schemaVersion(), 1);
    const ToolResult again = runToolWithInput(
        {"registry", "add-station", "Site-A", "--db", server.superuserUrl()}, "pw\n");
    EXPECT_EQ(again.code, 1);
    EXPECT_TRUE(again.err.contains("Site-A")) << again.err.toStdString();
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM sarvo.stations")), 1);
}

} // namespace
} // namespace sarvo
