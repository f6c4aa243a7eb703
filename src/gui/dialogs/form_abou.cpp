#include "gui/dialogs/form_abou.h"

#include "core/text/language.h"
#include "gui/common/pictogram.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace sarvo {

namespace {

// A text longer than its label is set in a smaller font, down to 8 pixels.
void fitToWidth(QLabel* label) {
    QFont font = label->font();
    font.setPixelSize(label->property("designPixelSize").toInt());
    while (font.pixelSize() > 8 &&
           QFontMetrics(font).horizontalAdvance(label->text()) > label->width() - 4)
        font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
}

} // namespace

QString TFormAbou::webAddress() {
    return QStringLiteral("https://sarvo.example.org");
}

QString TFormAbou::mailAddress() {
    return QStringLiteral("sarvo@example.org");
}

TFormAbou::TFormAbou(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFormAbou"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(273, 245);
    setAutoFillBackground(true);
    QPalette ground = palette();
    ground.setColor(QPalette::Window, QColor(128, 0, 255));
    ground.setColor(QPalette::WindowText, QColor(255, 255, 0));
    setPalette(ground);

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setLineWidth(1);
    frame->setMidLineWidth(1);
    frame->setGeometry(8, 8, 63, 63);
    GIFImageAbou = new Pictogram(frame);
    GIFImageAbou->setObjectName(QStringLiteral("GIFImageAbou"));
    GIFImageAbou->setGeometry(4, 4, 55, 55);

    auto makeLabel = [this](const QString& name, const QRect& place, int pixelSize, bool bold) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        QFont font = label->font();
        font.setPixelSize(pixelSize);
        font.setBold(bold);
        label->setFont(font);
        label->setProperty("designPixelSize", pixelSize);
        label->setGeometry(place);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    LabelAbou[0] = makeLabel(QStringLiteral("LabelAbou1"), QRect(78, 10, 187, 22), 15, true);
    LabelAbou[1] = makeLabel(QStringLiteral("LabelAbou2"), QRect(78, 36, 187, 20), 12, false);
    LabelAbou[2] = makeLabel(QStringLiteral("LabelAbou3"), QRect(8, 82, 257, 20), 13, true);
    LabelAbou[3] = makeLabel(QStringLiteral("LabelAbou4"), QRect(8, 102, 257, 20), 13, true);
    LabelAbou[4] = makeLabel(QStringLiteral("LabelAbou5"), QRect(8, 124, 257, 18), 12, false);

    auto bevel = [this](int y) {
        auto* line = new QFrame(this);
        line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        line->setGeometry(8, y, 257, 4);
    };
    bevel(76);
    bevel(146);

    LabelWeb = makeLabel(QStringLiteral("LabelWeb"), QRect(8, 152, 257, 18), 12, false);
    LabelWeb->setText(webAddress());
    LabelMail = makeLabel(QStringLiteral("LabelMail"), QRect(8, 172, 257, 18), 12, false);
    LabelMail->setText(mailAddress());
    bevel(194);

    BtnOk = new QPushButton(this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setFlat(true);
    BtnOk->setDefault(true);
    BtnOk->setGeometry(96, 206, 81, 28);
    QPalette button = BtnOk->palette();
    button.setColor(QPalette::ButtonText, QColor(255, 255, 0));
    BtnOk->setPalette(button);
    connect(BtnOk, &QPushButton::clicked, this, &TFormAbou::BtnOkClick);
}

void TFormAbou::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TFormAbou::hideEvent(QHideEvent* event) {
    // Closed by its close box or Esc rather than by OK.
    GIFImageAbou->stopAnimation();
    QDialog::hideEvent(event);
}

void TFormAbou::FormShow() {
    GIFImageAbou->startAnimation();
    setWindowTitle(L(Text::AboutTitle));
    BtnOk->setText(L(Text::Ok));
    for (int i = 0; i < 5; ++i) {
        LabelAbou[i]->setText(L(kAboutLines[i]));
        fitToWidth(LabelAbou[i]);
    }
}

void TFormAbou::BtnOkClick() {
    GIFImageAbou->stopAnimation();
    accept();
}

} // namespace sarvo
