#include "gui/history/form_filter.h"

#include "core/text/filter_texts.h"
#include "core/text/hist_filter.h"
#include "core/text/language.h"
#include "gui/common/dialog_layout.h"
#include "gui/common/mask_edit.h"
#include "gui/common/message_boxes.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolTip>

namespace sarvo {

namespace {

// Qt's masks: '0' an optional digit, '9' a required one. Date: day and month may stay blank,
// the two year digits are required. Time: the first hour digit may stay blank.
const char* const kDateMask = "00.00.99";
const char* const kTimeMask = "09:99";

constexpr int kGroupTop = 4;
constexpr int kGroupWidth = 285;
constexpr int kGroupHeight = 66;
constexpr int kGroupGap = 0;
constexpr int kHeadingTop = 4;
constexpr int kCheckTop = 22;
constexpr int kEditTop = 40;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonTop = 75;

QFont boldFont(const QFont& base) {
    QFont font = base;
    font.setBold(true);
    return font;
}

// A group's panel: the group colour, white bold texts.
QFrame* makePanel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAutoFillBackground(true);
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, TFormFilter::panelColour());
    panel->setPalette(colours);
    return panel;
}

// White bold text on the group colour.
void whiteBold(QWidget* widget) {
    widget->setFont(boldFont(widget->font()));
    QPalette colours = widget->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        colours.setColor(role, Qt::white);
    widget->setPalette(colours);
}

QLabel* makeLabel(QFrame* panel, const char* name) {
    auto* label = new QLabel(panel);
    label->setObjectName(QLatin1String(name));
    whiteBold(label);
    return label;
}

QCheckBox* makeCheckBox(QFrame* panel, const char* name) {
    auto* box = new QCheckBox(panel);
    box->setObjectName(QLatin1String(name));
    whiteBold(box);
    box->move(8, kCheckTop);
    return box;
}

MaskEdit* makeEdit(QFrame* panel, const char* name, const char* mask, const QString& empty,
                   int left, int characters) {
    auto* edit = new MaskEdit(QLatin1String(mask), empty, panel);
    edit->setObjectName(QLatin1String(name));
    QPalette colours = edit->palette();
    colours.setColor(QPalette::Base, QToolTip::palette().color(QPalette::ToolTipBase));
    colours.setColor(QPalette::Text, QToolTip::palette().color(QPalette::ToolTipText));
    edit->setPalette(colours);
    const int width = edit->fontMetrics().horizontalAdvance(QString(characters, u'0')) + 12;
    edit->setGeometry(left, kEditTop, qMin(width, kGroupWidth - left - 4),
                      edit->sizeHint().height());
    return edit;
}

// Puts a label so that its right edge is `gap` pixels left of `x`, centred on the edit row.
void placeLeftOf(QLabel* label, int x, int gap, const QWidget* edit) {
    label->adjustSize();
    label->move(x - gap - label->width(), edit->y() + (edit->height() - label->height()) / 2);
}

} // namespace

TFormFilter::TFormFilter(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFormFilter"));
    // A single border and only a close box; the size is fixed.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    setModal(true);

    const int left = (kClientWidth - 2 * kGroupWidth - kGroupGap) / 2;
    PanelDate = makePanel(this, "PanelDate");
    PanelDate->setGeometry(left, kGroupTop, kGroupWidth, kGroupHeight);
    PanelTime = makePanel(this, "PanelTime");
    PanelTime->setGeometry(left + kGroupWidth + kGroupGap, kGroupTop, kGroupWidth, kGroupHeight);

    // Created in the order of the focus chain.
    LbNameDate = makeLabel(PanelDate, "LbNameDate");
    LbNameDate->move(8, kHeadingTop);
    CBDate = makeCheckBox(PanelDate, "CBDate");
    LbDateFrom = makeLabel(PanelDate, "LbDateFrom");
    MEDateFrom = makeEdit(PanelDate, "MEDateFrom", kDateMask, FilterTexts::emptyDateText(), 0, 8);
    LbDateTo = makeLabel(PanelDate, "LbDateTo");
    MEDateTo =
        makeEdit(PanelDate, "MEDateTo", kDateMask, FilterTexts::emptyDateText(), kDateToLeft, 8);

    LbNameTime = makeLabel(PanelTime, "LbNameTime");
    LbNameTime->move(8, kHeadingTop);
    CBTime = makeCheckBox(PanelTime, "CBTime");
    LbTimeFrom = makeLabel(PanelTime, "LbTimeFrom");
    METimeFrom = makeEdit(PanelTime, "METimeFrom", kTimeMask, FilterTexts::emptyTimeText(), 0, 5);
    LbTimeTo = makeLabel(PanelTime, "LbTimeTo");
    METimeTo =
        makeEdit(PanelTime, "METimeTo", kTimeMask, FilterTexts::emptyTimeText(), kTimeToLeft, 5);

    BtnOk = new QPushButton(this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setAutoDefault(false);
    BtnOk->setGeometry((kClientWidth - kButtonWidth) / 2, kButtonTop, kButtonWidth, kButtonHeight);

    connect(CBDate, &QCheckBox::toggled, this, &TFormFilter::CBDateClick);
    connect(CBTime, &QCheckBox::toggled, this, &TFormFilter::CBTimeClick);
    connect(BtnOk, &QPushButton::clicked, this, &TFormFilter::BtnOkClick);
    connect(MEDateFrom, &MaskEdit::keyUp, this, &TFormFilter::MEDateFromKeyUp);
    connect(MEDateTo, &MaskEdit::keyUp, this, &TFormFilter::MEDateToKeyUp);
    connect(METimeFrom, &MaskEdit::keyUp, this, &TFormFilter::METimeFromKeyUp);
    connect(METimeTo, &MaskEdit::keyUp, this, &TFormFilter::METimeToKeyUp);
    // Enter moves between the two edits of a group.
    connect(MEDateFrom, &MaskEdit::enterPressed, MEDateTo, [this] { MEDateTo->setFocus(); });
    connect(MEDateTo, &MaskEdit::enterPressed, MEDateFrom, [this] { MEDateFrom->setFocus(); });
    connect(METimeFrom, &MaskEdit::enterPressed, METimeTo, [this] { METimeTo->setFocus(); });
    connect(METimeTo, &MaskEdit::enterPressed, METimeFrom, [this] { METimeFrom->setFocus(); });

    applyCaptions();
    arrangeGroups();
    CBDateClick();
    CBTimeClick();
}

void TFormFilter::applyCaptions() {
    setWindowTitle(L(Text::FilterTitle));
    LbNameDate->setText(L(Text::DateRange));
    CBDate->setText(L(Text::EnableFilter));
    LbDateFrom->setText(L(Text::From));
    LbDateTo->setText(L(Text::To));
    LbNameTime->setText(L(Text::TimeOfDay));
    CBTime->setText(L(Text::EnableFilter));
    LbTimeFrom->setText(L(Text::From));
    LbTimeTo->setText(L(Text::To));
    BtnOk->setText(L(Text::Ok));
    for (QWidget* widget : {static_cast<QWidget*>(LbNameDate), static_cast<QWidget*>(CBDate),
                            static_cast<QWidget*>(LbNameTime), static_cast<QWidget*>(CBTime)})
        widget->adjustSize();
}

void TFormFilter::arrangeGroups() {
    // From the right: "to" label, "from" edit, "from" label; the "to" edits keep their places.
    placeLeftOf(LbDateTo, MEDateTo->x(), 5, MEDateTo);
    MEDateFrom->move(LbDateTo->x() - 10 - MEDateFrom->width(), MEDateTo->y());
    placeLeftOf(LbDateFrom, MEDateFrom->x(), 5, MEDateFrom);
    placeLeftOf(LbTimeTo, METimeTo->x(), 5, METimeTo);
    METimeFrom->move(LbTimeTo->x() - 10 - METimeFrom->width(), METimeTo->y());
    placeLeftOf(LbTimeFrom, METimeFrom->x(), 5, METimeFrom);
}

void TFormFilter::showEvent(QShowEvent* event) {
    FormShow();
    centreOnScreen(this, screen());
    QDialog::showEvent(event);
}

void TFormFilter::FormShow() {
    applyCaptions();
    arrangeGroups();
    HistFilter& filter = histFilter();
    // A change of a check box runs its handler.
    CBDate->setChecked(filter.DateOn);
    CBTime->setChecked(filter.TimeOn);

    const FilterTexts forms = FilterTexts::system();
    const bool dateOn = CBDate->isChecked();
    MEDateFrom->setEnabled(dateOn);
    MEDateTo->setEnabled(dateOn);
    if (dateOn) {
        MEDateTo->setEditText(forms.dateEditText(filter.DateTo));
        MEDateFrom->setEditText(forms.dateEditText(filter.DateFrom));
    }
    const bool timeOn = CBTime->isChecked();
    METimeFrom->setEnabled(timeOn);
    METimeTo->setEnabled(timeOn);
    if (timeOn) {
        METimeFrom->setEditText(FilterTexts::timeEditText(filter.TimeFrom));
        METimeTo->setEditText(FilterTexts::timeEditText(filter.TimeTo));
    }
}

void TFormFilter::CBDateClick() {
    const bool on = CBDate->isChecked();
    MEDateFrom->setEnabled(on);
    MEDateTo->setEnabled(on);
    histFilter().DateOn = on;
}

void TFormFilter::CBTimeClick() {
    const bool on = CBTime->isChecked();
    METimeFrom->setEnabled(on);
    METimeTo->setEnabled(on);
    histFilter().TimeOn = on;
}

void TFormFilter::editKeyUp(MaskEdit* edit) {
    // An emptied edit may be left without the pattern check.
    if (edit->isEmptyForm())
        edit->setModified(false);
}

void TFormFilter::MEDateFromKeyUp() {
    editKeyUp(MEDateFrom);
}
void TFormFilter::MEDateToKeyUp() {
    editKeyUp(MEDateTo);
}
void TFormFilter::METimeFromKeyUp() {
    editKeyUp(METimeFrom);
}
void TFormFilter::METimeToKeyUp() {
    editKeyUp(METimeTo);
}

MaskEdit* TFormFilter::editOf(FilterEdit edit) const {
    switch (edit) {
    case FilterEdit::DateFrom:
        return MEDateFrom;
    case FilterEdit::DateTo:
        return MEDateTo;
    case FilterEdit::TimeFrom:
        return METimeFrom;
    case FilterEdit::TimeTo:
        break;
    }
    return METimeTo;
}

void TFormFilter::BtnOkClick() {
    // An edit that refused to be left keeps the focus; OK waits for it.
    for (const MaskEdit* edit : {MEDateFrom, MEDateTo, METimeFrom, METimeTo})
        if (edit->refusing())
            return;

    const FilterConfirmation result = confirmFilter(histFilter(),
                                                    {MEDateFrom->editText(), MEDateTo->editText(),
                                                     METimeFrom->editText(), METimeTo->editText()},
                                                    FilterTexts::system());
    emit filterMarkSet(result.filterMark);
    if (!result.accepted()) {
        MaskEdit* failed = editOf(*result.failedEdit);
        failed->setFocus(Qt::OtherFocusReason);
        errorBox(result.message, this);
        return;
    }
    emit filterConfirmed();
    accept();
}

void TFormFilter::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        // There is no Cancel button: Escape does not close the dialog.
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter confirms only from the OK button itself.
        if (BtnOk->hasFocus())
            BtnOk->click();
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace sarvo
