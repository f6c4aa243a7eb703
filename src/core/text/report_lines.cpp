#include "core/text/report_lines.h"

namespace sarvo {

namespace {

template <typename Text, typename Char> void place(Text& line, int column, const Text& text) {
    const qsizetype at = column - 1;
    if (line.size() < at + text.size())
        line.resize(at + text.size(), Char(' '));
    for (qsizetype i = 0; i < text.size(); ++i)
        line[at + i] = text.at(i);
}

} // namespace

void placeText(QByteArray& line, int column, const QByteArray& text) {
    place<QByteArray, char>(line, column, text);
}

void placeText(QString& line, int column, const QString& text) {
    place<QString, QChar>(line, column, text);
}

QByteArray placedBytes(int width, std::initializer_list<ByteField> fields) {
    QByteArray line(width, ' ');
    for (const ByteField& f : fields)
        placeText(line, f.column, f.text);
    return line;
}

QString placedText(int width, std::initializer_list<TextField> fields) {
    QString line(width, QLatin1Char(' '));
    for (const TextField& f : fields)
        placeText(line, f.column, f.text);
    return line;
}

} // namespace sarvo
