#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace sarvo {

class ComPort;

// The port dialog: a drop-down list of the serial ports present, plus the port the program is
// set to when that one is not among them (pseudo-terminals are not listed by the system).
// OK opens the chosen port before the dialog closes; a port that cannot be opened shows
// PortOpenFailed and keeps the dialog open.
class TFormSelPort final : public QDialog {
    Q_OBJECT
public:
    explicit TFormSelPort(ComPort& port, QWidget* parent = nullptr);

    // The text of the list: the chosen port's name.
    QString portText() const;

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
