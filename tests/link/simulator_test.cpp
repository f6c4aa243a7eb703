#include "link/frame_decoder.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace sarvo {
namespace {

struct ToolRun {
    int code = -1;
    QByteArray out;
    QByteArray err;
};

ToolRun tool(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess p;
    p.start(QStringLiteral(SARVO_TOOL_PATH), arguments);
    if (!p.waitForStarted())
        return {};
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

QByteArray simulated(const QStringList& arguments) {
    return tool(QStringList{QStringLiteral("simulate"), QStringLiteral("--port"),
                            QStringLiteral("-")} +
                arguments)
        .out;
}

TEST(Simulator, PipedIntoDecode) {
    const QString year = QString::number(QDate::currentDate().year());
    struct Case {
        QStringList arguments;
        int code;
        QStringList lines;
    } cases[] = {
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
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const QByteArray wire = simulated(c.arguments);
        ASSERT_FALSE(wire.isEmpty());
        const ToolRun decoded = tool({QStringLiteral("decode"), QStringLiteral("-")}, wire);
        EXPECT_EQ(decoded.code, c.code);
        const QStringList lines = QString::fromUtf8(decoded.out).split('\n');
        for (qsizetype i = 0; i < c.lines.size(); ++i)
            EXPECT_TRUE(lines.value(i).startsWith(c.lines[i])) << lines.value(i).toStdString();
    }
}

TEST(Simulator, DecodeJudgesFrameAfterFrameFromAFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("capture.bin"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(simulated({"--id", "1"}) + simulated({"--id", "2", "--corrupt", "fcs"}) +
               simulated({"--id", "3"}));
    file.close();
    const ToolRun decoded = tool({QStringLiteral("decode"), path});
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

// The simulator writes to one end of a virtual cable; the other end receives the frame in pieces.
TEST(Simulator, OverAVirtualSerialCable) {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("A"));
    const QString b = dir.filePath(QStringLiteral("B"));
    QProcess socat;
    socat.start(QStringLiteral("socat"), {QStringLiteral("-d"), QStringLiteral("-d"),
                                          "pty,raw,echo=0,link=" + a, "pty,raw,echo=0,link=" + b});
    if (!socat.waitForStarted())
        GTEST_SKIP() << "socat is not installed";
    for (int i = 0; i < 100 && !(QFileInfo::exists(a) && QFileInfo::exists(b)); ++i)
        QThread::msleep(50);
    ASSERT_TRUE(QFileInfo::exists(a) && QFileInfo::exists(b));

    const int fd = ::open(QFile::encodeName(a).constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    const ToolRun sent = tool({"simulate", "--port", b, "--id", "4321", "--dose", "0.5", "--entry",
                               "3.25,01.02,03:04", "--piece", "9", "--gap", "2"});
    EXPECT_EQ(sent.code, 0) << sent.err.toStdString();
    EXPECT_EQ(sent.out, "sent 80 bytes in 9 piece(s) to " + b.toUtf8() + "\n");

    FrameDecoder decoder;
    FrameVerdict verdict;
    for (int waits = 0; verdict.waiting() && waits < 100; ++waits) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0)
            continue;
        char buffer[256];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got > 0)
            verdict = decoder.receive(QByteArrayView(buffer, got));
    }
    ::close(fd);
    socat.terminate();
    socat.waitForFinished();

    ASSERT_TRUE(verdict.good()) << describe(verdict).toStdString();
    EXPECT_EQ(decoder.reading().identifier, 0x4321);
    EXPECT_EQ(decoder.reading().doseThousandths, 500);
    EXPECT_EQ(decoder.reading().entries, (std::vector<DoseRateEntry>{{325, 2, 1, 3, 4}}));
}

} // namespace
} // namespace sarvo
