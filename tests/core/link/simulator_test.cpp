#include "core/text/report_test_data.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QProcess>
#include <QTemporaryDir>

// The simulator writing to a serial device is tried end to end by the widget tests over a virtual
// cable; here it writes to standard output and `decode` judges what it wrote.
namespace {

std::pair<int, QByteArray> tool(const QString& arguments, const QByteArray& input = {}) {
    QProcess p;
    p.start(QStringLiteral(SARVO_TOOL_PATH), arguments.split(' ', Qt::SkipEmptyParts));
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput()};
}

QByteArray simulated(const QString& arguments) {
    return tool("simulate --port - " + arguments).second;
}

TEST(Simulator, PipedIntoDecode) {
    const QString year = QString::number(QDate::currentDate().year());
    const std::tuple<QString, int, QString> cases[] = {
        {"", 0, "frame 1: good, 72 bytes\n  identifier 1234\n  ED 0,25 mSv\n  entries 0\n"},
        {"--id 0000000000000007 --dose 1,234 --entry 12.05,14.03,09:30 --piece 3", 0,
         "frame 1: good, 80 bytes\n  identifier 7\n  ED 1,234 mSv\n  entries 1\n  0 14.03." + year +
             "09:3012,05 uSv/h\n"},
        {"--corrupt fcs", 1, "frame 1: rejected, checksum: FCS received 0x"},
        {"--corrupt header", 1, "frame 1: rejected, header: offset 11 holds 0x00, not 0xFF"},
        {"--corrupt truncate", 1,
         "frame 1: rejected, incomplete frame of 62 bytes when the wait ended"}};
    for (const auto& [arguments, code, expected] : cases) {
        const auto [decodeCode, out] = tool("decode -", simulated(arguments));
        EXPECT_EQ(decodeCode, code) << out.toStdString();
        EXPECT_TRUE(out.startsWith(expected.toUtf8())) << out.toStdString();
    }
    for (const char* bad : {"--id 12a", "--dose 1.2345", "--entry 1.5,14.03", "--corrupt length"})
        EXPECT_EQ(tool(QString("simulate --port - ") + bad).first, 2) << bad;

    SCOPED_TRACE("decode judges frame after frame from a file");
    QTemporaryDir dir;
    sarvo::testdata::writeFile(dir.filePath("capture.bin"), simulated("--id 1") +
                                                                simulated("--id 2 --corrupt fcs") +
                                                                simulated("--id 3"));
    const auto [code, out] = tool("decode " + dir.filePath("capture.bin"));
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(out.contains("frame 1: good") && out.contains("frame 2: rejected, checksum") &&
                out.contains("frame 3: good, 72 bytes\n  identifier 3"))
        << out.toStdString();
}

} // namespace
