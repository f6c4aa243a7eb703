#pragma once

#include <QWidget>
#include <array>

class QLabel;

namespace sarvo {

class Pictogram;

// The splash window: a borderless 466 x 312 window centred on the screen, shown from start-up
// until an activation of the main window opens the serial port.
class TFormZast final : public QWidget {
    Q_OBJECT
public:
    explicit TFormZast(QWidget* parent = nullptr);

signals:
    // The splash window became the program's focused window.
    void activated();

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void FormShow();

    // LabelZast1 to LabelZast5.
    std::array<QLabel*, 5> LabelZast{};
    Pictogram* GIFImage1;
};

} // namespace sarvo
