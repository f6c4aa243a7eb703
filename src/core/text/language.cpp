#include "core/text/language.h"

#include "core/store/store_error.h"
#include "core/text/program_files.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QLibraryInfo>
#include <QPointer>
#include <QStringDecoder>
#include <QTranslator>
#include <cerrno>
#include <map>
#include <string>

namespace sarvo {

const char* languageCodePage(int index) {
    switch (index) {
    case 0:
        return "windows-1251";
    case 6:
        return "windows-1250";
    default:
        return "windows-1252";
    }
}

QString languageTag(int index) {
    static const char* const tags[kLanguageCount] = {"Rus", "Eng", "Nem", "Fr",
                                                     "Isp", "Itl", "Pol"};
    return index >= 0 && index < kLanguageCount ? QString::fromLatin1(tags[index]) : QString();
}

QString languageCode(int index) {
    static const char* const codes[kLanguageCount] = {"ru", "en", "de", "fr", "es", "it", "pl"};
    return index >= 0 && index < kLanguageCount ? QString::fromLatin1(codes[index]) : QString();
}

namespace {

// `text` in a single-byte code page; a character the page lacks becomes "?".
QByteArray encodeIn(const char* codePage, const QString& text) {
    static std::map<std::string, QHash<char16_t, char>> tables;
    QHash<char16_t, char>& table = tables[codePage];
    if (table.isEmpty()) {
        QStringDecoder decoder(codePage);
        for (int b = 255; b >= 0; --b) {
            const QString decoded = decoder.decode(QByteArray(1, static_cast<char>(b)));
            if (decoded.size() == 1 && decoded.at(0) != QChar::ReplacementCharacter)
                table.insert(decoded.at(0).unicode(), static_cast<char>(b));
        }
    }
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        bytes.append(table.value(text.at(i).unicode(), '?'));
    }
    return bytes;
}

QPointer<QTranslator> qtTranslator;
QPointer<QTranslator> ownTranslator;

// Replaces `slot` by a translator loaded from `file`, or by none when it cannot be loaded.
void replaceTranslator(QPointer<QTranslator>& slot, const QString& file) {
    if (slot) {
        QCoreApplication::removeTranslator(slot);
        delete slot;
    }
    if (file.isEmpty())
        return;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file) && QCoreApplication::installTranslator(translator))
        slot = translator;
    else
        delete translator;
}

} // namespace

void installTranslations(int index) {
    const QString code = languageCode(index);
    if (!QCoreApplication::instance())
        return;
    replaceTranslator(qtTranslator, code.isEmpty()
                                        ? QString()
                                        : QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                              QStringLiteral("/qtbase_") + code +
                                              QStringLiteral(".qm"));
    replaceTranslator(ownTranslator, code.isEmpty() ? QString()
                                                    : QStringLiteral(":/i18n/sarvo_") + code +
                                                          QStringLiteral(".qm"));
}

void LanguageStrings::load(const QString& directory, int index) {
    QFile file(directory + QStringLiteral("/Lang.txt"));
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly))
        throw StoreError(file.error() == QFileDevice::PermissionsError ? failureText(EACCES)
                                                                       : failureText(EIO));
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw errorFromSystem(EIO);
    file.close();
    loadFromBytes(std::move(content), index);
}

void LanguageStrings::loadForBase(const QString& baseDir, int index) {
    load(programFilesDir(baseDir, kLanguageFileName), index);
}

void LanguageStrings::loadFromBytes(QByteArray content, int index) {
    if (qsizetype end = content.indexOf('\x1a'); end >= 0)
        content.truncate(end);

    codePage_ = languageCodePage(index);
    QStringDecoder decoder(codePage_);
    const long long skip = static_cast<long long>(index) * kLanguageBlock + 1;
    long long lineNo = 0; // lines of the file consumed so far
    qsizetype pos = 0;
    int filled = 0;
    auto nextLine = [&](QByteArray& text) {
        if (pos >= content.size())
            return false;
        qsizetype cr = content.indexOf('\r', pos);
        if (cr < 0) {
            text = content.mid(pos);
            pos = content.size();
        } else {
            text = content.mid(pos, cr - pos);
            pos = cr + 1;
            if (pos < content.size() && content.at(pos) == '\n')
                ++pos;
        }
        return true;
    };
    QByteArray text;
    while (lineNo < skip && nextLine(text))
        ++lineNo;
    for (filled = 1; filled <= kLanguageLines; ++filled) {
        if (lineNo == skip && nextLine(text)) {
            bytes_[filled] = text;
            lines_[filled] = decoder.decode(text);
        } else {
            bytes_[filled].clear();
            lines_[filled].clear();
        }
    }
    portCopy_ = lines_[static_cast<int>(Text::ChoosePort)];
}

const QString& LanguageStrings::line(int n) const {
    static const QString empty;
    return n >= 1 && n <= kLanguageLines ? lines_[n] : empty;
}

const QByteArray& LanguageStrings::lineBytes(int n) const {
    static const QByteArray empty;
    return n >= 1 && n <= kLanguageLines ? bytes_[n] : empty;
}

void LanguageStrings::setLine(int n, const QString& text) {
    if (n >= 1 && n <= kLanguageLines) {
        lines_[n] = text;
        bytes_[n] = encodeIn(codePage_, text);
    }
    if (n == static_cast<int>(Text::ChoosePort))
        portCopy_ = text;
}

LanguageStrings& languageStrings() {
    static LanguageStrings strings;
    return strings;
}

std::uint8_t defaultLanguageIndex(const QLocale& locale) {
    return locale.language() == QLocale::Russian ? 0 : 1;
}

} // namespace sarvo
