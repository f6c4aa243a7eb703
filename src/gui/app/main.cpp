#include "gui/app/sarvo_app.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    sarvo::SarvoApp program;
    if (!program.start())
        return program.exitCode();
    return program.exec();
}
