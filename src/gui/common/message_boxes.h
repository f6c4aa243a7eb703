#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace sarvo {

// The five forms of message box. Each is modal and runs its own event loop; the box is placed
// over the window that is active at the moment (a dialog when one is open), and its title is
// the application title, AppTitle.

// Error symbol, OK.
void errorBox(const QString& text, QWidget* parent = nullptr);
// Warning symbol, OK.
void warningBox(const QString& text, QWidget* parent = nullptr);
// Information symbol, OK.
void infoBox(const QString& text, QWidget* parent = nullptr);
// Warning symbol, Yes and No; true on Yes.
bool warningQuestion(const QString& text, QWidget* parent = nullptr);
// Information symbol, Yes, No and Cancel; the button chosen (Cancel when the box is closed).
QMessageBox::StandardButton infoQuestion(const QString& text, QWidget* parent = nullptr);

} // namespace sarvo
