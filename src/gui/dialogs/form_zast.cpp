#include "gui/dialogs/form_zast.h"

#include "core/text/language.h"
#include "gui/common/dialog_layout.h"
#include "gui/common/pictogram.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace sarvo {

TFormZast::TFormZast(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("TFormZast"));
    setFixedSize(466, 312);

    auto* panel = new QFrame(this);
    panel->setGeometry(rect());
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(3);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 160));
    panel->setPalette(palette);

    GIFImage1 = new Pictogram(panel);
    GIFImage1->setObjectName(QStringLiteral("GIFImage1"));
    GIFImage1->setGeometry(width() - 55 - 14, 14, 55, 55);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(24, 80, 24, 24);
    const int sizes[5] = {20, 14, 18, 18, 14};
    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(panel);
        label->setObjectName(QStringLiteral("LabelZast%1").arg(i + 1));
        QFont font = label->font();
        font.setBold(true);
        font.setItalic(true);
        font.setPixelSize(sizes[i]);
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        QPalette text = label->palette();
        text.setColor(QPalette::WindowText,
                      i == 0 || i == 2 || i == 3 ? QColor(255, 255, 0) : QColor(0, 255, 255));
        label->setPalette(text);
        layout->addWidget(label);
        LabelZast[i] = label;
    }

    centreOnScreen(this);
}

void TFormZast::showEvent(QShowEvent* event) {
    FormShow();
    QWidget::showEvent(event);
}

void TFormZast::FormShow() {
    for (int i = 0; i < 5; ++i)
        LabelZast[i]->setText(L(kAboutLines[i]));
}

bool TFormZast::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        emit activated();
    return QWidget::event(event);
}

} // namespace sarvo
