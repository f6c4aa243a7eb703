#include "core/store/store.h"
#include "core/text/dose_rate_log.h"
#include "core/text/print_listings.h"
#include "core/text/program_files.h"
#include "core/text/report_test_data.h"
#include "core/text/text_export.h"
#include "core/text/text_forms.h"
#include "tool/run_tool.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace sarvo;
using namespace sarvo::testdata;
namespace fs = std::filesystem;

namespace {

const ValueFormats kRussian(QLocale(QStringLiteral("ru_RU")));
const QByteArray kSpacer = " \r\n";

UserRecord ivanov() {
    UserRecord u;
    u.setTexts("Иванов", "Иван", "Иванович", "");
    return u;
}

// A file of `count` lines "Ln" (n counted from 1).
QByteArray numberedLines(int count) {
    QByteArray bytes;
    for (int n = 1; n <= count; ++n)
        bytes += "L" + QByteArray::number(n) + "\r\n";
    return bytes;
}

// The cells, each padded with blanks to its width.
QString pad(const QStringList& cells, const QList<int>& widths) {
    QString line;
    for (int i = 0; i < cells.size(); ++i)
        line += cells[i].leftJustified(widths[i]);
    return line;
}
// A line of a saved table in `codePage`, with its line end.
QByteArray row(const QStringList& cells, const QList<int>& widths = {2, 20, 20, 20, 20, 20, 18},
               const char* codePage = "windows-1251") {
    return QStringEncoder(codePage).encode(pad(cells, widths)) + kCrLf;
}

// Up to the last spacer line: all an empty user file gives (exactly five lines).
const QByteArray kPersonsHead =
    kSpacer + " " + cp("Список") + kCrLf + kSpacer +
    row({"", "ФИО", "Отдел", "Дозиметр", "Номер"}, {29, 32, 20, 20, 19}) + kSpacer;

// Three persons in name order; Petrov has no dosimeter, the second a 20-character last name.
const QByteArray kPersonsFile =
    kPersonsHead + row({"", "Иванов", "Иван", "Иванович", "Отдел 1", "0000000001234567", "1"}) +
    row({"", "Мамин-Сибиряк-Петров", "Дмитрий", "Наркисович", "Лаборатория", "0000000000000012",
         "2"}) +
    row({"", "Петров", "Петр", "", "", "0000000000000000", "3"});

const QByteArray kHistoryHead =
    kSpacer + " " + cp("История:   Иванов Иван Иванович") + kCrLf + kSpacer +
    row({"", "Дата", "Время", "Доза", "Сумма", "Дозиметр", "Номер"}) + kSpacer;

class TextExportTest : public ::testing::Test {
protected:
    void SetUp() override { store.ensureDataDir(); }

    fs::path output(const char* name) const { return fs::path(dir.path().toStdString()) / name; }

    // The history export of user-file row `row` in `l`, unfiltered: the bytes written.
    QByteArray history(int row, const LanguageStrings& l, const QString& name = {}) {
        exportHistory(store, row, name, HistFilter{}, kRussian, output("history.txt"), l);
        return bytesOf(output("history.txt"));
    }

    // Lang.txt with texts[block * 95 + n] in the code page of each block, "-" elsewhere.
    void writeLang(const QMap<int, QString>& texts) {
        QByteArray bytes;
        for (int at = 0; at < kLanguageCount * 95; ++at)
            bytes += QStringEncoder(languageCodePage(at / 95)).encode(texts.value(at, "-")) + kCrLf;
        writeFile(dir.filePath("Lang.txt"), bytes);
    }

    // Runs sarvo-tool in the test directory with a Russian locale; its standard output.
    QByteArray tool(QStringList arguments) {
        const test::ToolResult r =
            test::runTool(arguments << "--dir" << dir.path(), "ru_RU.UTF-8", dir.path());
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
    EXPECT_EQ(history(0, lang), QByteArray());
    writeFile(dir.filePath("persons.txt"), QByteArray(5000, 'x'));
    exportPersons(store, output("persons.txt"), lang);
    EXPECT_EQ(bytesOf(output("persons.txt")), kPersonsHead);

    EXPECT_EQ(failureOf([&] { exportPersons(store, "/dev/full", lang); }), "Disk full");
    EXPECT_EQ(failureOf([&] { exportPersons(store, output("no/such/dir.txt"), lang); }),
              "File not found");
    EXPECT_EQ(failureOf([&] { history(7, lang); }), "Read beyond end of file");
}

TEST_F(TextExportTest, ToolWritesTheSameBytesInEachLanguage) {
    // Three persons; readings of Ivanov (UserNo 1) around 1 to 5 December.
    store.appendPerson("Иванов", "Иван", "Иванович", "Отдел 1");
    store.appendPerson("Мамин-Сибиряк-Петров", "Дмитрий", "Наркисович", "Лаборатория");
    store.appendPerson("Петров", "Петр", "", "");
    for (auto [index, id] : {std::pair{0, 0x1234567LL}, {1, 0x12LL}}) {
        UserRecord u = store.readUser(index);
        u.DosimeterId = id;
        store.writeUser(index, u);
    }
    const std::tuple<int, int, const char*, double, double> readings[] = {
        {1, 0, "10:00:00", 0.05, 0.05}, {1, 1, "08:30:15", 12.0, 12.05},
        {2, 2, "09:00:00", 1.0, 1.0},   {0, 3, "09:00:00", 1.0, 1.0},
        {1, 5, "17:00:00", 0.05, 12.1}, {1, 6, "09:00:00", 1.0, 13.1}};
    for (auto [userNo, d, time, dose, sum] : readings)
        store.appendHistory({daysFromDate(QDate(2026, 12, 1)) + d - 1,
                             fractionFromTime(QTime::fromString(time)), dose, sum, userNo,
                             0x1234567});
    store.saveSettings(SettingsRecord::defaults(0));
    QMap<int, QString> russian;
    for (int n = 1; n <= kLanguageLines; ++n)
        russian[n] = lang.line(n);
    writeLang(russian);

    tool({"export", "persons", "-o", "persons.txt"});
    EXPECT_EQ(bytesOf(output("persons.txt")), kPersonsFile);
    // Ivanov's readings of 1 to 5 December 2026: 12 → "12", 0.05 → "0,05".
    tool({"export", "history", "--person", "1", "--date-from", "01.12.26", "--date-to", "05.12.26",
          "-o", "history.txt"});
    EXPECT_EQ(bytesOf(output("history.txt")),
              kHistoryHead +
                  row({"", "01.12.2026", "08:30:15", "12", "12,05", "0000000001234567", "1"}) +
                  row({"", "05.12.2026", "17:00:00", "0,05", "12,1", "0000000001234567", "1"}));
    // Petrov has no readings: the head alone.
    EXPECT_EQ(history(2, lang, QStringLiteral(" Иванов Иван Иванович")), kHistoryHead);
    EXPECT_EQ(
        tool(
            {"history", "--person", "1", "--date-from", "01.12.26", "--time-from", "9:00", "--csv"})
            .toStdString(),
        "date,time,dose,dose_sum,user_no,dosimeter_id\r\n"
        "2026-12-05,17:00:00,0.05,12.1,1,1234567\r\n2026-12-06,09:00:00,1,13.1,1,1234567\r\n");

    // French and Polish headings stay in the code page of their block of Lang.txt (1252, 1250);
    // the names stay Windows-1251 and "№" the byte B9. Lines not given are "-".
    writeLang({{3 * 95 + 45, "Liste des personnes"},
               {3 * 95 + 49, "N° dosimètre"},
               {3 * 95 + 82, "Journal des débits de dose"},
               {3 * 95 + 83, "Personne :"},
               {6 * 95 + 62, "Dawka łączna"},
               {6 * 95 + 74, "Osoba:"}});
    store.saveSettings(SettingsRecord::defaults(3));
    tool({"export", "persons", "-o", "persons.txt"});
    EXPECT_TRUE(bytesOf(output("persons.txt"))
                    .startsWith(kSpacer + " Liste des personnes" + kCrLf + kSpacer +
                                row({"", "-", "-", "N° dosimètre", "-"}, {29, 32, 20, 20, 19},
                                    "windows-1252") +
                                kSpacer + blanks(2) + cp("Иванов")));
    LanguageStrings fr, pl;
    fr.load(dir.path(), 3);
    const QByteArray journal = "Journal des d\xE9"
                               "bits de dose";
    EXPECT_TRUE(doseRateLogExportText(fr, store.readUser(0), {})
                    .startsWith(kSpacer + " " + journal + ". Personne : " +
                                cp("Иванов Иван Иванович") + kCrLf + kSpacer + blanks(2) + "\xB9" +
                                blanks(3) + "-" + blanks(19) + "-" + blanks(19) + journal + kCrLf));
    pl.load(dir.path(), 6);
    EXPECT_TRUE(history(0, pl, nameCell(store.readUser(0)))
                    .startsWith(kSpacer + " Osoba:  " + cp(" Иванов Иван Иванович") + kCrLf +
                                kSpacer +
                                row({"", "-", "-", "-", "Dawka łączna", "-", "-"},
                                    {2, 20, 20, 20, 20, 20, 18}, "windows-1250") +
                                kSpacer + blanks(2) + "30.11.2026"));
}

TEST(DoseRateLog, SavedAndPrintedLog) {
    const DoseRateLogRow entry{"0", "14.03.2026", "09:30", "12,05 uSv/h"};
    const QByteArray saved =
        kSpacer + cp(" МЭД. Пользователь Иванов Иван Иванович") + kCrLf + kSpacer +
        row({"", "№", "Дата", "Время", "МЭД"}, {2, 4, 20, 20, 19}) + kSpacer +
        row({"", entry.number, entry.date, entry.time, entry.rate}, {2, 4, 20, 20, 19});
    EXPECT_EQ(doseRateLogExportText(reportLanguage(), ivanov(), {entry, DoseRateLogRow{}}), saved);
    // Printed, the numbers stand right-aligned; saved, a one-digit number stays in column 3.
    EXPECT_EQ(doseRateLogPrintLines(reportLanguage(), ivanov(),
                                    {{"7", "14.03.2026", "09:30", "1,5 uSv/h"},
                                     {"12", "15.03.2026", "10:00", "2 uSv/h"}})
                  .mid(1),
              (QStringList{" МЭД. Пользователь Иванов Иван Иванович", " ",
                           pad({"   №", "   Дата", "Время", "МЭД"}, {4, 20, 17, 24}), " ",
                           pad({"   7", "  14.03.2026", "09:30", "1,5 uSv/h"}, {4, 22, 20, 19}),
                           pad({"  12", "  15.03.2026", "10:00", "2 uSv/h"}, {4, 22, 20, 19})}));
    EXPECT_TRUE(doseRateLogExportText(reportLanguage(), ivanov(), {{"7", "", "", ""}})
                    .endsWith(blanks(2) + "7" + blanks(62) + kCrLf));
}

TEST(DoseRateLog, SaveReplacesAFileAndRemovesAPartlyWrittenOne) {
    QTemporaryDir dir;
    const fs::path file = fs::path(dir.path().toStdString()) / "med.txt";
    const QByteArray text = doseRateLogExportText(reportLanguage(), ivanov(), {{"0", "", "", ""}});
    saveDoseRateLog(file, QByteArray(3000, 'x'));
    saveDoseRateLog(file, text);
    EXPECT_EQ(bytesOf(file), text);

    // A file size limit makes the writing fail after 100 bytes.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{100, old.rlim_max};
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

TEST(PrintListings, ListOfPersonsAndHistoryTable) {
    // A long entry keeps its characters before column 62 and after the "---".
    EXPECT_EQ(personsListing(reportLanguage(), {{" Иванов Иван Иванович", "1234567"},
                                                {" Петров Петр ", ""},
                                                {" " + QString(70, 'N'), ""},
                                                {"", ""}}),
              (QStringList{" ", QString(16, ' ') + "Список", " ",
                           pad({"", "ФИО", "Дозиметр"}, {19, 30, 31}), " ",
                           pad({"", " Иванов Иван Иванович", "1234567"}, {2, 59, 19}),
                           pad({"", " Петров Петр ", "---"}, {2, 59, 19}),
                           "   " + QString(58, 'N') + "---" + QString(9, 'N') + QString(7, ' ')}));
    const QStringList lines =
        historyListing(reportLanguage(), " Иванов Иван Иванович",
                       {" Дата", " Время", "Доза", "Сумма", " Дозиметр"},
                       {{"05.12.2026", "14:30:15", "0,5 mSv", "12 mSv", "1234567"},
                        {"06.12.2026", "09:00:00", "1 mSv", "13 mSv", ""},
                        {"", "", "", "", ""}});
    EXPECT_EQ(
        lines.mid(3),
        (QStringList{
            pad({"", " Дата", " Время", "Доза", "Сумма", " Дозиметр"}, {2, 11, 11, 11, 15, 30}),
            " ",
            pad({"", "05.12.2026 14:30:15", "0,5 mSv", "12 mSv", "1234567"}, {2, 24, 14, 15, 25}),
            pad({"", "06.12.2026 09:00:00", "1 mSv", "13 mSv", "", "---"},
                {2, 24, 14, 15, 7, 18})}));
}

TEST(LanguageTest, BlocksOf95LinesWithTheFirstSkipped) {
    // Line 50 was set before the load; an index past the seventh block leaves every text empty.
    const std::tuple<int, int, int, const char*, const char*, const char*> cases[] = {
        {665, 0, 94, "L2", "L95", "L6"},
        {665, 1, 94, "L97", "L190", "L101"},
        {665, 6, 94, "L572", "L665", "L576"},
        {100, 1, 4, "L97", "L100", ""},
        {665, 7, 1, "", "", ""}};
    for (const auto& [lines, index, n, first, nth, fifth] : cases) {
        SCOPED_TRACE(index);
        LanguageStrings s;
        s.setLine(50, "old");
        s.loadFromBytes(numberedLines(lines), index);
        EXPECT_EQ((QStringList{s.line(1), s.line(n), s.line(5), s.portCaption()}),
                  (QStringList{first, nth, fifth, fifth}));
        EXPECT_NE(s.line(50), "old");
    }
}

TEST(LanguageTest, LineEndsEndOfFileAndNoFile) {
    LanguageStrings s;
    s.loadFromBytes("skip\r\nCR only\rCR LF\r\nlone LF\nstill line 3\r  blanks  \r\nafter\x1a"
                    "hidden\r\n",
                    0);
    EXPECT_EQ(
        (QStringList{s.line(1), s.line(2), s.line(3), s.line(4), s.line(5), s.line(6)}),
        (QStringList{"CR only", "CR LF", "lone LF\nstill line 3", "  blanks  ", "after", ""}));
    // Without a file nothing changes.
    QTemporaryDir dir;
    s.setLine(1, "kept");
    s.load(dir.path(), 1);
    EXPECT_EQ(s.line(1), "kept");
    EXPECT_EQ(s.line(0) + s.line(95), "");
}

// Lang.txt and Help come from the base directory when it has them, otherwise from the first share
// directory that does; a report is saved over neither place.
TEST(LanguageTest, ProgramFilesFromBaseOrShareDirectory) {
    QTemporaryDir dir;
    const QString base = dir.path() + "/base", first = dir.path() + "/first",
                  second = dir.path() + "/second";
    for (const QString& folder : {base, first + "/Help", second})
        ASSERT_TRUE(QDir().mkpath(folder));
    setShareDirectories({first, second});
    const auto restore = qScopeGuard([] { setShareDirectories({}); });
    // Each file made in turn, and where Lang.txt is then taken from.
    const std::pair<QString, QString> cases[] = {{QString(), base},
                                                 {second + "/Lang.txt", second},
                                                 {first + "/Lang.txt", first},
                                                 {base + "/Lang.txt", base}};
    for (const auto& [made, folder] : cases) {
        if (!made.isEmpty())
            writeFile(made, numberedLines(665));
        EXPECT_EQ(programFilesDir(base, kLanguageFileName), folder) << made.toStdString();
    }
    EXPECT_EQ(programFilesDir(base, kHelpFolderName), first);
    for (const QString& file : {second + "/Lang.txt", first + "/Help/Sarvo_Eng.html",
                                first + "/../first/Lang.txt", base + "/Lang.txt"})
        EXPECT_TRUE(isProgramFile(base, file)) << file.toStdString();
    EXPECT_FALSE(isProgramFile(base, first + "/report.txt"));
}

TEST(LanguageTest, UnreadableFileIsAnError) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root: permissions do not stop root";
    QTemporaryDir dir;
    writeFile(dir.path() + "/Lang.txt", numberedLines(665));
    QFile::setPermissions(dir.path() + "/Lang.txt", QFileDevice::WriteOwner);
    LanguageStrings s;
    EXPECT_THROW(s.load(dir.path(), 0), StoreError);
}

TEST(LanguageTest, EachBlockIsDecodedWithItsCodePage) {
    QByteArray bytes;
    for (int block = 0; block < kLanguageCount; ++block)
        bytes += "name\r\n\xC8\xE2\xE0\xED\r\n" + numberedLines(93);
    QStringList texts;
    for (int index : {0, 1, 3, 6}) {
        LanguageStrings s;
        s.loadFromBytes(bytes, index);
        texts << s.line(1) + " " + s.codePage();
        EXPECT_EQ(s.lineBytes(1), "\xC8\xE2\xE0\xED"); // the bytes as the file holds them
    }
    EXPECT_EQ(texts, (QStringList{"Иван windows-1251", "Èâàí windows-1252", "Èâàí windows-1252",
                                  "Čâŕí windows-1250"}));
    EXPECT_EQ(defaultLanguageIndex(QLocale(QLocale::Russian, QLocale::Russia)), 0);
    EXPECT_EQ(defaultLanguageIndex(QLocale(QLocale::German, QLocale::Germany)), 1);
    EXPECT_EQ(defaultLanguageIndex(QLocale::c()), 1);
    EXPECT_EQ(languageTag(0) + languageTag(6), "RusPol");
}
