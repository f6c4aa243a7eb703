#include "core/link/frame.h"
#include "core/link/frame_decoder.h"
#include "core/text/text_forms.h"
#include "tool/commands.h"

#include <QDate>
#include <QFile>

namespace sarvo::tool {
namespace {

const char* const kUsage = "decode [FILE|-]";

void printGood(const FrameDecoder& decoder, int year) {
    const Reading& r = decoder.reading();
    out() << "  identifier " << r.identifierText() << "\n";
    out() << "  ED " << formatNumber(r.dose()) << " mSv\n";
    out() << "  entries " << r.entriesInFrame;
    if (r.entriesInFrame > static_cast<int>(r.entries.size()))
        out() << " (the first " << r.entries.size() << " taken in)";
    out() << "\n";
    for (size_t k = 0; k < r.entries.size(); ++k)
        out() << "  " << k << " " << r.entries[k].line(year) << "\n";
}

// Judges a captured byte stream frame by frame, as the receive event does: the bytes are handed
// over one at a time and the buffer is emptied after each verdict. Bytes left over at the end are
// a frame that the answer-wait timer would reject.
int runDecode(const Args& args) {
    if (args.positional().size() > 1)
        throw UsageError(QStringLiteral("decode takes one file"));
    const QString name = args.positional().value(0, QStringLiteral("-"));
    QFile file;
    bool opened = false;
    if (name == QLatin1String("-")) {
        opened = file.open(stdin, QIODevice::ReadOnly);
    } else {
        file.setFileName(name);
        opened = file.open(QIODevice::ReadOnly);
    }
    if (!opened) {
        err() << "sarvo-tool: cannot read " << name << ": " << file.errorString() << "\n";
        return 1;
    }
    const QByteArray stream = file.readAll();
    const int year = QDate::currentDate().year();

    FrameDecoder decoder;
    int frames = 0;
    int rejected = 0;
    auto report = [&](const FrameVerdict& verdict, int held) {
        ++frames;
        out() << "frame " << frames << ": ";
        if (verdict.good()) {
            out() << "good, " << held << " bytes\n";
            printGood(decoder, year);
        } else {
            ++rejected;
            out() << "rejected, " << describe(verdict) << "\n";
        }
        decoder.clear();
    };
    for (qsizetype i = 0; i < stream.size(); ++i) {
        const FrameVerdict verdict = decoder.receive(QByteArrayView(stream).sliced(i, 1));
        if (!verdict.waiting())
            report(verdict, decoder.receiveCount());
    }
    if (decoder.receiveCount() > 0 || decoder.escapeHeld())
        report(FrameVerdict::reject(FrameFault::Timeout, -1,
                                    static_cast<unsigned>(decoder.receiveCount())),
               decoder.receiveCount());
    if (frames == 0)
        out() << "no frame\n";
    return rejected > 0 ? 1 : 0;
}

const Registration registration{
    "decode",
    kUsage,
    "Judges a captured byte stream frame by frame, as the program receives it: FILE, or standard\n"
    "input for - or no FILE. Exit code 1 when a frame is rejected.",
    {},
    &runDecode};

} // namespace
} // namespace sarvo::tool
