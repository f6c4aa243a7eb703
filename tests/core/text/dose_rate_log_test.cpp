#include "core/text/dose_rate_log.h"
#include "report_test_data.h"

#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace sarvo;
using namespace sarvo::testdata;
namespace fs = std::filesystem;

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
