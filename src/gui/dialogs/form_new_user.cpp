#include "gui/dialogs/form_new_user.h"

#include "core/text/language.h"
#include "gui/common/dialog_layout.h"
#include "gui/common/message_boxes.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace sarvo {

namespace {

constexpr int kMargin = 9;
constexpr int kFieldWidth = 305;
constexpr int kLabelHeight = 16;
constexpr int kFieldHeight = 21;
constexpr int kPairStep = 45;
constexpr int kTopPanelHeight = 190;
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 27;

void fillWith(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QFrame* panel(QWidget* parent, int top, int height) {
    auto* frame = new QFrame(parent);
    frame->setGeometry(0, top, TFormNewUser::kClientWidth, height);
    frame->setAutoFillBackground(true);
    fillWith(frame, QPalette::Window, TFormNewUser::panelColour());
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return frame;
}

} // namespace

TFormNewUser::TFormNewUser(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFormNewUser"));
    // A single-line border and a title without buttons.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);

    PanelTop = panel(this, 0, kTopPanelHeight);
    PanelTop->setObjectName(QStringLiteral("PanelTop"));
    PanelBottom = panel(this, kTopPanelHeight, kClientHeight - kTopPanelHeight);
    PanelBottom->setObjectName(QStringLiteral("PanelBottom"));

    QFont bold = font();
    bold.setBold(true);
    const QColor fieldColour = QApplication::palette().color(QPalette::ToolTipBase);
    int top = 8;
    auto pair = [&](const char* labelName, QLabel*& label, const char* editName, QLineEdit*& edit) {
        label = new QLabel(PanelTop);
        label->setObjectName(QLatin1String(labelName));
        label->setGeometry(kMargin, top, kFieldWidth, kLabelHeight);
        label->setFont(bold);
        label->setAutoFillBackground(true);
        fillWith(label, QPalette::Window, panelColour());
        edit = new QLineEdit(PanelTop);
        edit->setObjectName(QLatin1String(editName));
        edit->setGeometry(kMargin, top + kLabelHeight + 1, kFieldWidth, kFieldHeight);
        edit->setFont(bold);
        edit->setMaxLength(kNameCapacity); // what a field of the user record holds
        fillWith(edit, QPalette::Base, fieldColour);
        edit->installEventFilter(this);
        top += kPairStep;
    };
    // Top to bottom: first name, middle name, last name, department.
    pair("LabelFN", LabelFN, "EditFN", EditFN);
    pair("LabelMN", LabelMN, "EditMN", EditMN);
    pair("LabelLN", LabelLN, "EditLN", EditLN);
    pair("LabelDep", LabelDep, "EditDep", EditDep);

    const int buttonTop = (PanelBottom->height() - kButtonHeight) / 2;
    btnOk = new QPushButton(PanelBottom);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setGeometry(24, buttonTop, kButtonWidth, kButtonHeight);
    btnCancel = new QPushButton(PanelBottom);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(kClientWidth - 24 - kButtonWidth, buttonTop, kButtonWidth,
                           kButtonHeight);
    connect(btnOk, &QPushButton::clicked, this, &TFormNewUser::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TFormNewUser::btnCancelClick);

    // Tab visits the fields in the order they are shown, then the buttons.
    setTabOrder(EditFN, EditMN);
    setTabOrder(EditMN, EditLN);
    setTabOrder(EditLN, EditDep);
    setTabOrder(EditDep, btnOk);
    setTabOrder(btnOk, btnCancel);
}

void TFormNewUser::setMode(Mode mode, const PersonTexts& texts) {
    static constexpr Text titles[] = {Text::NewPersonTitle, Text::PersonDetailsTitle,
                                      Text::ChangePersonTitle};
    setWindowTitle(L(titles[mode]));
    EditFN->setText(texts.first);
    EditMN->setText(texts.middle);
    EditLN->setText(texts.last);
    EditDep->setText(texts.department);
    for (QLineEdit* edit : {EditFN, EditMN, EditLN, EditDep})
        edit->setReadOnly(mode == ShowPerson);
}

PersonTexts TFormNewUser::texts() const {
    return {EditLN->text(), EditFN->text(), EditMN->text(), EditDep->text()};
}

QColor TFormNewUser::labelColour(const QLabel* label) {
    return label->palette().color(QPalette::Window);
}

void TFormNewUser::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TFormNewUser::FormShow() {
    btnOk->setText(L(Text::Ok));
    btnCancel->setText(L(Text::Cancel));
    LabelLN->setText(L(Text::LastName));
    LabelFN->setText(L(Text::FirstName));
    LabelMN->setText(L(Text::MiddleName));
    LabelDep->setText(L(Text::Department));
    // The field that had the focus when the dialog last closed still has its label lit.
    for (QLabel* label : {LabelFN, LabelMN, LabelLN, LabelDep})
        fillWith(label, QPalette::Window, panelColour());
    centreOnScreen(this);
    EditFN->setFocus(Qt::OtherFocusReason);
    if (EditFN->hasFocus())
        EditEnter(EditFN);
}

bool TFormNewUser::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit || !labelOf(edit))
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        EditEnter(edit);
        break;
    case QEvent::FocusOut:
        // Another window taking the activation (a message box) does not move the focus.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            EditExit(edit);
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            break;
        if (edit == EditFN)
            EditFNKeyDown();
        else if (edit == EditMN)
            EditMNKeyDown();
        else if (edit == EditLN)
            EditLNKeyDown();
        else
            EditDepKeyDown();
        return true;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

QLabel* TFormNewUser::labelOf(const QLineEdit* edit) const {
    if (edit == EditFN)
        return LabelFN;
    if (edit == EditMN)
        return LabelMN;
    if (edit == EditLN)
        return LabelLN;
    if (edit == EditDep)
        return LabelDep;
    return nullptr;
}

void TFormNewUser::EditEnter(QLineEdit* edit) {
    fillWith(labelOf(edit), QPalette::Window, focusColour());
}

void TFormNewUser::EditExit(QLineEdit* edit) {
    fillWith(labelOf(edit), QPalette::Window, panelColour());
}

void TFormNewUser::EditFNKeyDown() {
    EditMN->setFocus(Qt::OtherFocusReason);
}

void TFormNewUser::EditMNKeyDown() {
    EditLN->setFocus(Qt::OtherFocusReason);
}

void TFormNewUser::EditLNKeyDown() {
    EditDep->setFocus(Qt::OtherFocusReason);
}

void TFormNewUser::EditDepKeyDown() {
    if (namesPresent() && textsStorable())
        accept();
}

bool TFormNewUser::namesPresent() const {
    return personTextsComplete(texts());
}

void TFormNewUser::btnOkClick() {
    if (!namesPresent()) {
        errorBox(L(Text::NamesMissing), this);
        return;
    }
    if (textsStorable())
        accept();
}

QString TFormNewUser::unstorableText(const QString& label, const QString& letters) {
    return tr("%1: the person file cannot hold the letters %2. Store them as \"?\" (Yes) or go "
              "back to the field (No)?")
        .arg(label, letters);
}

bool TFormNewUser::textsStorable() {
    // Texts shown read-only came from the file and are stored as they are.
    if (EditFN->isReadOnly())
        return true;
    for (QLineEdit* edit : {EditFN, EditMN, EditLN, EditDep}) {
        const QString letters = cp1251Unstorable(edit->text());
        if (letters.isEmpty())
            continue;
        if (!warningQuestion(unstorableText(labelOf(edit)->text(), letters), this)) {
            edit->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    return true;
}

void TFormNewUser::btnCancelClick() {
    reject();
}

} // namespace sarvo
