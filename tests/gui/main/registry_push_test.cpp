// The window's background push to the central registry, against a real PostgreSQL server: a
// reading taken in reaches the registry; while the server is down the status bar counts the
// changes that wait, and once it is back they are all pushed.
#include "core/registry/pg_server.h"
#include "core/registry/registry_connection.h"
#include "core/registry/registry_schema.h"
#include "core/registry/registry_sync.h"
#include "core/store/dose_database.h"
#include "gui/main/registry_pusher.h"
#include "gui/support/ui_support.h"

#include <QFile>
#include <QSqlQuery>

namespace sarvo::test {
namespace {

// Which text the registry panel shows, by the state of the push.
TEST(RegistryStatusText, FollowsThePush) {
    using S = RegistryPusher::Status;
    const auto status = [](qint64 waiting, QString error = {}, QList<qint64> rewritten = {}) {
        S s;
        s.active = true;
        s.waiting = waiting;
        s.error = std::move(error);
        s.rewrittenRecords = std::move(rewritten);
        return s;
    };
    S sending = status(7);
    sending.sending = true;
    sending.sent = 3;
    sending.total = 7;
    const S failed = status(2, "no route"), differ = status(0, {}, {4, 9}), waiting = status(1),
            done = status(0);
    const std::vector<std::pair<S, QStringList>> cases = {
        {sending, {"Registry: sending 3 of 7", ""}},
        {failed, {"Registry unreachable: 2 change(s) waiting", "no route"}},
        {differ,
         {"Registry: 2 record(s) differ from the registry — see sarvo-tool sync",
          "History records: 4, 9"}},
        {waiting, {"Registry: 1 change(s) waiting", ""}},
        {done, {"Registry: up to date", ""}}};
    for (const auto& [state, expected] : cases) {
        QString tip;
        const QString text = RegistryStatusLabel::statusText(state, &tip);
        EXPECT_EQ((QStringList{text, tip}), expected);
    }
}

// The program on one end of a virtual serial cable, sarvo-tool simulate on the other, and a
// registry with the station "North" that the program's directory has been synced to once.
class RegistryPushTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(server.start()) << server.error();
        cable = std::make_unique<VirtualCable>(dir());
        ASSERT_TRUE(cable->ready());
        writeTestLangFile();
        writeSettings(cable->endB(), 1);
        addPerson("Ivanov", "Ivan", "I", 0x1234);
        addPerson("Petrov", "Petr", "P", 0x5678);
        // The schema, the station's role (its password on the standard input, known to the
        // password file) and a first sync, by sarvo-tool.
        const QString admin = server.superuserUrl();
        server.addPassword(registry::stationRoleName("North"), "north-secret");
        for (const auto& [command, input] :
             {std::pair{QStringList{"registry", "init", "--db", admin}, QByteArray()},
              std::pair{QStringList{"registry", "add-station", "North", "--db", admin},
                        QByteArray("north-secret")},
              std::pair{
                  QStringList{"sync", "--db", station(), "--station", "North", "--dir", dir()},
                  QByteArray()}}) {
            QProcess tool;
            tool.start(QStringLiteral(SARVO_TOOL_PATH), command);
            tool.write(input);
            tool.closeWriteChannel();
            ASSERT_TRUE(tool.waitForFinished(60000));
            ASSERT_EQ(tool.exitCode(), 0)
                << command.join(' ') << ": " << tool.readAllStandardError().toStdString();
        }
        Store local(dir().toStdString());
        DoseDatabase(local).setRegistrySettings({"North", station()});
        app = std::make_unique<SarvoApp>(SarvoApp::Options{.singleInstance = false});
        ASSERT_TRUE(app->start());
        ASSERT_TRUE(waitUntil([&] { return !app->splash()->isVisible(); }));
        main = app->mainWindow();
        label = child<QLabel>(main, "registryStatus");
        auto* pusher = main->findChild<RegistryPusher*>();
        ASSERT_NE(pusher, nullptr);
        pusher->setDelays(50, {100});
    }

    QString station() const { return server.url(registry::stationRoleName("North")); }

    // Sends one reading; returns when the last byte is written.
    void simulate(const QStringList& options) const {
        QProcess tool;
        tool.start(QStringLiteral(SARVO_TOOL_PATH),
                   QStringList{"simulate", "--port", cable->endA()} + options);
        ASSERT_TRUE(tool.waitForFinished(30000));
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    }

    // The rows of the station in the registry: persons and readings.
    std::pair<long long, long long> registryRows() const {
        const auto address = registry::RegistryAddress::parse(server.superuserUrl());
        registry::RegistryConnection connection(*address);
        std::pair<long long, long long> rows;
        for (auto [table, count] :
             {std::pair{"persons", &rows.first}, std::pair{"readings", &rows.second}}) {
            QSqlQuery query(connection.db());
            query.exec(QStringLiteral("SELECT count(*) FROM sarvo.%1 WHERE station = 'North'")
                           .arg(QLatin1String(table)));
            *count = query.next() ? query.value(0).toLongLong() : -1;
        }
        return rows;
    }
    std::pair<long long, long long> localRows() const {
        Store local(dir().toStdString(), true);
        return {local.userCount(), local.historyCount()};
    }

    PgServer server;
    std::unique_ptr<VirtualCable> cable;
    std::unique_ptr<SarvoApp> app;
    TFormSarvo* main = nullptr;
    QLabel* label = nullptr;
};

TEST_F(RegistryPushTest, ReadingsReachTheRegistryThroughAnOutage) {
    ASSERT_TRUE(waitUntil([&] { return label->text() == "Registry: up to date"; }))
        << label->text();
    EXPECT_TRUE(label->isVisible());
    ModalScript script;
    script.answer(QMessageBox::Ok); // line 76 of each reading
    simulate({"--id", "1234", "--dose", "0.5"});
    ASSERT_TRUE(waitUntil([&] { return registryRows() == std::pair(2LL, 1LL); }))
        << registryRows().second;

    server.stop();
    script.answer(QMessageBox::Ok);
    simulate({"--id", "5678", "--dose", "2"});
    // The second reading waits, counted from the files alone.
    Store local(dir().toStdString());
    const auto unreachable = [&] {
        return QStringLiteral("Registry unreachable: %1 change")
            .arg(registry::waitingChanges(local));
    };
    ASSERT_TRUE(waitUntil([&] { return script.done() && label->text().startsWith(unreachable()); }))
        << label->text() << " / " << unreachable();
    EXPECT_EQ(registry::waitingChanges(local), 1); // the reading (its dose not added to ED)
    EXPECT_FALSE(label->toolTip().isEmpty());

    ASSERT_TRUE(server.start());
    ASSERT_TRUE(waitUntil([&] { return label->text() == "Registry: up to date"; }))
        << label->text();
    EXPECT_EQ(registryRows(), localRows());
    EXPECT_EQ(localRows(), std::pair(2LL, 2LL));

    // The first reading rewritten behind the station's back: reported, not sent.
    QFile history(path("DB/DataHist.hst"));
    ASSERT_TRUE(history.open(QIODevice::ReadWrite));
    QByteArray first = history.read(48);
    first[47] = static_cast<char>(first[47] ^ 1);
    history.seek(0);
    history.write(first);
    history.close();
    ASSERT_TRUE(waitUntil([&] {
        return label->text() ==
               "Registry: 1 record differs from the registry — see sarvo-tool sync";
    })) << label->text();
    EXPECT_EQ(label->toolTip(), "History records: 0");
    EXPECT_EQ(registryRows(), std::pair(2LL, 2LL));
}

} // namespace
} // namespace sarvo::test
