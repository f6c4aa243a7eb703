#pragma once

#include <QByteArray>
#include <QString>
#include <initializer_list>

namespace sarvo {

// Widths of the blank lines that the fields of a report line are written over.
inline constexpr int kExportLineWidth = 120;  // column lines of the text export
inline constexpr int kListingLineWidth = 80;  // listing lines of the printouts
inline constexpr int kDoseRateLineWidth = 65; // placed lines of the dose-rate log

// Writes `text` into `line` from `column` (counted from 1) over as many characters as it has;
// the line grows (with blanks up to the column, if need be) when the text reaches past its end.
void placeText(QByteArray& line, int column, const QByteArray& text);
void placeText(QString& line, int column, const QString& text);

struct ByteField {
    int column;
    QByteArray text;
};
struct TextField {
    int column;
    QString text;
};

// A line of `width` blanks with the fields written over it one after the other, so that a
// field running into the next one's column is partly overwritten by it. Never trimmed.
QByteArray placedBytes(int width, std::initializer_list<ByteField> fields);
QString placedText(int width, std::initializer_list<TextField> fields);

// The line end of the text files.
inline constexpr char kLineEnd[] = "\r\n";

} // namespace sarvo
