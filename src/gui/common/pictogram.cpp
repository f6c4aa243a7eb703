#include "gui/common/pictogram.h"

#include <QPainter>
#include <QPainterPath>
#include <QTimer>

namespace sarvo {

namespace {

// Draws the picture into the square `side` x `side` at the origin.
void paintPicture(QPainter& p, double side, double angle) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 100.0, side / 100.0);

    // The case of the dosimeter, with a clip at the top.
    p.setPen(QPen(QColor(30, 30, 40), 3));
    p.setBrush(QColor(70, 80, 95));
    p.drawRoundedRect(QRectF(40, 2, 20, 12), 3, 3);
    p.setBrush(QColor(45, 55, 70));
    p.drawRoundedRect(QRectF(14, 8, 72, 88), 12, 12);

    // The display: the radiation sign on yellow.
    const QPointF centre(50, 46);
    p.setPen(QPen(QColor(20, 20, 20), 2));
    p.setBrush(QColor(255, 214, 0));
    p.drawEllipse(centre, 29, 29);

    p.translate(centre);
    p.rotate(angle);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(QPointF(0, 0), 5, 5);
    for (int blade = 0; blade < 3; ++blade) {
        QPainterPath path;
        const double start = 90.0 + 120.0 * blade - 30.0;
        const QRectF outer(-25, -25, 50, 50);
        const QRectF inner(-8, -8, 16, 16);
        path.arcMoveTo(inner, start);
        path.arcTo(outer, start, 60.0);
        path.arcTo(inner, start + 60.0, -60.0);
        path.closeSubpath();
        p.drawPath(path);
    }
    p.resetTransform();
    p.scale(side / 100.0, side / 100.0);

    // Two keys below the display.
    p.setPen(QPen(QColor(20, 20, 20), 2));
    p.setBrush(QColor(0, 170, 80));
    p.drawEllipse(QPointF(36, 85), 5, 5);
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QPointF(64, 85), 5, 5);
    p.restore();
}

} // namespace

Pictogram::Pictogram(QWidget* parent) : QWidget(parent), timer_(new QTimer(this)) {
    timer_->setInterval(60);
    connect(timer_, &QTimer::timeout, this, [this] {
        angle_ = angle_ >= 354.0 ? 0.0 : angle_ + 6.0;
        update();
    });
}

void Pictogram::startAnimation() {
    timer_->start();
}

void Pictogram::stopAnimation() {
    timer_->stop();
}

bool Pictogram::isAnimating() const {
    return timer_->isActive();
}

QPixmap Pictogram::render(int size, double angle) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paintPicture(painter, size, angle);
    return pixmap;
}

QIcon Pictogram::appIcon() {
    QIcon icon;
    for (int size : {16, 22, 32, 48, 64})
        icon.addPixmap(render(size));
    return icon;
}

void Pictogram::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double side = qMin(width(), height());
    painter.translate((width() - side) / 2.0, (height() - side) / 2.0);
    paintPicture(painter, side, angle_);
}

} // namespace sarvo
