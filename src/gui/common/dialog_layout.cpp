#include "gui/common/dialog_layout.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace sarvo {

std::pair<QPushButton*, QPushButton*> layOutOneField(QWidget* dialog, QLabel* label,
                                                     QWidget* field) {
    const std::pair made{new QPushButton(dialog), new QPushButton(dialog)};
    made.first->setObjectName(QStringLiteral("BtnOk"));
    made.second->setObjectName(QStringLiteral("BtnCancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(made.first);
    buttons->addWidget(made.second);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(label);
    layout->addWidget(field);
    layout->addLayout(buttons);
    return made;
}

void centreOnScreen(QWidget* window, const QScreen* screen) {
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        window->move(screen->availableGeometry().center() - window->rect().center());
}

} // namespace sarvo
