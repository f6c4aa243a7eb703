#include "gui/port/form_sel_port.h"

#include "core/text/language.h"
#include "gui/common/dialog_layout.h"
#include "gui/common/message_boxes.h"
#include "gui/port/com_port.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <tuple>

namespace sarvo {

TFormSelPort::TFormSelPort(ComPort& port, QWidget* parent) : QDialog(parent), port_(port) {
    setObjectName(QStringLiteral("TFormSelPort"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);

    LabelSelPort = new QLabel(this);
    LabelSelPort->setObjectName(QStringLiteral("LabelSelPort"));
    CCBSelPort = new QComboBox(this);
    CCBSelPort->setObjectName(QStringLiteral("CCBSelPort"));
    CCBSelPort->setEditable(false);
    CCBSelPort->addItem(QStringLiteral("COM1"));
    std::tie(BtnOk, BtnCancel) = layOutOneField(this, LabelSelPort, CCBSelPort);
    BtnOk->setDefault(true);
    setFixedSize(280, 120);

    connect(BtnOk, &QPushButton::clicked, this, &TFormSelPort::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TFormSelPort::BtnCancelClick);
}

QString TFormSelPort::portText() const {
    return CCBSelPort->currentText();
}

void TFormSelPort::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TFormSelPort::FormActivate() {
    setWindowTitle(L(Text::ChoosePort));
    LabelSelPort->setText(L(Text::ChoosePortPrompt));
    BtnOk->setText(L(Text::Ok));
    BtnCancel->setText(L(Text::Cancel));

    QStringList names = ComPort::availablePortNames();
    const QString current = port_.portName();
    if (!names.contains(current))
        names << current;
    CCBSelPort->clear();
    CCBSelPort->addItems(names);
    CCBSelPort->setCurrentIndex(CCBSelPort->findText(current));

    centreOnScreen(this);
}

void TFormSelPort::BtnOkClick() {
    try {
        port_.setPortName(portText());
        port_.open();
        port_.purge();
        port_.pulseAdapterLines();
    } catch (const PortError&) {
        port_.close();
        errorBox(L(Text::PortOpenFailed), this);
        return;
    }
    accept();
}

void TFormSelPort::BtnCancelClick() {
    reject();
}

} // namespace sarvo
