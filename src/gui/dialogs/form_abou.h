#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace sarvo {

class Pictogram;

// The About box: a 273 x 245 dialog on a violet ground with the program's animated picture,
// the five language lines of the program's name and version, and the project's web page and
// contact address.
class TFormAbou final : public QDialog {
    Q_OBJECT
public:
    explicit TFormAbou(QWidget* parent = nullptr);

    static QString webAddress();
    static QString mailAddress();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormShow();
    void BtnOkClick();

    // LabelAbou1 to LabelAbou5.
    std::array<QLabel*, 5> LabelAbou{};
    QLabel* LabelWeb;
    QLabel* LabelMail;
    Pictogram* GIFImageAbou;
    QPushButton* BtnOk;
};

} // namespace sarvo
