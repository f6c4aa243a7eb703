#pragma once

#include "core/text/text_id.h"

#include <QLocale>
#include <QString>
#include <array>
#include <cstdint>

namespace sarvo {

inline constexpr int kLanguageCount = 7;
inline constexpr int kLanguageLines = 94;
inline constexpr int kLanguageBlock = 95;

// The code page of each language block of Lang.txt: Russian 1251, Polish 1250, the others 1252.
const char* languageCodePage(int index);
// The tag of each language in the help file names: "Rus", "Eng", "Nem", "Fr", "Isp", "Itl", "Pol".
QString languageTag(int index);
// The ISO 639-1 code of each language: "ru", "en", "de", "fr", "es", "it", "pl"; empty outside
// 0..6.
QString languageCode(int index);

// Puts the translations of the program's own texts (":/i18n/sarvo_<code>.qm") and of Qt's texts
// (message-box buttons, file dialog: "qtbase_<code>.qm" of the Qt installation) for language
// `index` into the application, in place of those of the previous language. Outside 0..6 both
// are removed (the English source texts show). Needs a QCoreApplication.
void installTranslations(int index);

// The 94 texts of the current language, language lines 1 to 94.
class LanguageStrings {
public:
    // Loads block `index` of "Lang.txt" in `directory`. Without a file nothing changes. A line
    // ends at CR or CR LF (a lone LF does not end it) and Ctrl-Z ends the file; lines the file
    // lacks become empty. A file that exists but cannot be read throws StoreError.
    void load(const QString& directory, int index);
    // The same from the Lang.txt the program reads for the base directory `baseDir`: its own
    // when it has one, otherwise the installed one (programFilesDir).
    void loadForBase(const QString& baseDir, int index);
    // The same from the content of a Lang.txt file.
    void loadFromBytes(QByteArray content, int index);

    // Language line n (1 to 94); an empty text outside that range.
    const QString& line(int n) const;
    const QString& line(Text t) const { return line(static_cast<int>(t)); }
    // Language line n as the file holds it, in codePage(): what text files written by the
    // program carry, converted nowhere.
    const QByteArray& lineBytes(int n) const;
    const QByteArray& lineBytes(Text t) const { return lineBytes(static_cast<int>(t)); }
    // The code page of the loaded block (languageCodePage); Windows-1251 before any load.
    const char* codePage() const { return codePage_; }
    // The copy of the port line kept for the port menu item and its button.
    const QString& portCaption() const { return portCopy_; }

    // Sets line n; its bytes are the text in codePage() (a character it lacks becomes "?").
    void setLine(int n, const QString& text);

private:
    std::array<QString, kLanguageLines + 1> lines_;
    std::array<QByteArray, kLanguageLines + 1> bytes_;
    const char* codePage_ = "windows-1251";
    QString portCopy_;
};

// The five lines of the About box and the splash window, from the top.
inline constexpr std::array<Text, 5> kAboutLines{Text::AboutName, Text::AboutYear,
                                                 Text::AboutPurpose, Text::AboutInstrument,
                                                 Text::AboutVersion};

// The program's one set of language strings.
LanguageStrings& languageStrings();
// Shorthand for a language line of the program's strings.
inline const QString& L(Text t) {
    return languageStrings().line(t);
}

// 0 (Russian) where the system is set up for Russian, 1 (English) otherwise.
std::uint8_t defaultLanguageIndex(const QLocale& locale = QLocale::system());

} // namespace sarvo
