#pragma once

#include <QIcon>
#include <QPixmap>
#include <QWidget>

class QTimer;

namespace sarvo {

// The program's picture: a pocket dosimeter with the radiation sign on its display. The
// widget can turn the sign slowly (the About box animates it, the splash window does not).
class Pictogram final : public QWidget {
    Q_OBJECT
public:
    explicit Pictogram(QWidget* parent = nullptr);

    void startAnimation();
    void stopAnimation();
    bool isAnimating() const;

    // The picture drawn into a square pixmap of `size` pixels, the sign turned by `angle`
    // degrees.
    static QPixmap render(int size, double angle = 0.0);
    // The window and tray icon.
    static QIcon appIcon();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer* timer_;
    double angle_ = 0.0;
};

} // namespace sarvo
