#pragma once

#include <QFileDialog>
#include <QString>
#include <QStringList>

namespace sarvo {

// The save-file dialog of the text reports. Its filter is given as pairs of a description and a
// pattern separated by "|" ("Text files (*.txt)|*.txt|Any files (*.*)|*.*") and offered as the
// dialog's name filters; the default extension ("*.txt") is added to a name typed without one.
// While a filter with an extension of its own is chosen ("CSV file (*.csv)"), that extension
// is added instead. It opens in the officer's documents folder. An existing file of the chosen name
// is replaced without a question, but the program's own files (settings, language, data and help
// files) are refused with a message, and the dialog is shown again.
class SaveDialog final : public QFileDialog {
    Q_OBJECT
public:
    SaveDialog(const QString& filter, const QString& defaultExtension, QWidget* parent = nullptr);

    // Shows the dialog modally: the chosen file, or an empty text when the officer cancels.
    QString execute();
    // The extension of the name filter chosen last ("csv"), or an empty text for a filter of any
    // file.
    QString chosenExtension() const;

    void accept() override;

    // The folder whose own files no dialog accepts: the program's base directory (the working
    // directory until it is set).
    static void setProgramDirectory(const QString& baseDir);
    // The folder the dialogs open in: the documents folder, or the home folder without one.
    static QString startDirectory();
    // The text shown when a program's own file is chosen.
    static QString programFileText(const QString& file);

    // The name filters of a "|"-separated filter: each description with its patterns in
    // brackets. The pattern "*.*", which stands for any file, becomes "*", so that names
    // without an extension are listed too.
    static QStringList nameFiltersOf(const QString& filter);

private:
    // The default extension, or the chosen filter's own.
    void followFilter(const QString& nameFilter);

    QString defaultSuffix_;
};

} // namespace sarvo
