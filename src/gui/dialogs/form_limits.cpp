#include "gui/dialogs/form_limits.h"

#include "core/store/dose_database.h"
#include "core/text/language.h"
#include "core/text/text_forms.h"
#include "gui/common/message_boxes.h"
#include "gui/common/store_call.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace sarvo {

namespace {

// A dose in mSv as the officer types it, with "," or "." as decimal point; nothing for a text
// that is not a finite number.
QLineEdit* numberEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(16);
    return edit;
}

} // namespace

TFormLimits::TFormLimits(DoseDatabase& database, const DoseLimits& limits, QWidget* parent)
    : QDialog(parent), database_(database) {
    setObjectName(QStringLiteral("TFormLimits"));
    setWindowTitle(tr("Dose limits and levels"));
    setModal(true);

    EditAnnual = numberEdit(this, "EditAnnual");
    EditFiveYear = numberEdit(this, "EditFiveYear");
    EditInvestigation = numberEdit(this, "EditInvestigation");
    EditMonthly = numberEdit(this, "EditMonthly");
    EditOverdueDays = numberEdit(this, "EditOverdueDays");
    CheckMonthly = new QCheckBox(tr("Monthly investigation level (mSv):"), this);
    CheckMonthly->setObjectName(QStringLiteral("CheckMonthly"));

    auto* form = new QFormLayout;
    form->setObjectName(QStringLiteral("LayoutLimits"));
    const auto row = [&](const QString& text, QLineEdit* edit, const char* name) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QLatin1String(name));
        label->setBuddy(edit);
        form->addRow(label, edit);
    };
    row(tr("Annual limit (mSv):"), EditAnnual, "LblAnnual");
    row(tr("Five-year limit (mSv):"), EditFiveYear, "LblFiveYear");
    row(tr("Annual investigation level (mSv):"), EditInvestigation, "LblInvestigation");
    form->addRow(CheckMonthly, EditMonthly);
    row(tr("Overdue after (days without a reading):"), EditOverdueDays, "LblOverdueDays");

    auto* buttons = new QDialogButtonBox(this);
    buttons->setObjectName(QStringLiteral("ButtonsLimits"));
    BtnOk = buttons->addButton(L(Text::Ok), QDialogButtonBox::AcceptRole);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setDefault(true);
    BtnCancel = buttons->addButton(L(Text::Cancel), QDialogButtonBox::RejectRole);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    EditAnnual->setText(formatNumber(limits.annual));
    EditFiveYear->setText(formatNumber(limits.fiveYear));
    EditInvestigation->setText(formatNumber(limits.investigation));
    CheckMonthly->setChecked(limits.monthly.has_value());
    EditMonthly->setText(limits.monthly ? formatNumber(*limits.monthly) : QString());
    EditMonthly->setEnabled(limits.monthly.has_value());
    EditOverdueDays->setText(QString::number(limits.overdueDays));

    connect(CheckMonthly, &QCheckBox::toggled, EditMonthly, &QWidget::setEnabled);
    connect(BtnOk, &QPushButton::clicked, this, &TFormLimits::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TFormLimits::edit(QWidget* parent, Store& store) {
    DoseDatabase database(store);
    DoseLimits limits;
    if (!runStore(parent, [&] { limits = database.limits(); }))
        return false;
    TFormLimits dialog(database, limits, parent);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<DoseLimits> TFormLimits::enteredLimits() {
    DoseLimits limits;
    struct Field {
        QLineEdit* edit;
        double* value;
        QString name;
    };
    double monthly = 0.0;
    std::vector<Field> fields{
        {EditAnnual, &limits.annual, tr("annual limit")},
        {EditFiveYear, &limits.fiveYear, tr("five-year limit")},
        {EditInvestigation, &limits.investigation, tr("annual investigation level")}};
    if (CheckMonthly->isChecked())
        fields.push_back({EditMonthly, &monthly, tr("monthly investigation level")});
    for (const Field& field : fields) {
        const std::optional<double> value = doseFromText(field.edit->text());
        if (!value || *value <= 0.0) {
            errorBox(tr("The %1 must be a dose in mSv above 0, such as %2.")
                         .arg(field.name, formatNumber(0.5)),
                     this);
            field.edit->setFocus(Qt::OtherFocusReason);
            return std::nullopt;
        }
        *field.value = *value;
    }
    if (CheckMonthly->isChecked())
        limits.monthly = monthly;
    bool ok = false;
    limits.overdueDays = EditOverdueDays->text().trimmed().toInt(&ok);
    if (!ok || limits.overdueDays < 1) {
        errorBox(tr("The days after which a dosimeter is overdue must be a whole number from 1."),
                 this);
        EditOverdueDays->setFocus(Qt::OtherFocusReason);
        return std::nullopt;
    }
    return limits;
}

void TFormLimits::BtnOkClick() {
    const std::optional<DoseLimits> limits = enteredLimits();
    if (limits && runStore(this, [&] { database_.setLimits(*limits); }))
        accept();
}

} // namespace sarvo
