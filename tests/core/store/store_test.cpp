// The data files: name order, settings, failures, replacements and files that are not what they
// should be.
#include "core/store/person_ops.h"
#include "core/store/store.h"
#include "core/text/report_test_data.h"
#include "tool/run_tool.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace sarvo;
using namespace sarvo::testdata;
namespace fs = std::filesystem;

namespace {

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override { store.ensureDataDir(); }
    void TearDown() override {
        setTemporaryNamesForTest(nullptr);
        setReplacementSpaceForTest(SIZE_MAX);
    }
    void add(const QStringList& names) {
        for (const QString& n : names)
            store.appendPerson(n, "F", "", "");
    }
    QStringList lastNames() {
        QStringList names;
        for (const UserRecord& u : store.readUsers())
            names << u.lastName();
        return names;
    }
    // Temporary files of replacements left in the base or the data directory.
    QStringList leftovers() {
        return QDir(dir.path()).entryList({"*.tmp"}, QDir::Files | QDir::System) +
               QDir(dir.path() + "/DB").entryList({"*.tmp"}, QDir::Files | QDir::System);
    }

    QTemporaryDir dir;
    Store store{dir.path().toStdString()};
};

} // namespace

// The third character decides; with incomparable neighbours bubble passes decide, not a sort by
// key.
TEST_F(StoreTest, NameOrderLooksAtThreeCharacters) {
    const std::pair<QString, QString> cases[] = {{"Sidorov Ivanov Petrov", "Ivanov Petrov Sidorov"},
                                                 {"Smithson Smith", "Smithson Smith"},
                                                 {"Smith Smithson", "Smith Smithson"},
                                                 {"Smb Sma", "Sma Smb"},
                                                 {"Abc Ab", "Abc Ab"},
                                                 {"Ab Abc", "Ab Abc"},
                                                 {"abc Abc", "Abc abc"},
                                                 {"Abd Ab Abc", "Abd Ab Abc"}};
    for (const auto& [before, after] : cases) {
        SCOPED_TRACE(before.toStdString());
        fs::remove(store.userPath());
        add(before.split(' '));
        EXPECT_EQ(store.sortByName(), before != after);
        EXPECT_EQ(lastNames(), after.split(' '));
        EXPECT_EQ(store.firstOutOfNameOrder(), -1);
    }
}

TEST_F(StoreTest, NameOrderMovesWholeRecords) {
    add({"Orlov", "Zuev"});
    UserRecord z = store.readUser(1);
    std::tie(z.ED, z.DosimeterId, z.MED[42]) = std::tuple(2.5, 0x0123456789012345LL, "line");
    store.writeUser(1, z);
    const auto rename = [](UserRecord& u) {
        u.setTexts("Avdeev", u.firstName(), u.middleName(), u.department());
    };
    ASSERT_TRUE(store.updateUser(1, z.UserNo, rename));
    EXPECT_EQ(store.firstOutOfNameOrder(), 1);
    EXPECT_TRUE(store.sortByName());
    EXPECT_FALSE(store.sortByName());
    rename(z);
    EXPECT_EQ(store.readUser(0), z);
    EXPECT_EQ(lastNames(), QStringList({"Avdeev", "Orlov"}));
    EXPECT_EQ(leftovers(), QStringList());
    // All 64 bits are compared; identifier 0 finds the first person without a dosimeter.
    EXPECT_EQ(QList<int>({store.findUserByIdentifier(0x0123456789012345LL),
                          store.findUserByIdentifier(0x89012345), store.findUserByIdentifier(0)}),
              QList<int>({2, 0, 1}));
    EXPECT_EQ(store.findUserIndex(2), 0);

    SCOPED_TRACE("a record that holds someone else now, or none, is not written");
    const QByteArray before = bytesOf(store.userPath());
    bool called = false;
    for (auto [index, userNo] : {std::pair{1LL, 2}, {5LL, 1}, {0LL, 1}, {2LL, 2}}) {
        EXPECT_FALSE(store.updateUser(index, userNo, [&](UserRecord&) { called = true; }));
        EXPECT_FALSE(changePerson(store, index, userNo, {"Abc", "Def", "", ""}));
        EXPECT_FALSE(clearDoseRateLines(store, index, userNo));
    }
    EXPECT_FALSE(called);
    EXPECT_EQ(bytesOf(store.userPath()), before);
}

TEST_F(StoreTest, PartialRecordIsNotReadAndIsOverwrittenByTheNextAppend) {
    add({"A"});
    writeFile(dir.filePath("DB/DataUsers.usr"), bytesOf(store.userPath()) + QByteArray(100, 'x'));
    EXPECT_EQ(store.appendPerson("B", "b", "", ""), 2);
    EXPECT_EQ(bytesOf(store.userPath()).size(), 2 * kUserRecordSize);
    HistoryRecord h{1, 0.5, 0.25, 0.25, 1, 0x1234};
    QByteArray one(kHistoryRecordSize, '\0');
    h.toBytes(one.data());
    writeFile(dir.filePath("DB/DataHist.hst"), one + QByteArray(47, '\1'));
    store.appendHistory(h);
    EXPECT_EQ(bytesOf(store.historyPath()), one + one);
}

TEST_F(StoreTest, FailuresLeaveEveryFileAsItWas) {
    add({"Zuev", "Orlov"});
    store.saveSettings(SettingsRecord::defaults(1));
    store.appendHistory({1, 0.5, 0.25, 0.25, 1, 0x1234});
    Store readOnly(dir.path().toStdString(), true);
    Store missing((dir.path() + "/no/such/place").toStdString());
    QTemporaryDir oddDir; // a short settings file, the history a directory
    Store odd(oddDir.path().toStdString());
    odd.ensureDataDir();
    writeFile(oddDir.filePath("Sarvo.ini"), QByteArray(20, '\0'));
    fs::create_directory(odd.historyPath());
    SettingsRecord settings;
    const QString denied = "File access denied", full = "Disk full";
    const struct {
        const char* name;
        std::function<void()> operation;
        QString text;
        std::size_t space = SIZE_MAX; // for replacements
    } cases[] = {
        {"past the end", [&] { store.readUser(2); }, "Read beyond end of file"},
        {"short settings", [&] { odd.loadSettings(1); }, "Read beyond end of file"},
        {"history is a folder", [&] { odd.appendHistory({}); }, "Invalid filename"},
        {"no directory", [&] { missing.userCount(); }, "File not found"},
        {"read-only write", [&] { readOnly.writeUser(0, readOnly.readUser(0)); }, denied},
        {"read-only update", [&] { readOnly.updateUser(0, 1, [](UserRecord&) {}); }, denied},
        {"read-only add", [&] { readOnly.addPerson("A", "B", "", ""); }, denied},
        {"read-only sort", [&] { readOnly.sortByName(); }, denied},
        {"read-only reading", [&] { readOnly.appendHistory({}); }, denied},
        {"read-only settings", [&] { readOnly.saveSettings(settings); }, denied},
        {"read-only port", [&] { readOnly.savePortChoice("COM2", settings); }, denied},
        {"read-only lines", [&] { clearDoseRateLines(readOnly, 0, 1); }, denied},
        {"settings, disk full", [&] { store.saveLanguageChoice(3, settings); }, full, 10},
        {"name order, disk full", [&] { store.addPerson("Abramov", "A", "", ""); }, full, 100}};
    const auto files = [&] {
        return QByteArrayList{bytesOf(store.userPath()), bytesOf(store.settingsPath()),
                              bytesOf(store.historyPath()), leftovers().join(' ').toUtf8()};
    };
    const QByteArrayList before = files();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setReplacementSpaceForTest(c.space);
        EXPECT_EQ(failureOf(c.operation), c.text);
        setReplacementSpaceForTest(SIZE_MAX);
        EXPECT_EQ(files(), before);
    }
}

TEST_F(StoreTest, UnwritableDataDirectoryGivesAccessDenied) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root: permissions do not stop root";
    fs::permissions(store.dataDir(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(failureOf([&] { store.appendPerson("A", "a", "", ""); }), "File access denied");
    fs::permissions(store.dataDir(), fs::perms::owner_all);
}

TEST_F(StoreTest, PlantedLinksAtTemporaryNamesAreNotWrittenThrough) {
    add({"Zuev", "Orlov"});
    QTemporaryDir outside;
    const QString victim = outside.filePath("victim");
    writeFile(victim, "keep");
    // The first names tried are links to the victim (and a dangling one); the fourth is free.
    setTemporaryNamesForTest([](const fs::path& target, int attempt) {
        return fs::path(target.string() + "." + std::to_string(attempt) + ".tmp");
    });
    for (int k = 0; k < 3; ++k) {
        const std::string tail = "." + std::to_string(k) + ".tmp";
        fs::create_symlink(k == 2 ? outside.filePath("none").toStdString() : victim.toStdString(),
                           store.userPath().string() + tail);
        fs::create_symlink(victim.toStdString(), store.settingsPath().string() + tail);
    }
    EXPECT_TRUE(store.sortByName());
    EXPECT_EQ(store.addPerson("Abramov", "A", "", ""), 3);
    store.saveSettings(SettingsRecord::defaults(1));

    EXPECT_EQ(bytesOf(victim.toStdString()), QByteArray("keep"));
    EXPECT_FALSE(QFile::exists(outside.filePath("none")));
    EXPECT_TRUE(fs::is_symlink(store.userPath().string() + ".0.tmp"));
    EXPECT_FALSE(fs::is_symlink(store.userPath()));
    EXPECT_EQ(lastNames(), QStringList({"Abramov", "Orlov", "Zuev"}));
}

// New files are the owner's; a replacement keeps the mode of the file it replaces, and the lock
// file takes the mode of the user file.
TEST_F(StoreTest, ModesOfNewAndReplacedFiles) {
    add({"Zuev"});
    const auto mode = [](const fs::path& path) { return fs::status(path).permissions(); };
    EXPECT_EQ(std::pair(mode(store.dataDir()), mode(store.userPath())),
              std::pair(fs::perms::owner_all, fs::perms(0600)));
    const auto shared = fs::perms(0664), ownerAndGroup = fs::perms(0640);
    fs::permissions(store.userPath(), shared);
    store.saveSettings(SettingsRecord::defaults(1));
    fs::permissions(store.settingsPath(), ownerAndGroup);
    addPerson(store, {"Abramov", "A", "", ""});
    SettingsRecord inMemory;
    store.savePortChoice("ttyUSB0", inMemory);
    EXPECT_EQ(mode(store.userPath()), shared);
    EXPECT_EQ(mode(store.settingsPath()), ownerAndGroup);
    EXPECT_EQ(mode(store.dataDir() / "Write.lock"), shared);
}

// A data file that is no regular file, and a directory that is missing, are refused by every
// command that uses them.
TEST_F(StoreTest, DataFilesThatAreNotRegularFilesAreRefused) {
    fs::create_symlink("/dev/zero", store.userPath());
    ASSERT_EQ(::mkfifo(store.historyPath().c_str(), 0600), 0);
    const QString missing = dir.path() + "/missing";
    for (const char* line :
         {"persons", "history --person 1", "check", "export persons -o @/out.txt",
          "add-person --last A --first B", "change-person --person 1 --last C",
          "register --person 1 --id 12", "settings"}) {
        SCOPED_TRACE(line);
        const QStringList args = QString(line).replace('@', dir.path()).split(' ');
        for (const auto& [at, error] :
             {std::pair{missing, "Directory not found"},
              {dir.path(), " is not a regular file; it is neither read nor written."}}) {
            const test::ToolResult r = test::runTool(args + QStringList{"--dir", at}, "C");
            // settings uses neither data file
            const bool refused = args[0] != "settings" || at == missing;
            EXPECT_EQ(r.code == 1 && r.err.contains(error), refused) << r.err.toStdString();
        }
    }
    EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(StoreTest, SummariesListPersonsInFileOrderUntilStopped) {
    add({"Orlov", "Zuev", "Avdeev"});
    QStringList seen;
    store.forEachUserSummary([&](long long index, const UserSummary& u) {
        seen << QString("%1 %2 %3 %4").arg(index).arg(fromCp1251(u.LN)).arg(u.UserNo).arg(u.ED);
        return index < 1;
    });
    EXPECT_EQ(seen, QStringList({"0 Orlov 1 0", "1 Zuev 2 0"}));
}

// The window's background push reads in a thread of its own: threads exclude each other as
// processes do, and a thread's own guards nest.
TEST_F(StoreTest, TheLockExcludesOtherThreadsAndNestsWithinOne) {
    using namespace std::chrono_literals;
    const auto attempt = [this](DataLock::Kind kind) {
        bool busy = false;
        std::thread([&] {
            try {
                DataLock guard(store.dataDir(), kind, 50ms);
            } catch (const DataBusyError&) {
                busy = true;
            }
        }).join();
        return busy;
    };
    store.writeLock(); // makes the lock file
    {
        DataLock shared = store.readLock();
        EXPECT_FALSE(attempt(DataLock::Kind::Shared));
        EXPECT_TRUE(attempt(DataLock::Kind::Exclusive));
        DataLock inner = store.writeLock(); // turned exclusive: no other thread now
        EXPECT_TRUE(attempt(DataLock::Kind::Shared));
    }
    EXPECT_FALSE(attempt(DataLock::Kind::Exclusive));
}
