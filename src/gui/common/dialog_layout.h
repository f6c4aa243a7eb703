#pragma once

#include <utility>

class QLabel;
class QPushButton;
class QScreen;
class QWidget;

namespace sarvo {

// Lays out `dialog` as one question: `label` over `field`, and OK and Cancel (created here, named
// "BtnOk" and "BtnCancel", returned in that order) at the bottom right.
std::pair<QPushButton*, QPushButton*> layOutOneField(QWidget* dialog, QLabel* label,
                                                     QWidget* field);

// Moves `window` to the centre of the available area of `screen` (the primary screen when none is
// given); nothing without a screen.
void centreOnScreen(QWidget* window, const QScreen* screen = nullptr);

} // namespace sarvo
