#include "store/records.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace sarvo {

namespace {

template <typename T> void putLittle(char* at, T value) { qToLittleEndian(value, at); }

template <typename T> T getLittle(const char* at) { return qFromLittleEndian<T>(at); }

void putDouble(char* at, double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    putLittle(at, bits);
}

double getDouble(const char* at) {
    std::uint64_t bits = getLittle<std::uint64_t>(at);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QByteArray cut(const QByteArray& bytes, int capacity) { return bytes.left(capacity); }

} // namespace

QByteArray toCp1251(const QString& text) {
    QStringEncoder encoder("windows-1251", QStringConverter::Flag::Default);
    QByteArray out;
    out.reserve(text.size());
    // Encode character by character so that anything the code page lacks becomes "?".
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype len = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QStringView piece = QStringView(text).mid(i, len);
        QByteArray encoded = encoder.encode(piece);
        if (encoder.hasError() || encoded.size() != 1) {
            encoder.resetState();
            out.append('?');
        } else {
            out.append(encoded);
        }
        i += len - 1;
    }
    return out;
}

QString fromCp1251(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1251");
    return decoder.decode(bytes);
}

void putShortString(char* field, int capacity, const QByteArray& text) {
    const int length = static_cast<int>(std::min<qsizetype>(text.size(), capacity));
    field[0] = static_cast<char>(length);
    std::memcpy(field + 1, text.constData(), static_cast<size_t>(length));
    std::memset(field + 1 + length, 0, static_cast<size_t>(capacity - length));
}

QByteArray getShortString(const char* field, int capacity) {
    int length = std::min<int>(static_cast<unsigned char>(field[0]), capacity);
    return QByteArray(field + 1, length);
}

void UserRecord::setTexts(const QString& last, const QString& first, const QString& middle,
                          const QString& department) {
    LN = cut(toCp1251(last), kNameCapacity);
    FN = cut(toCp1251(first), kNameCapacity);
    MN = cut(toCp1251(middle), kNameCapacity);
    Dep = cut(toCp1251(department), kNameCapacity);
}

UserRecord UserRecord::fromBytes(const char* b) {
    UserRecord r;
    r.LN = getShortString(b + 0, kNameCapacity);
    r.FN = getShortString(b + 21, kNameCapacity);
    r.MN = getShortString(b + 42, kNameCapacity);
    r.Dep = getShortString(b + 63, kNameCapacity);
    r.UserNo = getLittle<std::int32_t>(b + 84);
    r.ED = getDouble(b + 88);
    r.DosimeterId = getLittle<std::int64_t>(b + 96);
    for (int k = 0; k < kMedLineCount; ++k)
        r.MED[k] = getShortString(b + 104 + 61 * k, kMedCapacity);
    return r;
}

void UserRecord::toBytes(char* b) const {
    std::memset(b, 0, kUserRecordSize);
    putShortString(b + 0, kNameCapacity, LN);
    putShortString(b + 21, kNameCapacity, FN);
    putShortString(b + 42, kNameCapacity, MN);
    putShortString(b + 63, kNameCapacity, Dep);
    putLittle(b + 84, UserNo);
    putDouble(b + 88, ED);
    putLittle(b + 96, DosimeterId);
    for (int k = 0; k < kMedLineCount; ++k)
        putShortString(b + 104 + 61 * k, kMedCapacity, MED[k]);
}

HistoryRecord HistoryRecord::fromBytes(const char* b) {
    HistoryRecord r;
    r.HistDate = getDouble(b + 0);
    r.HistTime = getDouble(b + 8);
    r.Dose = getDouble(b + 16);
    r.DoseSum = getDouble(b + 24);
    r.UserNo = getLittle<std::int32_t>(b + 32);
    r.DosimeterId = getLittle<std::int64_t>(b + 40);
    return r;
}

void HistoryRecord::toBytes(char* b) const {
    std::memset(b, 0, kHistoryRecordSize);
    putDouble(b + 0, HistDate);
    putDouble(b + 8, HistTime);
    putDouble(b + 16, Dose);
    putDouble(b + 24, DoseSum);
    putLittle(b + 32, UserNo);
    putLittle(b + 40, DosimeterId);
}

QByteArray defaultVersionText() { return toCp1251(QStringLiteral("KaSarvo версия 1.0")); }

SettingsRecord SettingsRecord::defaults(std::uint8_t langIndex) {
    SettingsRecord s;
    s.LangIndex = langIndex;
    s.VersionText = defaultVersionText();
    return s;
}

QString SettingsRecord::portName() const {
    if (!LongPortName.isEmpty() && LongPortName.left(kPortNameCapacity) == PortName)
        return QString::fromLocal8Bit(LongPortName);
    return QString::fromLocal8Bit(PortName);
}

void SettingsRecord::setPortName(const QString& name) {
    QByteArray bytes = name.toLocal8Bit().left(kPortExtensionCapacity);
    PortName = bytes.left(kPortNameCapacity);
    LongPortName = bytes.size() > kPortNameCapacity ? bytes : QByteArray();
}

SettingsRecord SettingsRecord::fromFileBytes(const QByteArray& bytes) {
    SettingsRecord s;
    const char* b = bytes.constData();
    s.PortName = getShortString(b, kPortNameCapacity);
    s.LangIndex = static_cast<std::uint8_t>(b[5]);
    s.VersionText = getShortString(b + 6, kNameCapacity);
    if (bytes.size() >= kSettingsRecordSize + 1) {
        const int length = static_cast<unsigned char>(b[kSettingsRecordSize]);
        if (length > kPortNameCapacity && bytes.size() >= kSettingsRecordSize + 1 + length) {
            QByteArray longName(b + kSettingsRecordSize + 1, length);
            if (longName.left(kPortNameCapacity) == s.PortName)
                s.LongPortName = longName;
        }
    }
    return s;
}

QByteArray SettingsRecord::toFileBytes() const {
    QByteArray bytes(kSettingsRecordSize, '\0');
    char* b = bytes.data();
    putShortString(b, kPortNameCapacity, PortName);
    b[5] = static_cast<char>(LangIndex);
    putShortString(b + 6, kNameCapacity, VersionText);
    if (LongPortName.size() > kPortNameCapacity) {
        QByteArray extension(1 + kPortExtensionCapacity, '\0');
        putShortString(extension.data(), kPortExtensionCapacity, LongPortName);
        bytes.append(extension);
    }
    return bytes;
}

} // namespace sarvo
