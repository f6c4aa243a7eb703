#include "gui/dialogs/form_assessed_dose.h"

#include "core/store/dose_database.h"
#include "core/store/store.h"
#include "core/text/dose_texts.h"
#include "core/text/language.h"
#include "core/text/text_forms.h"
#include "gui/common/message_boxes.h"
#include "gui/common/store_call.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace sarvo {

namespace {

QLabel* label(QWidget* parent, const QString& text, const char* name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

TFormAssessedDose::TFormAssessedDose(DoseDatabase& database, long long index,
                                     const UserRecord& person, QWidget* parent)
    : QDialog(parent), database_(database), index_(index), person_(person) {
    setObjectName(QStringLiteral("TFormAssessedDose"));
    setWindowTitle(tr("Assessed dose"));
    setModal(true);

    LblPerson = label(this, personName(person), "LblPerson");
    LblEd = label(this, tr("%1 mSv").arg(formatNumber(person.ED)), "LblEd");
    EditDose = new QLineEdit(this);
    EditDose->setObjectName(QStringLiteral("EditDose"));
    EditDose->setMaxLength(16);
    EditDate = new QDateEdit(QDate::currentDate(), this);
    EditDate->setObjectName(QStringLiteral("EditDate"));
    EditDate->setCalendarPopup(true);
    EditDate->setMaximumDate(QDate::currentDate());
    EditDate->setDisplayFormat(ValueFormats::system().datePattern());
    EditReason = new QLineEdit(this);
    EditReason->setObjectName(QStringLiteral("EditReason"));
    EditReason->setMaxLength(200);

    auto* form = new QFormLayout;
    form->setObjectName(QStringLiteral("LayoutDose"));
    form->addRow(label(this, tr("Person:"), "LblPersonCaption"), LblPerson);
    form->addRow(label(this, tr("Accumulated dose (ED):"), "LblEdCaption"), LblEd);
    const auto row = [&](const QString& text, QWidget* field, const char* name) {
        QLabel* caption = label(this, text, name);
        caption->setBuddy(field);
        form->addRow(caption, field);
    };
    row(tr("Dose (mSv, negative for a correction):"), EditDose, "LblDose");
    row(tr("Date:"), EditDate, "LblDate");
    row(tr("Reason:"), EditReason, "LblReason");

    auto* buttons = new QDialogButtonBox(this);
    buttons->setObjectName(QStringLiteral("ButtonsDose"));
    BtnOk = buttons->addButton(L(Text::Ok), QDialogButtonBox::AcceptRole);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setDefault(true);
    BtnCancel = buttons->addButton(L(Text::Cancel), QDialogButtonBox::RejectRole);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(BtnOk, &QPushButton::clicked, this, &TFormAssessedDose::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TFormAssessedDose::personGoneText() {
    return tr("The person chosen is no longer in this place of the list. Choose the person again.");
}

bool TFormAssessedDose::enter(QWidget* parent, Store& store, long long index, std::int32_t userNo) {
    UserRecord person;
    if (!runStore(parent, [&] { person = store.readUser(index); }))
        return false;
    if (person.UserNo != userNo || userNo == 0) {
        errorBox(personGoneText(), parent);
        return false;
    }
    DoseDatabase database(store);
    TFormAssessedDose dialog(database, index, person, parent);
    return dialog.exec() == QDialog::Accepted;
}

void TFormAssessedDose::BtnOkClick() {
    // 0 is a dose too: a lost dosimeter's period assessed as without dose.
    const std::optional<double> entered = doseFromText(EditDose->text());
    if (!entered) {
        errorBox(tr("Enter the dose in mSv as a number, such as %1 (negative for a correction).")
                     .arg(formatNumber(0.25)),
                 this);
        EditDose->setFocus(Qt::OtherFocusReason);
        return;
    }
    const double dose = *entered;
    const QDate date = EditDate->date();
    if (!date.isValid() || date > QDate::currentDate()) {
        errorBox(tr("The date of an assessed dose cannot be later than today."), this);
        EditDate->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString reason = EditReason->text().trimmed();
    if (reason.isEmpty()) {
        errorBox(tr("Enter the reason for the assessed dose."), this);
        EditReason->setFocus(Qt::OtherFocusReason);
        return;
    }
    EdChange change;
    if (!runStore(this, [&] {
            change = database_.changeEd(index_, person_.UserNo,
                                        EdEntry{LedgerKind::Manual, dose, date, -1, reason, true});
        }))
        return;
    if (!change.done) {
        errorBox(personGoneText(), this);
        reject();
        return;
    }
    for (const Alert& alert : change.raised)
        warningBox(alertWarningText(alert, change.user, dose), this);
    accept();
}

} // namespace sarvo
