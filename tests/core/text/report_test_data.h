#pragma once

// Language lines, byte helpers and files shared by the tests of the reports.

#include "core/store/store_error.h"
#include "core/text/language.h"

#include <QFile>
#include <QStringEncoder>
#include <filesystem>
#include <functional>

namespace sarvo::testdata {

// The Russian lines the reports use (a made-up but realistic block).
inline LanguageStrings reportLanguage() {
    LanguageStrings lang;
    const std::pair<int, const char*> lines[] = {
        {28, "Дозиметр"}, {45, "Список"},   {46, "ФИО"},   {47, "Отдел"},       {48, "Номер"},
        {49, "Дозиметр"}, {59, "Дата"},     {60, "Время"}, {61, "Доза"},        {62, "Сумма"},
        {73, " (ЭД)"},    {74, "История:"}, {82, "МЭД"},   {83, "Пользователь"}};
    for (const auto& [n, text] : lines)
        lang.setLine(n, QString::fromUtf8(text));
    return lang;
}

// Windows-1251 bytes straight from Qt's codec.
inline QByteArray cp(const QString& text) {
    return QStringEncoder("windows-1251").encode(text);
}

inline QByteArray blanks(int n) {
    return QByteArray(n, ' ');
}

inline const QByteArray kCrLf("\r\n");

inline QByteArray bytesOf(const std::filesystem::path& path) {
    QFile f(QString::fromStdString(path.string()));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

// The officer's text of the StoreError that `operation` throws; empty when it succeeds.
inline QString failureOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const StoreError& e) {
        return e.text();
    }
    return QString();
}

} // namespace sarvo::testdata
