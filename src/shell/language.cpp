#include "shell/language.h"

#include "store/store_error.h"

#include <QFile>
#include <QStringDecoder>
#include <cerrno>

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
    if (qsizetype end = content.indexOf('\x1a'); end >= 0)
        content.truncate(end);

    QStringDecoder decoder(languageCodePage(index));
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
        if (lineNo == skip && nextLine(text))
            lines_[filled] = decoder.decode(text);
        else
            lines_[filled].clear();
    }
    portCopy_ = lines_[5];
}

const QString& LanguageStrings::line(int n) const {
    static const QString empty;
    return n >= 1 && n <= kLanguageLines ? lines_[n] : empty;
}

void LanguageStrings::setLine(int n, const QString& text) {
    if (n >= 1 && n <= kLanguageLines)
        lines_[n] = text;
    if (n == 5)
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
