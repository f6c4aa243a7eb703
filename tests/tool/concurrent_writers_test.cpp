// Several real sarvo-tool processes writing the same data directory at once, and the write lock
// held by another program.
#include "core/store/store.h"
#include "tool/run_tool.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <map>
#include <memory>

using namespace sarvo;
namespace fs = std::filesystem;

namespace {

std::unique_ptr<QProcess> startTool(const QStringList& arguments) {
    auto p = std::make_unique<QProcess>();
    p->start(SARVO_TOOL_PATH, arguments);
    return p;
}

// Runs sarvo-tool through the shell, for limits and signal dispositions set before it starts.
test::ToolResult toolUnder(const QString& shellPrefix, const QStringList& arguments) {
    QProcess p;
    p.start("bash",
            QStringList{"-c", shellPrefix + " exec \"$0\" \"$@\"", SARVO_TOOL_PATH} + arguments);
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QByteArray fileBytes(const fs::path& path) {
    QFile f(QString::fromStdString(path.string()));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class ConcurrentWritersTest : public ::testing::Test {
protected:
    void SetUp() override {
        store.ensureDataDir();
        for (int i = 0; i < 300; ++i)
            store.appendPerson(QStringLiteral("Base%1").arg(i, 3, 10, QChar('0')), "F", "", "");
        store.sortByName();
    }
    QStringList dirArgs() const { return {"--dir", dir.path()}; }
    QTemporaryDir dir;
    Store store{dir.path().toStdString()};
};

} // namespace

TEST_F(ConcurrentWritersTest, ThirtyAddPersonsAtOnceStoreEachPersonOnce) {
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int i = 0; i < 30; ++i)
        runs.push_back(startTool(QStringList{"add-person", "--last",
                                             QStringLiteral("New%1").arg(29 - i), "--first", "N"} +
                                 dirArgs()));
    for (auto& p : runs) {
        ASSERT_TRUE(p->waitForFinished(60000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    }
    std::map<std::int32_t, int> numbers;
    std::map<QString, int> names;
    for (const UserRecord& u : store.readUsers()) {
        ++numbers[u.UserNo];
        ++names[u.lastName()];
    }
    EXPECT_EQ(numbers.size(), 330u);
    EXPECT_EQ(numbers.begin()->first, 1);
    EXPECT_EQ(numbers.rbegin()->first, 330);
    EXPECT_EQ(names.size(), 330u);
    EXPECT_EQ(store.firstOutOfNameOrder(), -1);
}

TEST_F(ConcurrentWritersTest, RegistrationRacingAnAdditionIsKept) {
    for (int round = 0; round < 15; ++round) {
        const QString id = QString::number(1000 + round);
        auto adding = startTool(QStringList{"add-person", "--last",
                                            QStringLiteral("Aaa%1").arg(round), "--first", "A"} +
                                dirArgs());
        auto registering = startTool(
            QStringList{"register", "--person", "150", "--id", id, "--replace"} + dirArgs());
        ASSERT_TRUE(adding->waitForFinished(30000));
        ASSERT_TRUE(registering->waitForFinished(30000));
        EXPECT_EQ(adding->exitCode(), 0);
        ASSERT_EQ(registering->exitCode(), 0) << registering->readAllStandardError().toStdString();
        const UserRecord holder = store.readUser(store.findUserIndex(150));
        EXPECT_EQ(holder.DosimeterId, id.toLongLong(nullptr, 16)) << "round " << round;
    }
    EXPECT_EQ(store.userCount(), 315);
}

TEST_F(ConcurrentWritersTest, WriterGivesUpWhenAnotherProgramHoldsTheLock) {
    const QByteArray before = fileBytes(store.userPath());
    QProcess holder;
    holder.start("flock",
                 {QString::fromStdString((store.dataDir() / "Write.lock").string()), "sleep", "8"});
    ASSERT_TRUE(holder.waitForStarted());
    QThread::msleep(300);
    test::ToolResult r = test::runTool(
        QStringList{"add-person", "--last", "Late", "--first", "L"} + dirArgs(), "en_US.UTF-8");
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("being changed by another program")) << r.err.toStdString();
    EXPECT_EQ(fileBytes(store.userPath()), before);
    holder.waitForFinished(15000);
}

TEST_F(ConcurrentWritersTest, DiskFullLeavesTheFileAsItWas) {
    const QByteArray before = fileBytes(store.userPath());
    // Files may not grow past the present user file: the new file cannot be written whole.
    const QString limit = QString::number(before.size() / 1024); // in KiB
    for (int attempt = 0; attempt < 3; ++attempt) {
        test::ToolResult r =
            toolUnder("trap '' XFSZ; ulimit -f " + limit + ";",
                      QStringList{"add-person", "--last", "Full", "--first", "F"} + dirArgs());
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.err.trimmed(), "Disk full");
    }
    EXPECT_EQ(fileBytes(store.userPath()), before);
    EXPECT_EQ(QDir(QString::fromStdString(store.dataDir().string()))
                  .entryList({"*.tmp"}, QDir::Files | QDir::Hidden),
              QStringList());
}
