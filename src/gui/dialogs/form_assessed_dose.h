#pragma once

#include "core/store/records.h"

#include <QDialog>
#include <cstdint>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sarvo {

class DoseDatabase;
class Store;

// An assessed dose entered by hand for one person (a lost or damaged dosimeter, a dose
// estimated from a colleague's): the person's name and ED are shown; the dose in mSv (negative
// for a correction), the date that decides its periods (today by default, never later) and the
// reason (required) are entered. OK adds the dose to ED with its manual ledger row; a refusal
// (ED below 0) or a failure of the store is shown and the dialog stays open; each alert the
// entry raises is shown in a warning.
class TFormAssessedDose final : public QDialog {
    Q_OBJECT
public:
    TFormAssessedDose(DoseDatabase& database, long long index, const UserRecord& person,
                      QWidget* parent = nullptr);

    // Opens the dialog on the person with `userNo` in record `index` of `store`'s user file
    // (a menu command of the main window calls it on the selected person). The record is read
    // again first: when it holds someone else now, that is said and nothing opens. True when a
    // dose was stored.
    static bool enter(QWidget* parent, Store& store, long long index, std::int32_t userNo);

    // The text shown when the record no longer holds the person chosen.
    static QString personGoneText();

private:
    void BtnOkClick();

    DoseDatabase& database_;
    long long index_;
    UserRecord person_;
    QLabel* LblPerson;
    QLabel* LblEd;
    QLineEdit* EditDose;
    QDateEdit* EditDate;
    QLineEdit* EditReason;
    QPushButton* BtnOk;
    QPushButton* BtnCancel;
};

} // namespace sarvo
