#include "core/text/report_test_data.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QProcess>
#include <QTemporaryDir>

// The simulator writing to a serial device is tried end to end by the widget tests over a virtual
// cable; here it writes to standard output and `decode` judges what it wrote.
namespace {

struct ToolRun {
    int code = -1;
    QByteArray out;
};

ToolRun tool(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess p;
    p.start(QStringLiteral(SARVO_TOOL_PATH), arguments);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput()};
}

QByteArray simulated(const QStringList& arguments) {
    return tool(QStringList{"simulate", "--port", "-"} + arguments).out;
}

TEST(Simulator, PipedIntoDecode) {
    const QString year = QString::number(QDate::currentDate().year());
    const std::tuple<QStringList, int, QStringList> cases[] = {
        {{}, 0, {"frame 1: good, 72 bytes", "  identifier 1234", "  ED 0,25 mSv", "  entries 0"}},
        {{"--id", "0000000000000007", "--dose", "1,234", "--entry", "12.05,14.03,09:30", "--piece",
          "3"},
         0,
         {"frame 1: good, 80 bytes", "  identifier 7", "  ED 1,234 mSv", "  entries 1",
          "  0 14.03." + year + "09:3012,05 uSv/h"}},
        {{"--corrupt", "fcs"}, 1, {"frame 1: rejected, checksum: FCS received 0x"}},
        {{"--corrupt", "header"}, 1, {"frame 1: rejected, header: offset 11 holds 0x00, not 0xFF"}},
        {{"--corrupt", "truncate"},
         1,
         {"frame 1: rejected, incomplete frame of 62 bytes when the wait ended"}},
    };
    for (const auto& [arguments, code, expected] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const ToolRun decoded = tool({"decode", "-"}, simulated(arguments));
        EXPECT_EQ(decoded.code, code);
        const QStringList lines = QString::fromUtf8(decoded.out).split('\n');
        for (qsizetype i = 0; i < expected.size(); ++i)
            EXPECT_TRUE(lines.value(i).startsWith(expected[i])) << lines.value(i).toStdString();
    }
}

TEST(Simulator, DecodeJudgesFrameAfterFrameFromAFile) {
    QTemporaryDir dir;
    sarvo::testdata::writeFile(dir.filePath("capture.bin"),
                               simulated({"--id", "1"}) +
                                   simulated({"--id", "2", "--corrupt", "fcs"}) +
                                   simulated({"--id", "3"}));
    const ToolRun decoded = tool({"decode", dir.filePath("capture.bin")});
    EXPECT_EQ(decoded.code, 1);
    const QString text = QString::fromUtf8(decoded.out);
    EXPECT_TRUE(text.contains("frame 1: good")) << text.toStdString();
    EXPECT_TRUE(text.contains("frame 2: rejected, checksum")) << text.toStdString();
    EXPECT_TRUE(text.contains("frame 3: good, 72 bytes\n  identifier 3")) << text.toStdString();
}

TEST(Simulator, BadArgumentsExitWithTwo) {
    for (const QStringList& bad :
         {QStringList{"--id", "12a"}, QStringList{"--dose", "1.2345"},
          QStringList{"--entry", "1.5,14.03"}, QStringList{"--corrupt", "length"}})
        EXPECT_EQ(tool(QStringList{"simulate", "--port", "-"} + bad).code, 2)
            << bad.join(' ').toStdString();
}

} // namespace
