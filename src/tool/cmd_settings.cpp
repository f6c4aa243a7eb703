#include "core/store/store.h"
#include "core/text/language.h"
#include "tool/commands.h"

namespace sarvo::tool {
namespace {

// Shows the settings file of a base directory, or stores the port and the language in it. A
// missing file is created with the defaults first, as the program does at start-up.
int runSettings(const QStringList& arguments) {
    Args args(arguments,
              {QStringLiteral("--port"), QStringLiteral("--lang"), QStringLiteral("--dir")}, {});
    if (!args.positional().isEmpty())
        throw UsageError(QStringLiteral("unexpected argument %1").arg(args.positional().first()));
    long long lang = -1;
    if (args.has(QStringLiteral("--lang"))) {
        lang = args.integer(QStringLiteral("--lang"));
        if (lang < 0 || lang >= kLanguageCount)
            throw UsageError(QStringLiteral("--lang takes a language index from 0 to 6"));
    }

    Store store(args.dir().toStdString());
    SettingsRecord settings = store.loadSettings(defaultLanguageIndex());
    if (args.has(QStringLiteral("--port")) || lang >= 0)
        settings = store.updateSettings(settings, [&](SettingsRecord& stored) {
            if (args.has(QStringLiteral("--port")))
                stored.setPortName(args.value(QStringLiteral("--port")));
            if (lang >= 0)
                stored.LangIndex = static_cast<std::uint8_t>(lang);
        });
    out() << "port " << settings.portName() << "\n"
          << "language " << settings.LangIndex << "\n";
    return 0;
}

const Registration registration("settings", "settings [--port NAME] [--lang 0-6] [--dir DIR]",
                                &runSettings);

} // namespace
} // namespace sarvo::tool
