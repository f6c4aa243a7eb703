#include "gui/dialogs/form_register_data.h"

#include "core/store/dose_database.h"
#include "core/store/store.h"
#include "core/text/dose_texts.h"
#include "core/text/language.h"
#include "core/text/text_forms.h"
#include "gui/common/message_boxes.h"
#include "gui/common/store_call.h"
#include "gui/dialogs/form_assessed_dose.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace sarvo {

namespace {

template <class Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A date field that is given only when its check box is checked.
QDateEdit* dateEdit(QWidget* parent, const char* name, const QDate& date, QCheckBox* check) {
    auto* edit = named(new QDateEdit(date.isValid() ? date : QDate::currentDate(), parent), name);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(ValueFormats::system().datePattern());
    edit->setMinimumDate(QDate(1900, 1, 1));
    check->setChecked(date.isValid());
    edit->setEnabled(date.isValid());
    QObject::connect(check, &QCheckBox::toggled, edit, &QWidget::setEnabled);
    return edit;
}

constexpr PersonCategory kCategories[] = {PersonCategory::None, PersonCategory::A,
                                          PersonCategory::B, PersonCategory::Unclassified};

} // namespace

TFormRegisterData::TFormRegisterData(DoseDatabase& database, const UserRecord& person,
                                     const PersonDetails& details, QWidget* parent)
    : QDialog(parent), database_(database), userNo_(person.UserNo) {
    setObjectName(QStringLiteral("TFormRegisterData"));
    setWindowTitle(tr("Register data"));
    setModal(true);

    LblPerson = named(new QLabel(personName(person), this), "LblPerson");
    EditFullName = named(new QLineEdit(details.fullName, this), "EditFullName");
    EditFullName->setPlaceholderText(personName(person));
    EditRegistryId = named(new QLineEdit(details.registryId, this), "EditRegistryId");
    CheckBirth = named(new QCheckBox(tr("Date of birth:"), this), "CheckBirth");
    EditBirth = dateEdit(this, "EditBirth", details.birth, CheckBirth);
    EditBirth->setMaximumDate(QDate::currentDate());
    ComboCategory = named(new QComboBox(this), "ComboCategory");
    ComboCategory->addItems({tr("not given"), tr("A"), tr("B"), tr("unclassified")});
    for (int k = 0; k < 4; ++k)
        if (kCategories[k] == details.category)
            ComboCategory->setCurrentIndex(k);
    EditSite = named(new QLineEdit(details.site, this), "EditSite");
    CheckLeft = named(new QCheckBox(tr("Left on:"), this), "CheckLeft");
    EditLeft = dateEdit(this, "EditLeft", details.left, CheckLeft);

    auto* form = new QFormLayout;
    form->setObjectName(QStringLiteral("LayoutRegisterData"));
    const auto row = [&](const QString& text, QWidget* field, const char* name) {
        QLabel* caption = named(new QLabel(text, this), name);
        caption->setBuddy(field);
        form->addRow(caption, field);
    };
    form->addRow(named(new QLabel(tr("Person:"), this), "LblPersonCaption"), LblPerson);
    row(tr("&Full name:"), EditFullName, "LblFullName");
    row(tr("&Registry number:"), EditRegistryId, "LblRegistryId");
    form->addRow(CheckBirth, EditBirth);
    row(tr("&Category:"), ComboCategory, "LblCategory");
    row(tr("&Employer or site code:"), EditSite, "LblSite");
    form->addRow(CheckLeft, EditLeft);

    auto* buttons = named(new QDialogButtonBox(this), "ButtonsRegisterData");
    BtnOk = named(buttons->addButton(L(Text::Ok), QDialogButtonBox::AcceptRole), "BtnOk");
    BtnOk->setDefault(true);
    BtnCancel =
        named(buttons->addButton(L(Text::Cancel), QDialogButtonBox::RejectRole), "BtnCancel");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(420);

    connect(BtnOk, &QPushButton::clicked, this, &TFormRegisterData::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TFormRegisterData::edit(QWidget* parent, Store& store, long long index, std::int32_t userNo) {
    UserRecord person;
    PersonDetails details;
    DoseDatabase database(store);
    if (!runStore(parent, [&] {
            person = store.readUser(index);
            details = database.personDetails(userNo);
        }))
        return false;
    if (person.UserNo != userNo || userNo == 0) {
        errorBox(TFormAssessedDose::personGoneText(), parent);
        return false;
    }
    TFormRegisterData dialog(database, person, details, parent);
    return dialog.exec() == QDialog::Accepted;
}

PersonDetails TFormRegisterData::details() const {
    PersonDetails details;
    details.userNo = userNo_;
    details.fullName = EditFullName->text().trimmed();
    details.registryId = EditRegistryId->text().trimmed();
    if (CheckBirth->isChecked())
        details.birth = EditBirth->date();
    details.category = kCategories[qBound(0, ComboCategory->currentIndex(), 3)];
    details.site = EditSite->text().trimmed();
    if (CheckLeft->isChecked())
        details.left = EditLeft->date();
    return details;
}

void TFormRegisterData::BtnOkClick() {
    const PersonDetails entered = details();
    if (entered.birth.isValid() && entered.birth > QDate::currentDate()) {
        errorBox(tr("The date of birth cannot be later than today."), this);
        EditBirth->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (entered.birth.isValid() && entered.left.isValid() && entered.left < entered.birth) {
        errorBox(tr("The day the person left cannot be before the date of birth."), this);
        EditLeft->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (runStore(this, [&] { database_.setPersonDetails(entered); }))
        accept();
}

} // namespace sarvo
