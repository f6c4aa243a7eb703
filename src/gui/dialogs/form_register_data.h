#pragma once

#include "core/store/person_details.h"
#include "core/store/records.h"

#include <QDialog>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sarvo {

class DoseDatabase;
class Store;

// The register data of one person (what a dose registry asks beyond the user file): the full
// name in Unicode, the registry number, the date of birth, the category, the employer or site
// code and the day the person left. The names of the user file stand in the full name's field as
// a placeholder only. OK stores the data as shown (setPersonDetails); a refusal (a registry
// number another person holds, the person no longer in the file) or a failure of the store is
// shown and the dialog stays open with nothing stored; Cancel changes nothing.
class TFormRegisterData final : public QDialog {
    Q_OBJECT
public:
    TFormRegisterData(DoseDatabase& database, const UserRecord& person,
                      const PersonDetails& details, QWidget* parent = nullptr);

    // Opens the dialog on the person with `userNo` in record `index` of `store`'s user file
    // (a menu command of the main window calls it on the selected person). The record is read
    // again first: when it holds someone else now, that is said and nothing opens. True when
    // register data were stored.
    static bool edit(QWidget* parent, Store& store, long long index, std::int32_t userNo);

    // The register data as the fields show them.
    PersonDetails details() const;

private:
    void BtnOkClick();

    DoseDatabase& database_;
    std::int32_t userNo_;
    QLabel* LblPerson;
    QLineEdit* EditFullName;
    QLineEdit* EditRegistryId;
    QCheckBox* CheckBirth;
    QDateEdit* EditBirth;
    QComboBox* ComboCategory;
    QLineEdit* EditSite;
    QCheckBox* CheckLeft;
    QDateEdit* EditLeft;
    QPushButton* BtnOk;
    QPushButton* BtnCancel;
};

} // namespace sarvo
