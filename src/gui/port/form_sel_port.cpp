#include "gui/port/form_sel_port.h"

#include "core/text/language.h"
#include "gui/common/dialog_layout.h"
#include "gui/common/message_boxes.h"
#include "gui/port/com_port.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSerialPortInfo>
#include <tuple>

namespace sarvo {

namespace {

// "ttyUSB0 — FT232R USB UART (FTDI)": the name, then what the system says of the device.
QString portLabel(const QString& name, const QSerialPortInfo& info) {
    QString about = info.description();
    const QString maker = info.manufacturer();
    if (!maker.isEmpty() && !about.contains(maker, Qt::CaseInsensitive))
        about = about.isEmpty() ? maker : about + QStringLiteral(" (") + maker + QLatin1Char(')');
    return about.isEmpty() ? name : name + QStringLiteral(" \u2014 ") + about;
}

} // namespace

TFormSelPort::TFormSelPort(ComPort& port, QWidget* parent) : QDialog(parent), port_(port) {
    setObjectName(QStringLiteral("TFormSelPort"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);

    LabelSelPort = new QLabel(this);
    LabelSelPort->setObjectName(QStringLiteral("LabelSelPort"));
    CCBSelPort = new QComboBox(this);
    CCBSelPort->setObjectName(QStringLiteral("CCBSelPort"));
    // A device path may be typed in: a port the system does not list (some USB adapters, a
    // pseudo-terminal, a link made by a udev rule). No completion: a name typed is taken as typed.
    CCBSelPort->setEditable(true);
    CCBSelPort->setInsertPolicy(QComboBox::NoInsert);
    CCBSelPort->setCompleter(nullptr);
    std::tie(BtnOk, BtnCancel) = layOutOneField(this, LabelSelPort, CCBSelPort);
    BtnOk->setDefault(true);
    setFixedSize(360, 120);

    connect(BtnOk, &QPushButton::clicked, this, &TFormSelPort::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TFormSelPort::BtnCancelClick);
}

QString TFormSelPort::portText() const {
    // A line of the list stands for its port's name; anything else is a name or path typed in.
    const QString text = CCBSelPort->currentText();
    const int line = CCBSelPort->findText(text, Qt::MatchExactly);
    const QString name = line >= 0 ? CCBSelPort->itemData(line).toString() : QString();
    return name.isEmpty() ? text.trimmed() : name;
}

QString TFormSelPort::openFailedText(const PortError& error) {
    QString text = L(Text::PortOpenFailed);
#ifdef Q_OS_LINUX
    if (error.noRights())
        text += QStringLiteral("\n\n") +
                tr("You have no rights to use this port. The user must be a member of the group "
                   "dialout:\n    sudo adduser $USER dialout\nthen log out and log in again.");
#else
    Q_UNUSED(error);
#endif
    return text;
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

    // The program's port first: chosen when it is there; when it is not (an adapter unplugged),
    // it is named as not present and the field stays empty, so that OK never takes a port that
    // is not there without the officer choosing it.
    CCBSelPort->clear();
    const QString current = port_.portName();
    const auto ports = QSerialPortInfo::availablePorts();
    const std::optional<QSerialPortInfo> listed = ComPort::listedPort(ports, current);
    const bool present = listed || ComPort::deviceFileExists(current);
    if (!current.isEmpty())
        CCBSelPort->addItem(listed    ? portLabel(current, *listed)
                            : present ? current
                                      : tr("%1 (not present)").arg(current),
                            current);
    for (const QSerialPortInfo& info : ports)
        if (!listed || info.systemLocation() != listed->systemLocation())
            CCBSelPort->addItem(portLabel(info.portName(), info), info.portName());
    CCBSelPort->setCurrentIndex(present ? 0 : -1);
    if (!present)
        CCBSelPort->setEditText(QString());

    centreOnScreen(this);
}

void TFormSelPort::BtnOkClick() {
    const QString previous = port_.portName();
    try {
        port_.setPortName(portText());
        port_.open();
        port_.purge();
        port_.pulseAdapterLines();
    } catch (const PortError& error) {
        // The port stays closed and keeps the program's name, which the list shows first.
        port_.close();
        port_.setPortName(previous);
        errorBox(openFailedText(error), this);
        return;
    }
    accept();
}

void TFormSelPort::BtnCancelClick() {
    reject();
}

} // namespace sarvo
