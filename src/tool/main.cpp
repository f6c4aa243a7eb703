#include "sarvo_version.h"
#include "tool/commands.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(SARVO_VERSION));
    return sarvo::tool::run(QCoreApplication::arguments().mid(1));
}
