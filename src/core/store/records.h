#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <array>
#include <cstdint>

namespace sarvo {

inline constexpr int kUserRecordSize = 6208;
inline constexpr int kHistoryRecordSize = 48;
inline constexpr int kSettingsRecordSize = 27;
inline constexpr int kNameCapacity = 20;
inline constexpr int kMedLineCount = 100;
inline constexpr int kMedCapacity = 60;
inline constexpr int kPortNameCapacity = 4;
inline constexpr int kPortExtensionCapacity = 255;

// Texts of the user file are single bytes in Windows-1251; a character that code page cannot
// hold is stored as "?".
QByteArray toCp1251(const QString& text);
QString fromCp1251(const QByteArray& bytes);
// The characters of `text` that Windows-1251 cannot hold (each once, in order of appearance);
// empty when the text is stored as typed.
QString cp1251Unstorable(const QString& text);

// A short string: one length byte, then up to `capacity` characters. Text beyond the
// capacity is cut; a length byte beyond the capacity (a damaged file) is read as the capacity.
void putShortString(char* field, int capacity, const QByteArray& text);
QByteArray getShortString(const char* field, int capacity);

// What a listing of persons shows of one record of the user file: the four texts (as the
// stored bytes), UserNo, ED and DosimeterId, read without the dose-rate lines.
struct UserSummary {
    QByteArray LN;
    QByteArray FN;
    QByteArray MN;
    QByteArray Dep;
    std::int32_t UserNo = 0;
    double ED = 0.0;
    std::int64_t DosimeterId = 0;

    QString lastName() const { return fromCp1251(LN); }
    QString firstName() const { return fromCp1251(FN); }
    QString middleName() const { return fromCp1251(MN); }
    QString department() const { return fromCp1251(Dep); }

    static UserSummary fromBytes(const char* bytes);
    friend bool operator==(const UserSummary&, const UserSummary&) = default;
};

// One person, 6208 bytes in the user file: the summary, then 100 dose-rate lines.
struct UserRecord : UserSummary {
    std::array<QByteArray, kMedLineCount> MED;

    // Sets the four texts from what the officer typed, each cut to 20 characters.
    void setTexts(const QString& last, const QString& first, const QString& middle,
                  const QString& department);

    static UserRecord fromBytes(const char* bytes);
    // The texts of a stored record whose length byte is above the field's capacity, by field
    // name ("LN", "MED[3]"); empty for a sound record.
    static QStringList overlongFields(const char* bytes);
    void toBytes(char* bytes) const;
    friend bool operator==(const UserRecord&, const UserRecord&) = default;
};

// Date-time values count days since 30 December 1899; the fraction is the time of day. A value
// that is not finite gives an invalid date or time (shown as an empty text).
QDate dateFromDays(double days);
double daysFromDate(const QDate& date);
// A fraction of a day, rounded to the millisecond.
QTime timeFromFraction(double fraction);
double fractionFromTime(const QTime& time);

// One accepted reading, 48 bytes in the history file.
struct HistoryRecord {
    double HistDate = 0.0;
    double HistTime = 0.0;
    double Dose = 0.0;
    double DoseSum = 0.0;
    std::int32_t UserNo = 0;
    std::int64_t DosimeterId = 0;

    static HistoryRecord fromBytes(const char* bytes);
    void toBytes(char* bytes) const;
    friend bool operator==(const HistoryRecord&, const HistoryRecord&) = default;
};

// The settings file: one 27-byte record. A port name longer than PortName holds is kept whole
// in a short string of capacity 255 written right after the record.
struct SettingsRecord {
    QByteArray PortName;
    std::uint8_t LangIndex = 1;
    QByteArray VersionText;
    QByteArray LongPortName; // empty unless the port name is longer than 4 characters

    static SettingsRecord defaults(std::uint8_t langIndex);
    QString portName() const;
    void setPortName(const QString& name);

    // Reads a file's bytes: the record, and the long port name when it follows and agrees.
    static SettingsRecord fromFileBytes(const QByteArray& bytes);
    QByteArray toFileBytes() const;
};

// The version text stamped into a new settings file.
QByteArray defaultVersionText();

} // namespace sarvo
