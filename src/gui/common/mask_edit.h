#pragma once

#include <QLineEdit>

namespace sarvo {

// A masked edit of the filter dialog. Empty positions show "_"; the edit text reads them as
// blanks and includes the separators ("  .  .  " for an empty date edit).
//
// Pattern check: leaving a modified edit in which a required position is empty is refused with
// a beep and the message "Invalid input value.  Use escape key to abandon changes", and the
// focus goes back into the edit. Escape in a modified edit restores the text the edit had when
// it was entered. Enter is reported (enterPressed) and goes no further, so it never confirms a
// dialog. After every key release keyUp() is reported.
class MaskEdit final : public QLineEdit {
    Q_OBJECT
public:
    // `inputMask`: a Qt input mask ('9' a required digit, '0' an optional one) without the
    // blank character, which is always "_"; `emptyText`: the edit text of the empty edit.
    MaskEdit(const QString& inputMask, const QString& emptyText, QWidget* parent = nullptr);

    // The text as the officer sees it, blanks for empty positions.
    QString editText() const;
    // Puts a text in (blanks for empty positions) and clears the modified mark.
    void setEditText(const QString& text);
    bool isEmptyForm() const { return editText() == emptyText_; }
    QString emptyText() const { return emptyText_; }

    // A refused leaving whose message is still to come: the focus is on its way back here.
    bool refusing() const { return refusing_; }

    static QString invalidInputMessage();

signals:
    void enterPressed();
    void keyUp();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void refuseLeaving();

    QString emptyText_;
    QString enteredText_;
    bool refusing_ = false;
};

} // namespace sarvo
