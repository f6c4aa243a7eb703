#pragma once

#include "core/store/person_ops.h"

#include <QColor>
#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sarvo {

// The person dialog: first name, middle name, last name and department of one person, for a
// new person, for showing a person read-only, and for changing a person. The opener sets the
// mode (title, texts, read-only state) before showing it. Each field takes up to 20 characters;
// Tab visits them top to bottom, then the buttons. OK needs a last name and a first name, and a
// text with letters Windows-1251 lacks is named in a question: stored with "?" for them, or back
// to that field. Esc cancels.
class TFormNewUser final : public QDialog {
    Q_OBJECT
public:
    enum Mode { NewPerson, ShowPerson, ChangePerson };

    static constexpr int kClientWidth = 323;
    static constexpr int kClientHeight = 247;
    static QColor panelColour() { return QColor(128, 128, 192); }
    static QColor focusColour() { return QColor(0, 255, 255); }

    explicit TFormNewUser(QWidget* parent = nullptr);

    // Title NewPersonTitle, PersonDetailsTitle or ChangePersonTitle; the four fields from `texts`;
    // read-only for ShowPerson.
    void setMode(Mode mode, const PersonTexts& texts = {});
    PersonTexts texts() const;
    // The background colour of a label.
    static QColor labelColour(const QLabel* label);
    // The question about a field whose text holds `letters` that cannot be stored.
    static QString unstorableText(const QString& label, const QString& letters);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    // A field got or lost the keyboard focus: its label turns cyan, or back to the panel's
    // colour.
    void EditEnter(QLineEdit* edit);
    void EditExit(QLineEdit* edit);
    // Enter in a field moves down the fields in their visual order; in EditDep it is OK.
    void EditFNKeyDown();
    void EditMNKeyDown();
    void EditLNKeyDown();
    void EditDepKeyDown();
    QLabel* labelOf(const QLineEdit* edit) const;
    bool namesPresent() const;
    // Asks about each field holding letters the person file cannot store; false (the focus in
    // that field) when the officer goes back to one.
    bool textsStorable();
    void btnOkClick();
    void btnCancelClick();

    QFrame* PanelTop;
    QFrame* PanelBottom;
    QLabel* LabelFN;
    QLineEdit* EditFN;
    QLabel* LabelMN;
    QLineEdit* EditMN;
    QLabel* LabelLN;
    QLineEdit* EditLN;
    QLabel* LabelDep;
    QLineEdit* EditDep;
    QPushButton* btnOk;
    QPushButton* btnCancel;
};

} // namespace sarvo
