#pragma once

#include <QDialog>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

namespace sarvo {

class MaskEdit;
enum class FilterEdit;

// The date and time filter dialog: two coloured groups (a date range and a time-of-day range,
// each with its check box and two masked edits) and an OK button; no Cancel button. The check
// boxes switch their range on and off in the program's filter at once; OK reads the bounds of
// the ranges that are on. The dialog lives as long as the program and its edits keep their
// texts between openings.
class TFormFilter final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 578;
    static constexpr int kClientHeight = 104;
    // The left edges of MEDateTo and METimeTo within their groups.
    static constexpr int kDateToLeft = 224;
    static constexpr int kTimeToLeft = 232;

    explicit TFormFilter(QWidget* parent = nullptr);

    // The colour of the two groups (red 128, green 128, blue 192).
    static QColor panelColour() { return QColor(128, 128, 192); }

signals:
    // OK decided the filter mark of the status bar: FilterOn when `on`, empty otherwise.
    void filterMarkSet(bool on);
    // OK read every bound it had to: the history view on screen is to be rebuilt.
    void filterConfirmed();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormShow();
    void applyCaptions();
    void arrangeGroups();
    void editKeyUp(MaskEdit* edit);
    MaskEdit* editOf(FilterEdit edit) const;
    void CBDateClick();
    void CBTimeClick();
    void BtnOkClick();
    void MEDateFromKeyUp();
    void MEDateToKeyUp();
    void METimeFromKeyUp();
    void METimeToKeyUp();

    QFrame* PanelDate;
    QLabel* LbNameDate;
    QCheckBox* CBDate;
    QLabel* LbDateFrom;
    MaskEdit* MEDateFrom;
    QLabel* LbDateTo;
    MaskEdit* MEDateTo;
    QFrame* PanelTime;
    QLabel* LbNameTime;
    QCheckBox* CBTime;
    QLabel* LbTimeFrom;
    MaskEdit* METimeFrom;
    QLabel* LbTimeTo;
    MaskEdit* METimeTo;
    QPushButton* BtnOk;
};

} // namespace sarvo
