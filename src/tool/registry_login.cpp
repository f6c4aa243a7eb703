#include "tool/registry_login.h"

#include "core/store/platform.h"
#include "tool/commands.h"

#include <string>

namespace sarvo::tool {

registry::RegistryAddress registryAddress(const QString& url) {
    const std::optional<registry::RegistryAddress> address = registry::RegistryAddress::parse(url);
    if (!address)
        throw UsageError(QStringLiteral("--db takes an address "
                                        "postgresql://[USER@]HOST[:PORT]/DATABASE, not %1")
                             .arg(url));
    return *address;
}

QString readPassword(const QString& prompt) {
    const bool terminal = platform::isTerminal(0);
    if (terminal) {
        err() << prompt;
        err().flush();
    }
    std::string line;
    const bool read = platform::readHiddenLine(line);
    if (terminal) {
        err() << "\n";
        err().flush();
    }
    return read ? QString::fromStdString(line) : QString();
}

std::unique_ptr<registry::RegistryConnection> connectRegistry(const QString& url) {
    const registry::RegistryAddress address = registryAddress(url);
    registry::PasswordPrompt prompt;
    if (platform::isTerminal(0))
        prompt = [](const registry::RegistryAddress& at) {
            const QString user =
                at.user.isEmpty() ? QString::fromStdString(platform::loginName()) : at.user;
            return readPassword(
                QStringLiteral("Password for %1 at %2: ")
                    .arg(user, at.host.isEmpty() ? QStringLiteral("localhost") : at.host));
        };
    return std::make_unique<registry::RegistryConnection>(address, prompt);
}

} // namespace sarvo::tool
