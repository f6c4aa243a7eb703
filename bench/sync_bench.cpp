// Timing program for the push to the central registry: a station with 1,000,000 readings (and
// 1,000 persons) pushed to a PostgreSQL 15 server this program starts on a free port in a
// temporary folder; prints the time of the first push and of a second one that finds nothing
// to send. Asserts nothing. Target: the first push under one minute.
//   sync_bench [READINGS]
#include "bench_files.h"
#include "core/registry/registry_admin.h"
#include "core/registry/registry_schema.h"
#include "core/registry/registry_sync.h"
#include "core/store/store.h"
#include "pg_server.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

using namespace sarvo;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const long long readings = argc > 1 ? QByteArray(argv[1]).toLongLong() : 1000000;
    constexpr int kPersons = 1000;

    QTemporaryDir dir;
    Store store(dir.path().toStdString());
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kPersons; ++i)
        store.appendPerson(QStringLiteral("Person%1").arg(i), QStringLiteral("Test"), {},
                           QStringLiteral("Lab"));
    bench::writeRecords(store.historyPath(), readings, kHistoryRecordSize,
                        [](long long i, char* bytes) {
                            HistoryRecord r;
                            r.HistDate = 45000 + static_cast<double>(i / 1000);
                            r.HistTime = static_cast<double>(i % 1000) / 1000.0;
                            r.Dose = 0.001 * static_cast<double>(i % 97);
                            r.DoseSum = r.Dose;
                            r.UserNo = static_cast<std::int32_t>(i % kPersons) + 1;
                            r.DosimeterId = 100000 + r.UserNo;
                            r.toBytes(bytes);
                        });
    std::printf("station written: %d persons, %lld readings (%.1f s)\n", kPersons, readings,
                timer.elapsed() / 1000.0);

    test::PgServer server;
    timer.restart();
    if (!server.start()) {
        std::fprintf(stderr, "%s\n", qPrintable(server.error()));
        return 1;
    }
    std::printf("server started (%.1f s)\n", timer.elapsed() / 1000.0);
    try {
        {
            registry::RegistryConnection admin(
                *registry::RegistryAddress::parse(server.superuserUrl()));
            registry::initRegistry(admin);
            registry::addStation(admin, QStringLiteral("bench"), QStringLiteral("bench-pw"));
        }
        server.addPassword(registry::stationRoleName(QStringLiteral("bench")),
                           QStringLiteral("bench-pw"));
        registry::RegistryConnection login(*registry::RegistryAddress::parse(
            server.url(registry::stationRoleName(QStringLiteral("bench")))));
        for (const char* run : {"first", "second"}) {
            timer.restart();
            const registry::SyncResult result =
                registry::syncStation(store, login, QStringLiteral("bench"));
            std::printf("%s push: %.2f s (%lld persons, %lld readings sent)\n", run,
                        timer.elapsed() / 1000.0, result.persons, result.readings);
        }
    } catch (const StoreError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return 1;
    }
    return 0;
}
