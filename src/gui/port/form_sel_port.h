#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace sarvo {

class ComPort;
class PortError;

// The port dialog: the program's port first, then the serial ports the system lists, each with
// what the system says of it; a device path may be typed in. A program's port that is not there
// is named "(not present)" and not chosen. The stored choice is the port's name or the path
// typed, never the text of the list. OK opens the chosen port before the dialog closes; a port
// that cannot be opened shows PortOpenFailed and keeps the dialog open.
class TFormSelPort final : public QDialog {
    Q_OBJECT
public:
    explicit TFormSelPort(ComPort& port, QWidget* parent = nullptr);

    // The chosen port's name, or the name or path typed in.
    QString portText() const;
    // PortOpenFailed, and for a device the user has no rights to, how to get them.
    static QString openFailedText(const PortError& error);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
    void BtnOkClick();
    void BtnCancelClick();

    QLabel* LabelSelPort;
    QComboBox* CCBSelPort;
    QPushButton* BtnOk;
    QPushButton* BtnCancel;

    ComPort& port_;
};

} // namespace sarvo
