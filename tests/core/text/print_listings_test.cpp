#include "core/text/print_listings.h"
#include "report_test_data.h"

#include <gtest/gtest.h>

using namespace sarvo;
using namespace sarvo::testdata;

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
