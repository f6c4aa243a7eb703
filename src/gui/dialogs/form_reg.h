#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace sarvo {

// The registration dialog: one field for the dosimeter's number, at most 16 characters. OK
// (or Enter in the field) closes it when the text fits; the caller converts and checks the
// number. Esc cancels.
class TFormReg final : public QDialog {
    Q_OBJECT
public:
    explicit TFormReg(QWidget* parent = nullptr);

    QString text() const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Captions; the field emptied and given the focus.
    void FormActivate();
    void EditRegKeyDown();
    void BtnOkClick();
    void BtnCancelClick();

    QLabel* LblReg;
    QLineEdit* EditReg;
    QPushButton* BtnOk;
    QPushButton* BtnCancel;
};

} // namespace sarvo
