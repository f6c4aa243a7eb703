#include "gui/common/mask_edit.h"

#include "gui/common/message_boxes.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

namespace sarvo {

namespace {

constexpr QChar kBlank = QLatin1Char('_');

// A focus change within the window: the officer moved on (Tab, a click, Enter between edits).
// A change of the active window (a message box, another program, the dialog closing) is not a
// leaving of the edit.
bool isLeaving(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

MaskEdit::MaskEdit(const QString& inputMask, const QString& emptyText, QWidget* parent)
    : QLineEdit(parent), emptyText_(emptyText) {
    setInputMask(inputMask + QStringLiteral(";") + kBlank);
    setEditText(emptyText);
}

QString MaskEdit::invalidInputMessage() {
    return QStringLiteral("Invalid input value.  Use escape key to abandon changes");
}

QString MaskEdit::editText() const {
    QString text = displayText();
    text.replace(kBlank, QLatin1Char(' '));
    return text;
}

void MaskEdit::setEditText(const QString& text) {
    // A blank given as "_" keeps its place; a plain blank would be skipped by the mask.
    QString masked = text;
    masked.replace(QLatin1Char(' '), kBlank);
    setText(masked);
    setModified(false);
    enteredText_ = editText();
}

void MaskEdit::focusInEvent(QFocusEvent* event) {
    if (!refusing_ && isLeaving(event->reason()))
        enteredText_ = editText();
    QLineEdit::focusInEvent(event);
}

void MaskEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (refusing_ || !isLeaving(event->reason()) || !window()->isVisible())
        return;
    if (isModified() && !hasAcceptableInput())
        refuseLeaving();
}

void MaskEdit::refuseLeaving() {
    refusing_ = true;
    QApplication::beep();
    // The widget that took the focus finishes its own event first (a button press must not be
    // cut in half); then the focus comes back and the message is shown.
    QPointer<MaskEdit> self(this);
    QTimer::singleShot(0, this, [self] {
        if (!self)
            return;
        self->setFocus(Qt::OtherFocusReason);
        errorBox(invalidInputMessage(), self->window());
        if (self) {
            self->refusing_ = false;
            self->setFocus(Qt::OtherFocusReason);
        }
    });
}

void MaskEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        emit enterPressed();
        return;
    case Qt::Key_Escape:
        if (isModified()) {
            const QString entered = enteredText_;
            setEditText(entered);
        }
        // Escape never leaves the dialog from an edit.
        event->accept();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

void MaskEdit::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    emit keyUp();
}

} // namespace sarvo
