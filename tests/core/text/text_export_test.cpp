#include "core/store/store.h"
#include "core/text/dose_rate_log.h"
#include "core/text/text_export.h"
#include "core/text/text_forms.h"
#include "report_test_data.h"
#include "tool/run_tool.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using namespace sarvo;
using namespace sarvo::testdata;
namespace fs = std::filesystem;

namespace {

const ValueFormats kRussian(QLocale(QStringLiteral("ru_RU")));
const QByteArray kSpacer = " \r\n";

// Up to the last spacer line: all an empty user file gives (exactly five lines).
const QByteArray kPersonsHead = kSpacer + " " + cp("Список") + kCrLf + kSpacer + blanks(29) +
                                cp("ФИО") + blanks(29) + cp("Отдел") + blanks(15) + cp("Дозиметр") +
                                blanks(12) + cp("Номер") + blanks(14) + kCrLf + kSpacer;

// Three persons in name order; Petrov has no dosimeter, the second a 20-character last name.
const QByteArray kPersonsFile =
    kPersonsHead + blanks(2) + cp("Иванов") + blanks(14) + cp("Иван") + blanks(16) +
    cp("Иванович") + blanks(12) + cp("Отдел 1") + blanks(13) + "0000000001234567" + blanks(4) +
    "1" + blanks(17) + kCrLf + blanks(2) + cp("Мамин-Сибиряк-Петров") + cp("Дмитрий") + blanks(13) +
    cp("Наркисович") + blanks(10) + cp("Лаборатория") + blanks(9) + "0000000000000012" + blanks(4) +
    "2" + blanks(17) + kCrLf + blanks(2) + cp("Петров") + blanks(14) + cp("Петр") + blanks(56) +
    "0000000000000000" + blanks(4) + "3" + blanks(17) + kCrLf;

const QByteArray kHistoryHead = kSpacer + " " + cp("История:") + "  " +
                                cp(" Иванов Иван Иванович") + kCrLf + kSpacer + blanks(2) +
                                cp("Дата") + blanks(16) + cp("Время") + blanks(15) + cp("Доза") +
                                blanks(16) + cp("Сумма") + blanks(15) + cp("Дозиметр") +
                                blanks(12) + cp("Номер") + blanks(13) + kCrLf + kSpacer;

// Ivanov's readings of 1 to 5 December 2026: 12 → "12", 0.05 → "0,05".
const QByteArray kHistoryFile =
    kHistoryHead + blanks(2) + "01.12.2026" + blanks(10) + "08:30:15" + blanks(12) + "12" +
    blanks(18) + "12,05" + blanks(15) + "0000000001234567" + blanks(4) + "1" + blanks(17) + kCrLf +
    blanks(2) + "05.12.2026" + blanks(10) + "17:00:00" + blanks(12) + "0,05" + blanks(16) + "12,1" +
    blanks(16) + "0000000001234567" + blanks(4) + "1" + blanks(17) + kCrLf;

class TextExportTest : public ::testing::Test {
protected:
    void SetUp() override { store.ensureDataDir(); }

    // The persons of kPersonsFile; readings of Ivanov (UserNo 1) around 1 to 5 December.
    void addPersonsAndReadings() {
        store.appendPerson("Иванов", "Иван", "Иванович", "Отдел 1");
        store.appendPerson("Мамин-Сибиряк-Петров", "Дмитрий", "Наркисович", "Лаборатория");
        store.appendPerson("Петров", "Петр", "", "");
        for (auto [index, id] : {std::pair{0, 0x1234567LL}, {1, 0x12LL}}) {
            UserRecord u = store.readUser(index);
            u.DosimeterId = id;
            store.writeUser(index, u);
        }
        for (auto [userNo, d, time, dose, sum] : {std::tuple{1, 30, QTime(10, 0), 0.05, 0.05},
                                                  {1, 1, QTime(8, 30, 15), 12.0, 12.05},
                                                  {2, 2, QTime(9, 0), 1.0, 1.0},
                                                  {0, 3, QTime(9, 0), 1.0, 1.0},
                                                  {1, 5, QTime(17, 0), 0.05, 12.1},
                                                  {1, 6, QTime(9, 0), 1.0, 13.1}})
            store.appendHistory({daysFromDate(QDate(2026, d == 30 ? 11 : 12, d)),
                                 fractionFromTime(time), dose, sum, userNo, 0x1234567});
    }

    fs::path output(const char* name) const { return fs::path(dir.path().toStdString()) / name; }

    // Runs sarvo-tool in the test directory with a Russian locale; its standard output.
    QByteArray tool(const QStringList& arguments) {
        const test::ToolResult r = test::runTool(arguments, "ru_RU.UTF-8", dir.path());
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        return r.out.toUtf8();
    }

    QTemporaryDir dir;
    Store store{dir.path().toStdString()};
    LanguageStrings lang = reportLanguage();
};

} // namespace

TEST_F(TextExportTest, EmptyUserFileOverAnExistingFileAndFailures) {
    // History without a user file: an empty file.
    exportHistory(store, 0, QString(), HistFilter{}, kRussian, output("history.txt"), lang);
    EXPECT_EQ(bytesOf(output("history.txt")), QByteArray());
    writeFile(dir.filePath("persons.txt"), QByteArray(5000, 'x'));
    exportPersons(store, output("persons.txt"), lang);
    EXPECT_EQ(bytesOf(output("persons.txt")), kPersonsHead);

    EXPECT_EQ(failureOf([&] { exportPersons(store, "/dev/full", lang); }), "Disk full");
    EXPECT_EQ(failureOf([&] { exportPersons(store, output("no/such/dir.txt"), lang); }),
              "File not found");
    EXPECT_EQ(failureOf([&] {
                  exportHistory(store, 7, QString(), HistFilter{}, kRussian, output("h.txt"), lang);
              }),
              "Read beyond end of file");
}

TEST_F(TextExportTest, ToolWritesTheSameBytesAndListsThroughTheFilter) {
    addPersonsAndReadings();
    store.saveSettings(SettingsRecord::defaults(0));
    // Lang.txt: a first line, then the Russian block.
    QByteArray langFile = "header\r\n";
    for (int n = 1; n <= kLanguageLines; ++n)
        langFile += (lang.line(n).isEmpty() ? QByteArray("-") : cp(lang.line(n))) + kCrLf;
    writeFile(dir.filePath("Lang.txt"), langFile);

    tool({"export", "persons", "--dir", dir.path(), "-o", "persons.txt"});
    EXPECT_EQ(bytesOf(output("persons.txt")), kPersonsFile);
    tool({"export", "history", "--person", "1", "--date-from", "01.12.26", "--date-to", "05.12.26",
          "--dir", dir.path(), "-o", "history.txt"});
    EXPECT_EQ(bytesOf(output("history.txt")), kHistoryFile);
    // Petrov has no readings: the head alone.
    exportHistory(store, 2, QStringLiteral(" Иванов Иван Иванович"), HistFilter{}, kRussian,
                  output("history.txt"), lang);
    EXPECT_EQ(bytesOf(output("history.txt")), kHistoryHead);

    const QByteArray csv = tool({"history", "--person", "1", "--date-from", "01.12.26",
                                 "--time-from", "9:00", "--dir", dir.path(), "--csv"});
    EXPECT_EQ(csv.count('\n'), 3) << csv.toStdString(); // header, 5 and 6 December
    EXPECT_TRUE(csv.contains("2026-12-05,17:00:00"));
    EXPECT_TRUE(csv.contains("2026-12-06,09:00:00"));
}

// French and Polish headings stay in the code page of their block of Lang.txt (1252, 1250); the
// names stay Windows-1251 and "№" the byte B9.
TEST_F(TextExportTest, HeadingsKeepTheCodePageOfTheirLanguage) {
    addPersonsAndReadings();
    const std::map<int, QByteArray> french = {{45, "Liste des personnes"},
                                              {46, "Nom"},
                                              {47, "Service"},
                                              {48, "Matricule"},
                                              {49, "N\xB0 dosim\xE8tre"},
                                              {59, "Date"},
                                              {60, "Heure"},
                                              {82, "Journal des d\xE9"
                                                   "bits de dose"},
                                              {83, "Personne :"}};
    const std::map<int, QByteArray> polish = {{48, "Nr osoby"},
                                              {49, "Nr dozymetru"},
                                              {59, "Data"},
                                              {60, "Godzina"},
                                              {61, "Dawka"},
                                              {62, "Dawka \xB3\xB9"
                                                   "czna"},
                                              {74, "Osoba:"}};
    QByteArray langFile;
    for (int block = 0; block < kLanguageCount; ++block) {
        langFile += "block" + kCrLf;
        const std::map<int, QByteArray> none, &lines = block == 3   ? french
                                                       : block == 6 ? polish
                                                                    : none;
        for (int n = 1; n <= kLanguageLines; ++n)
            langFile += (lines.contains(n) ? lines.at(n) : QByteArray("-")) + kCrLf;
    }
    writeFile(dir.filePath("Lang.txt"), langFile);

    store.saveSettings(SettingsRecord::defaults(3));
    tool({"export", "persons", "--dir", dir.path(), "-o", "persons.txt"});
    EXPECT_TRUE(bytesOf(output("persons.txt"))
                    .startsWith(kSpacer + " Liste des personnes" + kCrLf + kSpacer + blanks(29) +
                                "Nom" + blanks(29) + "Service" + blanks(13) + "N\xB0 dosim\xE8tre" +
                                blanks(8) + "Matricule" + blanks(10) + kCrLf + kSpacer + blanks(2) +
                                cp("Иванов")));
    LanguageStrings fr;
    fr.load(dir.path(), 3);
    EXPECT_TRUE(doseRateLogExportText(fr, store.readUser(0), {})
                    .startsWith(kSpacer +
                                " Journal des d\xE9"
                                "bits de dose. Personne : " +
                                cp("Иванов Иван Иванович") + kCrLf + kSpacer + blanks(2) + "\xB9" +
                                blanks(3) + "Date" + blanks(16) + "Heure" + blanks(15) +
                                "Journal des d\xE9"
                                "bits de dose" +
                                kCrLf));

    LanguageStrings pl;
    pl.load(dir.path(), 6);
    exportHistory(store, 0, nameCell(store.readUser(0)), HistFilter{}, kRussian,
                  output("history.txt"), pl);
    EXPECT_TRUE(bytesOf(output("history.txt"))
                    .startsWith(kSpacer + " Osoba:  " + cp(" Иванов Иван Иванович") + kCrLf +
                                kSpacer + blanks(2) + "Data" + blanks(16) + "Godzina" + blanks(13) +
                                "Dawka" + blanks(15) +
                                "Dawka \xB3\xB9"
                                "czna" +
                                blanks(8) + "Nr dozymetru" + blanks(8) + "Nr osoby" + blanks(10) +
                                kCrLf + kSpacer + blanks(2) + "30.11.2026"));
}
