#include "core/store/store.h"
#include "core/store/store_error.h"

#include <QFile>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace sarvo;
namespace fs = std::filesystem;

namespace {

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        store.ensureDataDir();
    }
    QByteArray fileBytes(const fs::path& path) {
        QFile f(QString::fromStdString(path.string()));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
    void writeBytes(const fs::path& path, const QByteArray& bytes) {
        QFile f(QString::fromStdString(path.string()));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QStringList lastNames() {
        QStringList names;
        for (const UserRecord& u : store.readUsers())
            names << u.lastName();
        return names;
    }
    std::string failureOf(const std::function<void()>& operation) {
        try {
            operation();
        } catch (const StoreError& e) {
            return e.text().toStdString();
        }
        return "no failure";
    }

    QTemporaryDir dir;
    Store store{dir.path().toStdString()};
};

} // namespace

TEST_F(StoreTest, ReadersCreateMissingFilesEmpty) {
    EXPECT_EQ(store.userCount(), 0);
    EXPECT_EQ(store.findUserByIdentifier(0x1234), 0);
    EXPECT_TRUE(fs::exists(store.userPath()));
    EXPECT_EQ(store.historyCount(), 0);
    EXPECT_TRUE(fs::exists(store.historyPath()));
}

TEST_F(StoreTest, ReadOnlyStoreCreatesNothing) {
    QTemporaryDir other;
    Store readOnly(other.path().toStdString(), true);
    readOnly.ensureDataDir();
    EXPECT_EQ(readOnly.userCount(), 0);
    EXPECT_EQ(readOnly.historyCount(), 0);
    EXPECT_FALSE(readOnly.readSettings().has_value());
    EXPECT_FALSE(fs::exists(readOnly.dataDir()));
    EXPECT_FALSE(fs::exists(readOnly.settingsPath()));
}

TEST_F(StoreTest, DataFilesAreForTheOwnerOnly) {
    store.appendPerson("A", "B", "", "");
    EXPECT_EQ(fs::status(store.dataDir()).permissions(), fs::perms::owner_all);
    EXPECT_EQ(fs::status(store.userPath()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(StoreTest, AddingSidorovIvanovPetrovGivesNameOrder) {
    for (const char* name : {"Sidorov", "Ivanov", "Petrov"}) {
        store.appendPerson(name, "X", "", "");
        store.sortByName();
    }
    EXPECT_EQ(lastNames(), QStringList({"Ivanov", "Petrov", "Sidorov"}));
    std::vector<std::int32_t> numbers;
    for (const UserRecord& u : store.readUsers())
        numbers.push_back(u.UserNo);
    EXPECT_EQ(numbers, (std::vector<std::int32_t>{2, 3, 1}));
    EXPECT_EQ(store.appendPerson("Zz", "Y", "", ""), 4);
}

TEST_F(StoreTest, NameOrderLooksAtThreeCharactersOnly) {
    struct Case {
        QStringList before;
        QStringList after;
    } cases[] = {
        {{"Smithson", "Smith"}, {"Smithson", "Smith"}},
        {{"Smith", "Smithson"}, {"Smith", "Smithson"}},
        {{"Abc", "Ab"}, {"Abc", "Ab"}},
        {{"Ab", "Abc"}, {"Ab", "Abc"}},
        {{"abc", "Abc"}, {"Abc", "abc"}},
        {{"Zeta", "Beta", "Alpha"}, {"Alpha", "Beta", "Zeta"}},
        // Incomparable neighbours: bubble passes decide, not a sort by key.
        {{"Abd", "Ab", "Abc"}, {"Abd", "Ab", "Abc"}},
    };
    for (const Case& c : cases) {
        QTemporaryDir d;
        Store s(d.path().toStdString());
        s.ensureDataDir();
        for (const QString& n : c.before)
            s.appendPerson(n, "F", "", "");
        s.sortByName();
        QStringList got;
        for (const UserRecord& u : s.readUsers())
            got << u.lastName();
        EXPECT_EQ(got, c.after) << c.before.join(',').toStdString();
    }
}

TEST_F(StoreTest, NameOrderMovesWholeRecordsAndReportsChange) {
    store.appendPerson("Orlov", "O", "", "");
    store.appendPerson("Zuev", "Z", "M", "Dep");
    EXPECT_FALSE(store.sortByName());
    UserRecord z = store.readUser(1);
    z.ED = 2.5;
    z.DosimeterId = 0x0123456789012345LL;
    z.MED[42] = "line";
    store.writeUser(1, z);
    ASSERT_TRUE(store.updateUser(1, z.UserNo, [](UserRecord& u) {
        u.setTexts("Avdeev", u.firstName(), u.middleName(), u.department());
    }));
    EXPECT_TRUE(store.sortByName());
    EXPECT_FALSE(store.sortByName());
    UserRecord first = store.readUser(0);
    EXPECT_EQ(first.lastName(), "Avdeev");
    EXPECT_EQ(first.ED, 2.5);
    EXPECT_EQ(first.DosimeterId, 0x0123456789012345LL);
    EXPECT_EQ(first.MED[42], QByteArray("line"));
    EXPECT_EQ(first.UserNo, 2);
    EXPECT_EQ(store.readUser(1).lastName(), "Orlov");
    EXPECT_FALSE(fs::exists(store.userPath().string() + ".tmp"));
}

TEST_F(StoreTest, UpdateRefusesARecordThatHoldsSomeoneElse) {
    store.appendPerson("B", "x", "", "");
    store.appendPerson("A", "y", "", "");
    store.sortByName(); // UserNo 2 is now record 0
    bool called = false;
    EXPECT_FALSE(store.updateUser(0, 1, [&](UserRecord&) { called = true; }));
    EXPECT_FALSE(called);
    EXPECT_FALSE(store.updateUser(5, 1, [&](UserRecord&) { called = true; }));
    EXPECT_EQ(store.readUser(0).lastName(), "A");
}

TEST_F(StoreTest, FindByIdentifierComparesAll64Bits) {
    store.appendPerson("A", "a", "", "");
    store.appendPerson("B", "b", "", "");
    store.appendPerson("C", "c", "", "");
    UserRecord b = store.readUser(1);
    b.DosimeterId = 0x1000000000001234LL;
    store.writeUser(1, b);
    UserRecord c = store.readUser(2);
    c.DosimeterId = 0x1234;
    store.writeUser(2, c);
    EXPECT_EQ(store.findUserByIdentifier(0x1234), 3);
    EXPECT_EQ(store.findUserByIdentifier(0x1000000000001234LL), 2);
    EXPECT_EQ(store.findUserByIdentifier(0x5678), 0);
    EXPECT_EQ(store.findUserByIdentifier(0), 1); // the first person without a dosimeter
    EXPECT_EQ(store.findUserIndex(3), 2);
    EXPECT_EQ(store.findUserIndex(9), -1);
}

TEST_F(StoreTest, PartialRecordIsNotReadAndIsOverwrittenByTheNextAppend) {
    store.appendPerson("A", "a", "", "");
    QByteArray bytes = fileBytes(store.userPath());
    bytes.append(QByteArray(100, 'x'));
    writeBytes(store.userPath(), bytes);
    EXPECT_EQ(store.userCount(), 1);
    EXPECT_EQ(store.appendPerson("B", "b", "", ""), 2);
    EXPECT_EQ(fileBytes(store.userPath()).size(), 2 * kUserRecordSize);

    HistoryRecord h{1, 0.5, 0.25, 0.25, 1, 0x1234};
    store.appendHistory(h);
    writeBytes(store.historyPath(), fileBytes(store.historyPath()) + QByteArray(47, '\1'));
    EXPECT_EQ(store.historyCount(), 1);
    store.appendHistory(h);
    EXPECT_EQ(fileBytes(store.historyPath()).size(), 2 * kHistoryRecordSize);
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
    EXPECT_TRUE(s.PortName.isEmpty());
    EXPECT_EQ(fileBytes(store.settingsPath()), SettingsRecord::defaults(0).toFileBytes());
    s.setPortName("COM3");
    store.saveSettings(s);
    EXPECT_EQ(store.loadSettings(1).portName(), "COM3"); // the file wins over the default
    EXPECT_TRUE(store.saveLanguageChoice(2, s));
    EXPECT_EQ(static_cast<int>(fileBytes(store.settingsPath())[5]), 2);
    EXPECT_EQ(s.portName(), "COM3");
    // Without a settings file the language choice writes nothing.
    fs::remove(store.settingsPath());
    EXPECT_FALSE(store.saveLanguageChoice(3, s));
    EXPECT_FALSE(fs::exists(store.settingsPath()));
}

TEST_F(StoreTest, ShortSettingsFileCannotBeRead) {
    writeBytes(store.settingsPath(), QByteArray(20, '\0'));
    EXPECT_EQ(failureOf([&] { store.loadSettings(1); }), "Read beyond end of file");
}

TEST_F(StoreTest, FailuresCarryTheirTexts) {
    EXPECT_EQ(failureOf([&] { store.readUser(0); }), "Read beyond end of file");

    Store missing((dir.path() + "/no/such/place").toStdString());
    EXPECT_EQ(failureOf([&] { missing.userCount(); }), "File not found");

    fs::remove(store.historyPath());
    fs::create_directory(store.historyPath());
    EXPECT_EQ(failureOf([&] { store.appendHistory({}); }), "Invalid filename");
}

TEST_F(StoreTest, UnwritableDataDirectoryGivesAccessDenied) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root: permissions do not stop root";
    fs::permissions(store.dataDir(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(failureOf([&] { store.appendPerson("A", "a", "", ""); }), "File access denied");
    fs::permissions(store.dataDir(), fs::perms::owner_all);
}
