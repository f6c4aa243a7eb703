#include "core/store/store.h"
#include "core/text/language.h"
#include "tool/commands.h"

namespace sarvo::tool {
namespace {

// Shows the settings file of a base directory, or stores the port and the language in it. A
// missing file is created with the defaults first, as the program does at start-up.
int runSettings(const Args& args) {
    args.refusePositional();
    long long lang = -1;
    if (args.has(QStringLiteral("lang"))) {
        lang = args.integer(QStringLiteral("lang"));
        if (lang < 0 || lang >= kLanguageCount)
            throw UsageError(QStringLiteral("--lang takes a language index from 0 to 6"));
    }

    Store store(args.dir().toStdString());
    SettingsRecord settings = store.loadSettings(defaultLanguageIndex());
    if (args.has(QStringLiteral("port")) || lang >= 0)
        settings = store.updateSettings(settings, [&](SettingsRecord& stored) {
            if (args.has(QStringLiteral("port")))
                stored.setPortName(args.value(QStringLiteral("port")));
            if (lang >= 0)
                stored.LangIndex = static_cast<std::uint8_t>(lang);
        });
    out() << "port " << settings.portName() << "\n"
          << "language " << settings.LangIndex << "\n";
    return 0;
}

const Registration registration(
    "settings", "settings [--port NAME] [--lang 0-6] [--dir DIR]",
    "Shows the settings file of a base directory, or stores the port and the language in it;\n"
    "a missing file is created with the defaults first, as the program does at start-up.",
    {valued("port", "NAME", "The serial port to store."),
     valued("lang", "0-6", "The language index to store."), dirOption()},
    &runSettings);

} // namespace
} // namespace sarvo::tool
