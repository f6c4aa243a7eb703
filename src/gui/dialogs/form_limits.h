#pragma once

#include "core/store/dose_ledger.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sarvo {

class DoseDatabase;
class Store;

// The limits and levels the doses are judged by: the annual limit, the five-year limit, the
// annual investigation level, the monthly investigation level (switched on or off), all in mSv,
// and the days after which a dosimeter not read is overdue. They are read from the dose database
// and stored there on OK; a value that is not a number above 0 (the days: a whole number from 1)
// is refused with a message naming it, and nothing is stored.
class TFormLimits final : public QDialog {
    Q_OBJECT
public:
    TFormLimits(DoseDatabase& database, const DoseLimits& limits, QWidget* parent = nullptr);

    // Opens the dialog on the limits of `store`'s dose database (a menu command of the main
    // window calls it): true when the officer stored new limits.
    static bool edit(QWidget* parent, Store& store);

private:
    // The limits the fields hold, or nothing after a message that names the bad value.
    std::optional<DoseLimits> enteredLimits();
    void BtnOkClick();

    DoseDatabase& database_;
    QLineEdit* EditAnnual;
    QLineEdit* EditFiveYear;
    QLineEdit* EditInvestigation;
    QCheckBox* CheckMonthly;
    QLineEdit* EditMonthly;
    QLineEdit* EditOverdueDays;
    QPushButton* BtnOk;
    QPushButton* BtnCancel;
};

} // namespace sarvo
