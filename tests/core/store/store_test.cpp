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
#include <unistd.h>

using namespace sarvo;
using namespace sarvo::testdata;
namespace fs = std::filesystem;

namespace {

QStringList lastNames(Store& store) {
    QStringList names;
    for (const UserRecord& u : store.readUsers())
        names << u.lastName();
    return names;
}

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
    // Temporary files of replacements left in the base or the data directory.
    QStringList leftovers() {
        return QDir(dir.path()).entryList({"*.tmp"}, QDir::Files | QDir::System) +
               QDir(dir.path() + "/DB").entryList({"*.tmp"}, QDir::Files | QDir::System);
    }

    QTemporaryDir dir;
    Store store{dir.path().toStdString()};
};

} // namespace

TEST_F(StoreTest, MissingFiles) {
    QTemporaryDir other;
    Store readOnly(other.path().toStdString(), true);
    readOnly.ensureDataDir();
    EXPECT_EQ(readOnly.userCount() + readOnly.historyCount(), 0);
    EXPECT_FALSE(readOnly.readSettings().has_value());
    EXPECT_FALSE(fs::exists(readOnly.dataDir()) || fs::exists(readOnly.settingsPath()));

    EXPECT_EQ(store.userCount() + store.historyCount(), 0);
    EXPECT_EQ(store.findUserByIdentifier(0x1234), 0);
    EXPECT_TRUE(fs::exists(store.userPath()) && fs::exists(store.historyPath()));
    store.appendPerson("A", "B", "", "");
    EXPECT_EQ(fs::status(store.dataDir()).permissions(), fs::perms::owner_all);
    EXPECT_EQ(fs::status(store.userPath()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(StoreTest, NameOrderLooksAtThreeCharacters) {
    const std::pair<QStringList, QStringList> cases[] = {
        {{"Sidorov", "Ivanov", "Petrov"}, {"Ivanov", "Petrov", "Sidorov"}},
        {{"Smithson", "Smith"}, {"Smithson", "Smith"}},
        {{"Smith", "Smithson"}, {"Smith", "Smithson"}},
        {{"Smb", "Sma"}, {"Sma", "Smb"}}, // the third character decides
        {{"Abc", "Ab"}, {"Abc", "Ab"}},
        {{"Ab", "Abc"}, {"Ab", "Abc"}},
        {{"abc", "Abc"}, {"Abc", "abc"}},
        // Incomparable neighbours: bubble passes decide, not a sort by key.
        {{"Abd", "Ab", "Abc"}, {"Abd", "Ab", "Abc"}},
    };
    for (const auto& [before, after] : cases) {
        SCOPED_TRACE(before.join(',').toStdString());
        fs::remove(store.userPath());
        add(before);
        EXPECT_EQ(store.sortByName(), before != after);
        EXPECT_EQ(lastNames(store), after);
        EXPECT_EQ(store.firstOutOfNameOrder(), -1);
    }
}

TEST_F(StoreTest, NameOrderMovesWholeRecords) {
    add({"Orlov", "Zuev"});
    UserRecord z = store.readUser(1);
    z.ED = 2.5;
    z.DosimeterId = 0x0123456789012345LL;
    z.MED[42] = "line";
    store.writeUser(1, z);
    ASSERT_TRUE(store.updateUser(1, z.UserNo, [](UserRecord& u) {
        u.setTexts("Avdeev", u.firstName(), u.middleName(), u.department());
    }));
    EXPECT_EQ(store.firstOutOfNameOrder(), 1);
    EXPECT_TRUE(store.sortByName());
    EXPECT_FALSE(store.sortByName());
    z.setTexts("Avdeev", z.firstName(), z.middleName(), z.department());
    EXPECT_EQ(store.readUser(0), z);
    EXPECT_EQ(store.readUser(1).lastName(), "Orlov");
    EXPECT_EQ(leftovers(), QStringList());
    SCOPED_TRACE("a record that holds someone else now is not updated");
    bool called = false;
    EXPECT_FALSE(store.updateUser(1, 2, [&](UserRecord&) { called = true; }));
    EXPECT_FALSE(store.updateUser(5, 1, [&](UserRecord&) { called = true; }));
    EXPECT_FALSE(called);
}

TEST_F(StoreTest, FindByIdentifierComparesAll64Bits) {
    add({"A", "B", "C"});
    for (auto [index, id] : {std::pair{1, 0x1000000000001234LL}, {2, 0x1234LL}}) {
        UserRecord u = store.readUser(index);
        u.DosimeterId = id;
        store.writeUser(index, u);
    }
    EXPECT_EQ(store.findUserByIdentifier(0x1234), 3);
    EXPECT_EQ(store.findUserByIdentifier(0x1000000000001234LL), 2);
    EXPECT_EQ(store.findUserByIdentifier(0x5678), 0);
    EXPECT_EQ(store.findUserByIdentifier(0), 1); // the first person without a dosimeter
    EXPECT_EQ(store.findUserIndex(3), 2);
    EXPECT_EQ(store.findUserIndex(9), -1);
}

TEST_F(StoreTest, PartialRecordIsNotReadAndIsOverwrittenByTheNextAppend) {
    add({"A"});
    writeFile(dir.filePath("DB/DataUsers.usr"), bytesOf(store.userPath()) + QByteArray(100, 'x'));
    EXPECT_EQ(store.userCount(), 1);
    EXPECT_EQ(store.appendPerson("B", "b", "", ""), 2);
    EXPECT_EQ(bytesOf(store.userPath()).size(), 2 * kUserRecordSize);

    HistoryRecord h{1, 0.5, 0.25, 0.25, 1, 0x1234};
    store.appendHistory(h);
    writeFile(dir.filePath("DB/DataHist.hst"), bytesOf(store.historyPath()) + QByteArray(47, '\1'));
    EXPECT_EQ(store.historyCount(), 1);
    store.appendHistory(h);
    EXPECT_EQ(bytesOf(store.historyPath()).size(), 2 * kHistoryRecordSize);
    int seen = 0;
    store.forEachHistory([&](long long, const HistoryRecord& r) {
        EXPECT_EQ(r, h);
        return ++seen < 10;
    });
    EXPECT_EQ(seen, 2);
}

TEST_F(StoreTest, SettingsAreCreatedWithDefaultsAndReadBack) {
    SettingsRecord s = store.loadSettings(0);
    EXPECT_EQ(s.LangIndex, 0);
    EXPECT_EQ(bytesOf(store.settingsPath()), SettingsRecord::defaults(0).toFileBytes());
    s.setPortName("COM3");
    store.saveSettings(s);
    EXPECT_EQ(store.loadSettings(1).portName(), "COM3"); // the file wins over the default
    EXPECT_TRUE(store.saveLanguageChoice(2, s));
    EXPECT_EQ(static_cast<int>(bytesOf(store.settingsPath())[5]), 2);
    EXPECT_EQ(s.portName(), "COM3");
    SCOPED_TRACE("without a settings file the language choice writes nothing");
    fs::remove(store.settingsPath());
    EXPECT_FALSE(store.saveLanguageChoice(3, s));
    EXPECT_FALSE(fs::exists(store.settingsPath()));
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
        std::size_t space; // for replacements
        std::function<void()> operation;
        QString text;
    } cases[] = {
        {"past the end", SIZE_MAX, [&] { store.readUser(2); }, "Read beyond end of file"},
        {"short settings", SIZE_MAX, [&] { odd.loadSettings(1); }, "Read beyond end of file"},
        {"history is a folder", SIZE_MAX, [&] { odd.appendHistory({}); }, "Invalid filename"},
        {"no directory", SIZE_MAX, [&] { missing.userCount(); }, "File not found"},
        {"read-only write", SIZE_MAX, [&] { readOnly.writeUser(0, readOnly.readUser(0)); }, denied},
        {"read-only update", SIZE_MAX, [&] { readOnly.updateUser(0, 1, [](UserRecord&) {}); },
         denied},
        {"read-only add", SIZE_MAX, [&] { readOnly.addPerson("A", "B", "", ""); }, denied},
        {"read-only sort", SIZE_MAX, [&] { readOnly.sortByName(); }, denied},
        {"read-only reading", SIZE_MAX, [&] { readOnly.appendHistory({}); }, denied},
        {"read-only settings", SIZE_MAX, [&] { readOnly.saveSettings(settings); }, denied},
        {"read-only port", SIZE_MAX, [&] { readOnly.savePortChoice("COM2", settings); }, denied},
        {"read-only lines", SIZE_MAX, [&] { clearDoseRateLines(readOnly, 0, 1); }, denied},
        {"settings, disk full", 10, [&] { store.saveLanguageChoice(3, settings); }, full},
        {"name order, disk full", 100, [&] { store.addPerson("Abramov", "A", "", ""); }, full},
    };
    const QByteArray users = bytesOf(store.userPath()), ini = bytesOf(store.settingsPath()),
                     history = bytesOf(store.historyPath());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setReplacementSpaceForTest(c.space);
        EXPECT_EQ(failureOf(c.operation), c.text);
        setReplacementSpaceForTest(SIZE_MAX);
        EXPECT_EQ(bytesOf(store.userPath()), users);
        EXPECT_EQ(bytesOf(store.settingsPath()), ini);
        EXPECT_EQ(bytesOf(store.historyPath()), history);
        EXPECT_EQ(leftovers(), QStringList());
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
    EXPECT_EQ(lastNames(store), QStringList({"Abramov", "Orlov", "Zuev"}));
}

TEST_F(StoreTest, ReplacementsKeepTheModeAndTheLockFileTakesIt) {
    add({"Zuev"});
    const auto shared = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                        fs::perms::group_write | fs::perms::others_read;
    const auto ownerAndGroup =
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(store.userPath(), shared);
    store.saveSettings(SettingsRecord::defaults(1));
    fs::permissions(store.settingsPath(), ownerAndGroup);
    addPerson(store, {"Abramov", "A", "", ""});
    SettingsRecord inMemory;
    store.savePortChoice("ttyUSB0", inMemory);
    EXPECT_EQ(fs::status(store.userPath()).permissions(), shared);
    EXPECT_EQ(fs::status(store.settingsPath()).permissions(), ownerAndGroup);
    EXPECT_EQ(fs::status(store.dataDir() / "Write.lock").permissions(), shared);
}

TEST_F(StoreTest, DataFilesThatAreNotRegularFilesAreRefused) {
    fs::create_symlink("/dev/zero", store.userPath());
    EXPECT_EQ(failureOf([&] { store.userCount(); }),
              QString::fromStdString(store.userPath().string()) +
                  " is not a regular file; it is neither read nor written.");
    ASSERT_EQ(::mkfifo(store.historyPath().c_str(), 0600), 0);
    for (const QStringList& args :
         {QStringList{"persons"}, QStringList{"check"}, QStringList{"history", "--person", "1"},
          QStringList{"add-person", "--last", "A", "--first", "B"}}) {
        test::ToolResult r = test::runTool(args + QStringList{"--dir", dir.path()}, "C");
        EXPECT_EQ(r.code, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("is not a regular file")) << r.err.toStdString();
    }
}

TEST(ToolDirectoryTest, MissingDirectoryIsAnErrorForEveryCommand) {
    QTemporaryDir dir;
    const QString missing = dir.path() + "/missing";
    for (const QStringList& args :
         {QStringList{"persons"}, QStringList{"history", "--person", "1"}, QStringList{"check"},
          QStringList{"export", "persons", "-o", dir.path() + "/out.txt"},
          QStringList{"add-person", "--last", "A", "--first", "B"},
          QStringList{"change-person", "--person", "1", "--last", "C"},
          QStringList{"register", "--person", "1", "--id", "12"}, QStringList{"settings"}}) {
        test::ToolResult r = test::runTool(args + QStringList{"--dir", missing}, "C");
        EXPECT_EQ(r.code, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("Directory not found")) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(missing));
}

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
