#include "core/store/records.h"

#include <QHash>
#include <QStringDecoder>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace sarvo {

namespace {

template <typename T> void putLittle(char* at, T value) {
    qToLittleEndian(value, at);
}

template <typename T> T getLittle(const char* at) {
    return qFromLittleEndian<T>(at);
}

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

QByteArray cut(const QByteArray& bytes, int capacity) {
    return bytes.left(capacity);
}

} // namespace

namespace {

// The code page's 256 characters, looked up in reverse.
const QHash<char16_t, char>& cp1251Table() {
    static const QHash<char16_t, char> table = [] {
        QHash<char16_t, char> map;
        QStringDecoder decoder("windows-1251");
        for (int b = 255; b >= 0; --b) {
            const char byte = static_cast<char>(b);
            QString decoded = decoder.decode(QByteArray(1, byte));
            if (decoded.size() == 1 && decoded.at(0) != QChar::ReplacementCharacter)
                map.insert(decoded.at(0).unicode(), byte);
        }
        return map;
    }();
    return table;
}

} // namespace

QString cp1251Unstorable(const QString& text) {
    const QHash<char16_t, char>& table = cp1251Table();
    QString missing;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QString c(text.at(i));
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            c += text.at(++i);
        if ((c.size() > 1 || !table.contains(c.at(0).unicode())) && !missing.contains(c))
            missing += c;
    }
    return missing;
}

QByteArray toCp1251(const QString& text) {
    // Anything the code page cannot hold becomes "?".
    const QHash<char16_t, char>& table = cp1251Table();
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        auto it = table.find(c.unicode());
        out.append(it == table.end() ? '?' : *it);
    }
    return out;
}

namespace {

// The character of each byte, from the same decoder as the reverse table, built once. The byte the
// code page leaves undefined (0x98) decodes to U+0098 there, and so it does here.
struct Cp1251Chars {
    std::array<char16_t, 256> chars{};
    bool complete = true; // every byte decodes to one UTF-16 unit
};

const Cp1251Chars& cp1251Chars() {
    static const Cp1251Chars table = [] {
        Cp1251Chars t;
        QStringDecoder decoder("windows-1251");
        for (int b = 0; b < 256; ++b) {
            const QString decoded = decoder.decode(QByteArray(1, static_cast<char>(b)));
            if (decoded.size() == 1)
                t.chars[static_cast<size_t>(b)] = decoded.at(0).unicode();
            else
                t.complete = false;
        }
        return t;
    }();
    return table;
}

} // namespace

QString fromCp1251(const QByteArray& bytes) {
    const Cp1251Chars& table = cp1251Chars();
    if (!table.complete) {
        QStringDecoder decoder("windows-1251");
        return decoder.decode(bytes);
    }
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char byte : bytes)
        *out++ = table.chars[static_cast<unsigned char>(byte)];
    return text;
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
    static_cast<UserSummary&>(r) = UserSummary::fromBytes(b);
    for (int k = 0; k < kMedLineCount; ++k)
        r.MED[k] = getShortString(b + 104 + 61 * k, kMedCapacity);
    return r;
}

UserSummary UserSummary::fromBytes(const char* b) {
    UserSummary r;
    r.LN = getShortString(b + 0, kNameCapacity);
    r.FN = getShortString(b + 21, kNameCapacity);
    r.MN = getShortString(b + 42, kNameCapacity);
    r.Dep = getShortString(b + 63, kNameCapacity);
    r.UserNo = getLittle<std::int32_t>(b + 84);
    r.ED = getDouble(b + 88);
    r.DosimeterId = getLittle<std::int64_t>(b + 96);
    return r;
}

QStringList UserRecord::overlongFields(const char* b) {
    // A sound record costs a look at each length byte; names are made only for a fault.
    static const char* const names[] = {"LN", "FN", "MN", "Dep"};
    QStringList fields;
    for (int k = 0; k < 4; ++k)
        if (static_cast<unsigned char>(b[21 * k]) > kNameCapacity)
            fields << QLatin1String(names[k]);
    for (int k = 0; k < kMedLineCount; ++k)
        if (static_cast<unsigned char>(b[104 + 61 * k]) > kMedCapacity)
            fields << QStringLiteral("MED[%1]").arg(k);
    return fields;
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

QByteArray defaultVersionText() {
    return toCp1251(QStringLiteral("KaSarvo версия 1.0"));
}

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

namespace {
const QDate kEpoch(1899, 12, 30);
}

QDate dateFromDays(double days) {
    // A damaged value (not finite, or beyond any calendar) is no date.
    if (!std::isfinite(days) || std::fabs(days) > 1e9)
        return QDate();
    return kEpoch.addDays(static_cast<qint64>(std::floor(days)));
}

double daysFromDate(const QDate& date) {
    return static_cast<double>(kEpoch.daysTo(date));
}

QTime timeFromFraction(double fraction) {
    if (!std::isfinite(fraction))
        return QTime();
    double dayPart = fraction - std::floor(fraction);
    long long ms = std::llround(dayPart * 86400000.0);
    if (ms >= 86400000)
        ms = 86400000 - 1;
    return QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms));
}

double fractionFromTime(const QTime& time) {
    return time.msecsSinceStartOfDay() / 86400000.0;
}

} // namespace sarvo
