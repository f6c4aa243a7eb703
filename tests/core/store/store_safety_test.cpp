// Replacements, the lock file and files that are not what they should be.
#include "core/store/person_ops.h"
#include "core/store/store.h"
#include "core/store/store_error.h"
#include "tool/run_tool.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace sarvo;
namespace fs = std::filesystem;

namespace {

class StoreSafetyTest : public ::testing::Test {
protected:
    void SetUp() override {
        store.ensureDataDir();
        store.appendPerson("Zuev", "Z", "", "");
        store.appendPerson("Orlov", "O", "", "");
    }
    void TearDown() override { setTemporaryNamesForTest(nullptr); }
    QTemporaryDir dir;
    Store store{dir.path().toStdString()};
};

QString textOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const StoreError& e) {
        return e.text();
    }
    return QString();
}

} // namespace

TEST_F(StoreSafetyTest, PlantedLinksAtTemporaryNamesAreNotWrittenThrough) {
    QTemporaryDir outside;
    const fs::path victim = fs::path(outside.path().toStdString()) / "victim";
    QFile v(QString::fromStdString(victim.string()));
    ASSERT_TRUE(v.open(QIODevice::WriteOnly));
    v.write("keep");
    v.close();
    // The first names tried are links to the victim (and a dangling one); the fourth is free.
    setTemporaryNamesForTest([](const fs::path& target, int attempt) {
        fs::path name = target;
        name += "." + std::to_string(attempt) + ".tmp";
        return name;
    });
    for (int k = 0; k < 3; ++k) {
        fs::path name = store.userPath();
        name += "." + std::to_string(k) + ".tmp";
        fs::create_symlink(k == 2 ? outside.path().toStdString() + "/none" : victim.string(), name);
        fs::path settingsName = store.settingsPath();
        settingsName += "." + std::to_string(k) + ".tmp";
        fs::create_symlink(victim, settingsName);
    }
    EXPECT_TRUE(store.sortByName());
    EXPECT_EQ(store.addPerson("Abramov", "A", "", ""), 3);
    store.saveSettings(SettingsRecord::defaults(1));

    EXPECT_EQ(v.open(QIODevice::ReadOnly) ? v.readAll() : QByteArray(), QByteArray("keep"));
    EXPECT_FALSE(fs::exists(fs::path(outside.path().toStdString()) / "none"));
    EXPECT_TRUE(fs::is_symlink(store.userPath().string() + ".0.tmp"));
    EXPECT_FALSE(fs::is_symlink(store.userPath()));
    QStringList names;
    for (const UserRecord& u : store.readUsers())
        names << u.lastName();
    EXPECT_EQ(names, QStringList({"Abramov", "Orlov", "Zuev"}));
}

TEST_F(StoreSafetyTest, ReplacementsKeepTheModeAndTheLockFileTakesIt) {
    const auto shared = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                        fs::perms::group_write | fs::perms::others_read;
    fs::permissions(store.userPath(), shared);
    store.saveSettings(SettingsRecord::defaults(1));
    fs::permissions(store.settingsPath(),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    addPerson(store, {"Abramov", "A", "", ""});
    SettingsRecord inMemory;
    store.savePortChoice("ttyUSB0", inMemory);
    EXPECT_EQ(fs::status(store.userPath()).permissions(), shared);
    EXPECT_EQ(fs::status(store.settingsPath()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(fs::status(store.dataDir() / "Write.lock").permissions(), shared);
}

TEST_F(StoreSafetyTest, ReadOnlyStoreRefusesEveryWrite) {
    Store readOnly(dir.path().toStdString(), true);
    const QByteArray denied = "File access denied";
    SettingsRecord settings;
    const std::function<void()> writes[] = {
        [&] { readOnly.writeUser(0, readOnly.readUser(0)); },
        [&] { readOnly.updateUser(0, 1, [](UserRecord&) {}); },
        [&] { readOnly.addPerson("A", "B", "", ""); },
        [&] { readOnly.sortByName(); },
        [&] { readOnly.appendHistory({}); },
        [&] { readOnly.saveSettings(settings); },
        [&] { readOnly.savePortChoice("COM2", settings); },
        [&] { clearDoseRateLines(readOnly, 0, 1); },
    };
    for (const auto& write : writes)
        EXPECT_EQ(textOf(write).toUtf8(), denied);
    EXPECT_EQ(store.readUser(0).lastName(), "Zuev");
    EXPECT_EQ(readOnly.userCount(), 2);
}

TEST_F(StoreSafetyTest, DataFilesThatAreNotRegularFilesAreRefused) {
    fs::remove(store.userPath());
    fs::create_symlink("/dev/zero", store.userPath());
    EXPECT_TRUE(textOf([&] { store.userCount(); }).contains("is not a regular file"));
    fs::remove(store.historyPath());
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
