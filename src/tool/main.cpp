#include "tool/commands.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return sarvo::tool::run(QCoreApplication::arguments().mid(1));
}
