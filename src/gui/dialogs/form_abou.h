#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace sarvo {

class Pictogram;

// The About box: a 273 x 301 dialog on a violet ground with the program's animated picture,
// the five language lines of the program's name and version, the version of the build, the
// licence and where the project's README is.
class TFormAbou final : public QDialog {
    Q_OBJECT
public:
    explicit TFormAbou(QWidget* parent = nullptr);

    // "Build 1.0 (a7dacf5)": the project version and the commit the program was built from.
    static QString buildText();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormShow();
    void BtnOkClick();

    // LabelAbou1 to LabelAbou5.
    std::array<QLabel*, 5> LabelAbou{};
    QLabel* LabelBuild;
    QLabel* LabelLicence;
    QLabel* LabelReadme;
    Pictogram* GIFImageAbou;
    QPushButton* BtnOk;
};

} // namespace sarvo
