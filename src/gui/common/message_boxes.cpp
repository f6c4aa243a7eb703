#include "gui/common/message_boxes.h"

#include "core/text/language.h"

#include <QApplication>

namespace sarvo {

namespace {

QWidget* ownerFor(QWidget* parent) {
    if (parent)
        return parent;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QMessageBox::StandardButton runBox(QMessageBox::Icon icon, const QString& text,
                                   QMessageBox::StandardButtons buttons,
                                   QMessageBox::StandardButton escapeButton, QWidget* parent) {
    QMessageBox box(icon, L(Text::AppTitle), text, buttons, ownerFor(parent));
    box.setEscapeButton(escapeButton);
    box.setTextFormat(Qt::PlainText);
    const int result = box.exec();
    return static_cast<QMessageBox::StandardButton>(result);
}

} // namespace

void errorBox(const QString& text, QWidget* parent) {
    runBox(QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok, parent);
}

void warningBox(const QString& text, QWidget* parent) {
    runBox(QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok, parent);
}

void infoBox(const QString& text, QWidget* parent) {
    runBox(QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok, parent);
}

bool warningQuestion(const QString& text, QWidget* parent) {
    return runBox(QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                  parent) == QMessageBox::Yes;
}

QMessageBox::StandardButton infoQuestion(const QString& text, QWidget* parent) {
    const auto answer = runBox(QMessageBox::Information, text,
                               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                               QMessageBox::Cancel, parent);
    return answer == QMessageBox::Yes || answer == QMessageBox::No ? answer : QMessageBox::Cancel;
}

} // namespace sarvo
