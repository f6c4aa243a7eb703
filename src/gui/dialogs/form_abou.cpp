#include "gui/dialogs/form_abou.h"

#include "core/text/language.h"
#include "core/text/program_files.h"
#include "gui/common/pictogram.h"
#include "sarvo_version.h"

#include <QDir>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace sarvo {

namespace {

// The width of the longest line of a text.
int textWidth(const QFont& font, const QString& text) {
    int width = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        width = std::max(width, QFontMetrics(font).horizontalAdvance(line));
    return width;
}

// A text longer than its label is set in a smaller font, down to 8 pixels.
void fitToWidth(QLabel* label) {
    QFont font = label->font();
    font.setPixelSize(label->property("designPixelSize").toInt());
    while (font.pixelSize() > 8 && textWidth(font, label->text()) > label->width() - 4)
        font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
}

} // namespace

QString TFormAbou::buildText() {
    return tr("Build %1").arg(QStringLiteral(SARVO_VERSION));
}

TFormAbou::TFormAbou(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFormAbou"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(273, 301);
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

    LabelBuild = makeLabel(QStringLiteral("LabelBuild"), QRect(8, 152, 257, 18), 12, false);
    LabelLicence = makeLabel(QStringLiteral("LabelLicence"), QRect(8, 172, 257, 34), 12, false);
    LabelReadme = makeLabel(QStringLiteral("LabelReadme"), QRect(8, 208, 257, 34), 12, false);
    LabelReadme->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bevel(250);

    BtnOk = new QPushButton(this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setFlat(true);
    BtnOk->setDefault(true);
    BtnOk->setGeometry(96, 262, 81, 28);
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
    // The build, the licence and the README, in the language of the program's other texts.
    LabelBuild->setText(buildText());
    LabelLicence->setText(tr("Licence: GNU General Public License,\nversion 3 or later"));
    const QString readme = QDir::toNativeSeparators(readmeLocation());
    LabelReadme->setText(tr("Read me:") + QLatin1Char('\n') + readme);
    LabelReadme->setToolTip(readme);
    for (QLabel* label : {LabelBuild, LabelLicence, LabelReadme})
        fitToWidth(label);
    // A path still too long loses its middle.
    const QFontMetrics metrics(LabelReadme->font());
    if (metrics.horizontalAdvance(readme) > LabelReadme->width() - 4)
        LabelReadme->setText(tr("Read me:") + QLatin1Char('\n') +
                             metrics.elidedText(readme, Qt::ElideMiddle, LabelReadme->width() - 4));
}

void TFormAbou::BtnOkClick() {
    GIFImageAbou->stopAnimation();
    accept();
}

} // namespace sarvo
