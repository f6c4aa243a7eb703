#pragma once

// Language lines and byte helpers shared by the tests of the reports.

#include "shell/language.h"

#include <QByteArray>
#include <QString>
#include <QStringEncoder>

namespace sarvo::testdata {

// The Russian lines the reports use (a made-up but realistic block).
inline LanguageStrings reportLanguage() {
    LanguageStrings lang;
    lang.setLine(28, QStringLiteral("Дозиметр"));
    lang.setLine(45, QStringLiteral("Список"));
    lang.setLine(46, QStringLiteral("ФИО"));
    lang.setLine(47, QStringLiteral("Отдел"));
    lang.setLine(48, QStringLiteral("Номер"));
    lang.setLine(49, QStringLiteral("Дозиметр"));
    lang.setLine(59, QStringLiteral("Дата"));
    lang.setLine(60, QStringLiteral("Время"));
    lang.setLine(61, QStringLiteral("Доза"));
    lang.setLine(62, QStringLiteral("Сумма"));
    lang.setLine(73, QStringLiteral(" (ЭД)"));
    lang.setLine(74, QStringLiteral("История:"));
    lang.setLine(82, QStringLiteral("МЭД"));
    lang.setLine(83, QStringLiteral("Пользователь"));
    return lang;
}

// Windows-1251 bytes straight from Qt's codec.
inline QByteArray cp(const QString& text) {
    QStringEncoder encoder("windows-1251");
    return encoder.encode(text);
}

inline QByteArray blanks(int n) {
    return QByteArray(n, ' ');
}

inline const QByteArray kCrLf("\r\n");

} // namespace sarvo::testdata
