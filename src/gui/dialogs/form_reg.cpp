#include "gui/dialogs/form_reg.h"

#include "core/link/registration.h"
#include "core/text/language.h"
#include "gui/common/dialog_layout.h"
#include "gui/common/message_boxes.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <tuple>

namespace sarvo {

TFormReg::TFormReg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFormReg"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);
    setModal(true);

    LblReg = new QLabel(this);
    LblReg->setObjectName(QStringLiteral("LblReg"));
    EditReg = new QLineEdit(this);
    EditReg->setObjectName(QStringLiteral("EditReg"));
    EditReg->setMaxLength(kRegistrationTextMax);
    EditReg->installEventFilter(this);
    LblReg->setBuddy(EditReg);
    std::tie(BtnOk, BtnCancel) = layOutOneField(this, LblReg, EditReg);
    setFixedSize(280, 110);

    connect(BtnOk, &QPushButton::clicked, this, &TFormReg::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TFormReg::BtnCancelClick);
}

QString TFormReg::text() const {
    return EditReg->text();
}

void TFormReg::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TFormReg::FormActivate() {
    setWindowTitle(L(Text::RegisterDosimeterTitle));
    LblReg->setText(L(Text::DosimeterIdPrompt));
    BtnOk->setText(L(Text::Ok));
    BtnCancel->setText(L(Text::Cancel));
    EditReg->clear();
    EditReg->setFocus(Qt::OtherFocusReason);
    centreOnScreen(this);
}

bool TFormReg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == EditReg && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            EditRegKeyDown();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormReg::EditRegKeyDown() {
    BtnOkClick();
}

void TFormReg::BtnOkClick() {
    if (!registrationTextFits(text())) {
        errorBox(L(Text::IdTooLong), this);
        return;
    }
    accept();
}

void TFormReg::BtnCancelClick() {
    reject();
}

} // namespace sarvo
