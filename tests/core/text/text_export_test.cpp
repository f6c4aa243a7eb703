#include "core/store/store.h"
#include "core/text/dose_rate_log.h"
#include "core/text/print_listings.h"
#include "core/text/report_test_data.h"
#include "core/text/text_export.h"
#include "core/text/text_forms.h"
#include "tool/run_tool.h"

#include <QMap>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

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
// names stay Windows-1251 and "№" the byte B9. Lines not given are "-".
TEST_F(TextExportTest, HeadingsKeepTheCodePageOfTheirLanguage) {
    addPersonsAndReadings();
    const QByteArray journal = "Journal des d\xE9"
                               "bits de dose",
                     dosimeter = "N\xB0 dosim\xE8tre",
                     total = "Dawka \xB3\xB9"
                             "czna";
    const QMap<std::pair<int, int>, QByteArray> texts = {
        {{3, 45}, "Liste des personnes"}, {{3, 49}, dosimeter}, {{3, 82}, journal},
        {{3, 83}, "Personne :"},          {{6, 62}, total},     {{6, 74}, "Osoba:"}};
    QByteArray langFile;
    for (int block = 0; block < kLanguageCount; ++block) {
        langFile += "block" + kCrLf;
        for (int n = 1; n <= kLanguageLines; ++n)
            langFile += texts.value({block, n}, "-") + kCrLf;
    }
    writeFile(dir.filePath("Lang.txt"), langFile);
    const QByteArray dash = "-";

    store.saveSettings(SettingsRecord::defaults(3));
    tool({"export", "persons", "--dir", dir.path(), "-o", "persons.txt"});
    EXPECT_TRUE(bytesOf(output("persons.txt"))
                    .startsWith(kSpacer + " Liste des personnes" + kCrLf + kSpacer + blanks(29) +
                                dash + blanks(31) + dash + blanks(19) + dosimeter + blanks(8) +
                                dash + blanks(18) + kCrLf + kSpacer + blanks(2) + cp("Иванов")));
    LanguageStrings fr;
    fr.load(dir.path(), 3);
    EXPECT_TRUE(doseRateLogExportText(fr, store.readUser(0), {})
                    .startsWith(kSpacer + " " + journal +
                                ". Personne : " + cp("Иванов Иван Иванович") + kCrLf + kSpacer +
                                blanks(2) + "\xB9" + blanks(3) + dash + blanks(19) + dash +
                                blanks(19) + journal + kCrLf));
    LanguageStrings pl;
    pl.load(dir.path(), 6);
    exportHistory(store, 0, nameCell(store.readUser(0)), HistFilter{}, kRussian,
                  output("history.txt"), pl);
    EXPECT_TRUE(bytesOf(output("history.txt"))
                    .startsWith(kSpacer + " Osoba:  " + cp(" Иванов Иван Иванович") + kCrLf +
                                kSpacer + blanks(2) + dash + blanks(19) + dash + blanks(19) + dash +
                                blanks(19) + total + blanks(8) + dash + blanks(19) + dash +
                                blanks(17) + kCrLf + kSpacer + blanks(2) + "30.11.2026"));
}

namespace {

UserRecord ivanov() {
    UserRecord u;
    u.setTexts("Иванов", "Иван", "Иванович", "");
    return u;
}

const DoseRateLogRow kEntry0{"0", "14.03.2026", "09:30", "12,05 uSv/h"};

} // namespace

TEST(DoseRateLog, SavedLogOfOneNewEntry) {
    const QByteArray expected = " \r\n" + cp(" МЭД. Пользователь Иванов Иван Иванович") + kCrLf +
                                " \r\n" + blanks(2) + "\xB9" + blanks(3) + cp("Дата") + blanks(16) +
                                cp("Время") + blanks(15) + cp("МЭД") + blanks(16) + kCrLf +
                                " \r\n" + blanks(2) + "0" + blanks(3) + "14.03.2026" + blanks(10) +
                                "09:30" + blanks(15) + "12,05 uSv/h" + blanks(8) + kCrLf;
    EXPECT_EQ(doseRateLogExportText(reportLanguage(), ivanov(), {kEntry0, DoseRateLogRow{}}),
              expected);
    EXPECT_EQ(expected.split('\n').at(5).size(), 66); // the last line and its CR
}

TEST(DoseRateLog, PrintedNumbersStandRightAligned) {
    const QStringList lines = doseRateLogPrintLines(
        reportLanguage(), ivanov(),
        {{"7", "14.03.2026", "09:30", "1,5 uSv/h"}, {"12", "15.03.2026", "10:00", "2 uSv/h"}});
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[1], QStringLiteral(" МЭД. Пользователь Иванов Иван Иванович"));
    EXPECT_EQ(lines[3], QStringLiteral("   №   Дата") + QString(13, ' ') + QStringLiteral("Время") +
                            QString(12, ' ') + QStringLiteral("МЭД") + QString(21, ' '));
    EXPECT_EQ(lines[5], QStringLiteral("   7  14.03.2026") + QString(10, ' ') +
                            QStringLiteral("09:30") + QString(15, ' ') +
                            QStringLiteral("1,5 uSv/h") + QString(10, ' '));
    EXPECT_EQ(lines[6].mid(2, 2), QStringLiteral("12"));
    // The saved file keeps a one-digit number in column 3.
    EXPECT_TRUE(doseRateLogExportText(reportLanguage(), ivanov(), {{"7", "", "", ""}})
                    .endsWith(blanks(2) + "7" + blanks(62) + kCrLf));
}

TEST(DoseRateLog, SaveReplacesAFileAndRemovesAPartlyWrittenOne) {
    QTemporaryDir dir;
    const fs::path file = fs::path(dir.path().toStdString()) / "med.txt";
    const QByteArray text = doseRateLogExportText(reportLanguage(), ivanov(), {kEntry0});
    saveDoseRateLog(file, QByteArray(3000, 'x'));
    saveDoseRateLog(file, text);
    EXPECT_EQ(bytesOf(file), text);

    // A file size limit makes the writing fail after 100 bytes.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString failure = failureOf([&] { saveDoseRateLog(file, text); });
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_EQ(failure, QStringLiteral("Disk full"));
    EXPECT_FALSE(fs::exists(file));

    // A file that cannot be created is reported and nothing is removed.
    fs::create_directory(file);
    EXPECT_FALSE(failureOf([&] { saveDoseRateLog(file, text); }).isEmpty());
    EXPECT_TRUE(fs::is_directory(file));
}

TEST(PrintListings, ListOfPersons) {
    const QString longEntry = QStringLiteral(" ") + QString(70, QLatin1Char('N'));
    const QStringList lines = personsListing(
        reportLanguage(),
        {{" Иванов Иван Иванович", "1234567"}, {" Петров Петр ", ""}, {longEntry, ""}, {"", ""}});
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines.mid(0, 3), (QStringList{" ", QString(16, ' ') + "Список", " "}));
    EXPECT_EQ(lines[3],
              QString(19, ' ') + "ФИО" + QString(27, ' ') + "Дозиметр" + QString(23, ' '));
    EXPECT_EQ(lines[4], " ");
    EXPECT_EQ(lines[5],
              "   Иванов Иван Иванович" + QString(38, ' ') + "1234567" + QString(12, ' '));
    EXPECT_EQ(lines[6].mid(61, 3), "---");
    EXPECT_EQ(lines[6].size(), 80);
    // A long entry keeps its characters before column 62 and after the "---".
    EXPECT_EQ(lines[7], "   " + QString(58, 'N') + "---" + QString(9, 'N') + QString(7, ' '));
}

TEST(PrintListings, HistoryTable) {
    const HistoryCells header{" Дата", " Время", "Доза", "Сумма", " Дозиметр"};
    const QStringList lines =
        historyListing(reportLanguage(), " Иванов Иван Иванович", header,
                       {{"05.12.2026", "14:30:15", "0,5 mSv", "12 mSv", "1234567"},
                        {"06.12.2026", "09:00:00", "1 mSv", "13 mSv", ""},
                        {"", "", "", "", ""}});
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[1], "  История:   Иванов Иван Иванович");
    EXPECT_EQ(lines[3], "   Дата" + QString(6, ' ') + " Время" + QString(5, ' ') + "Доза" +
                            QString(7, ' ') + "Сумма" + QString(10, ' ') + " Дозиметр" +
                            QString(21, ' '));
    EXPECT_EQ(lines[5], "  05.12.2026 14:30:15" + QString(5, ' ') + "0,5 mSv" + QString(7, ' ') +
                            "12 mSv" + QString(9, ' ') + "1234567" + QString(18, ' '));
    EXPECT_EQ(lines[6].mid(55, 8), QString(7, ' ') + "-");
    EXPECT_EQ(lines[6].mid(62), "---" + QString(15, ' '));
    EXPECT_EQ(printChartTitle(reportLanguage(), " Иванов Иван Иванович"),
              "История:   Иванов Иван Иванович (ЭД)");
}
