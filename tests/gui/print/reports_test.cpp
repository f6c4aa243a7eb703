// The text export and the print window, through the main window: files chosen in the save
// dialogs, printouts made into PDF files read with pdftotext.
#include "gui/support/ui_support.h"

#include "core/text/hist_filter.h"
#include "core/text/text_forms.h"
#include "gui/common/save_dialog.h"
#include "gui/history/hist_chart.h"
#include "gui/print/form_print.h"

#include <QChartView>
#include <QComboBox>
#include <QFileDialog>
#include <QPrinterInfo>
#include <QTextEdit>

namespace sarvo::test {
namespace {

const QDate kDec5(2026, 12, 5);
const QDate kDec6(2026, 12, 6);

// A step for the print window: `check` runs on it, then `printer` (-1: none) is chosen and OK
// pressed; the last entry, the PDF file, is then named `pdf` in the save dialog.
void print(
    ModalScript& script, const QString& pdf,
    const std::function<void(TFormPrint*)>& check = [](TFormPrint*) {}, int printer = 0) {
    script.add([check, printer](QWidget* modal) {
        auto* window = qobject_cast<TFormPrint*>(modal);
        ASSERT_NE(window, nullptr);
        check(window);
        auto* printers = child<QComboBox>(window, "cbPrinterSelect");
        printers->setCurrentIndex(printer < 0 ? -1 : printers->count() - 1);
        child<QPushButton>(window, "btnPrn_Ok")->click();
    });
    if (printer >= 0)
        script.add(saveAs(pdf));
}

QString output(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The lines of a PDF file as laid out by pdftotext. The listings are printed in a Courier of 12
// points, 7.2 points a character, so that each character of a line keeps its column.
QStringList pdfLines(const QString& file) {
    return output("pdftotext", {"-layout", "-fixed", "7.2", "-enc", "UTF-8", file, "-"})
        .split('\n');
}

// The page of a PDF file is wider than high.
bool landscape(const QString& file) {
    const QString info = output("pdfinfo", {file});
    const QStringList words = info.mid(info.indexOf("Page size:")).split(' ', Qt::SkipEmptyParts);
    return words.size() > 4 && words[2].toDouble() > words[4].toDouble();
}

QString lineWith(const QStringList& lines, const QString& text) {
    const QStringList found = lines.filter(text);
    return found.isEmpty() ? QString() : found[0];
}

class ReportsTest : public MainWindowTest {
protected:
    // Adds a person with readings (date, time of day, dose sum); returns the UserNo.
    std::int32_t personWith(const QString& last,
                            const std::vector<std::tuple<QDate, QTime, double>>& readings) {
        const std::int32_t userNo = store().readUser(addPerson(last, "Ivan", QString())).UserNo;
        for (const auto& [date, time, sum] : readings)
            store().appendHistory(
                {daysFromDate(date), fractionFromTime(time), 0.05, sum, userNo, 0x1234});
        return userNo;
    }
    // Runs `command` with the modal windows answered by `script`; every step must have run.
    void run(ModalScript& script, const std::function<void()>& command) {
        command();
        ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    }
};

// F2 opens the save dialog in the documents folder; it refuses the program's own files, however
// they are named, until the officer names another file, which is replaced without a question.
// Then the list is printed once a printer is chosen.
TEST_F(ReportsTest, PersonsList) {
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", path("home").toLocal8Bit());
    ASSERT_TRUE(QDir().mkpath(path("home/Documents")) && QDir().mkpath(path("Help")));
    addPerson("Ivanov", "Ivan", "Petrovich", 0x1234);
    addPerson("Petrov", "Petr", QString());
    activate();
    qputenv("HOME", home);
    QFile old(path("home/persons.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write(QByteArray(2000, 'x')) == 2000);
    old.close();
    const QByteArray users = userFile();
    const QStringList refused = {path("DB/DataUsers.usr"),
                                 path("DB/new.txt"),
                                 path("Sarvo.ini"),
                                 path("Lang.txt"),
                                 path("Help/../DB/../Lang.txt"),
                                 path("home/../Help/notes.txt")};
    ModalScript script;
    script.add([this](QWidget* modal) {
        EXPECT_EQ(static_cast<QFileDialog*>(modal)->directory().absolutePath(),
                  path("home/Documents"));
        saveAs(path("DB/DataUsers.usr"), {"Text files (*.txt)", "Any files (*)"})(modal);
    });
    for (int i = 1; i <= refused.size(); ++i) {
        script.answer(QMessageBox::Ok);
        script.add(saveAs(i < refused.size() ? refused[i] : path("home/persons")));
    }
    run(script, [this] { QTest::keyClick(grid, Qt::Key_F2); });
    // Each refused file is named (as the dialog spells it) in a box of its own.
    const QString refusal = SaveDialog::programFileText("file").section(' ', 1);
    ASSERT_EQ(script.boxTexts().size(), refused.size());
    for (const QString& text : script.boxTexts())
        EXPECT_EQ(text.section(' ', 1), refusal) << text;
    EXPECT_EQ(script.seen().size(), 2u * refused.size() + 1); // no question about the old file
    EXPECT_EQ(userFile(), users);
    EXPECT_FALSE(QFile::exists(path("DB/new.txt")) || QFile::exists(path("Help/notes.txt")));
    // Written field by field into lines of 120 blanks, with the texts of the language.
    const QList<QByteArray> lines = fileBytes("home/persons.txt").split('\n');
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[1], " 1/45\r");
    EXPECT_EQ(lines[6].simplified(), "Petrov Petr Lab 0000000000000000 2");
    EXPECT_EQ(lines[6].size(), 121);

    // OK with no printer chosen is refused; then the PDF file.
    const QString pdf = path("list.pdf");
    print(
        script, pdf, [](TFormPrint*) {}, -1);
    script.answer(QMessageBox::Ok);
    print(script, pdf, [](TFormPrint* window) {
        EXPECT_FALSE(child<QTextEdit>(window, "RichEditPrint")->isHidden());
        EXPECT_TRUE(child<QChartView>(window, "ChartPrn")->isHidden());
    });
    run(script, [this] { act("tb_Print"); });
    EXPECT_EQ(script.boxTexts().last(), "There is no default printer currently selected");
    EXPECT_EQ(part<TFormPrint>("TFormPrint")->currentPrinter(), TFormPrint::pdfFileEntry());
    const QStringList printed = pdfLines(pdf);
    EXPECT_FALSE(landscape(pdf));
    const QString heading = lineWith(printed, "1/45");
    const QString petrov = lineWith(printed, "Petrov Petr");
    EXPECT_TRUE(lineWith(printed, "1/46").contains("1/49"));
    EXPECT_LT(printed.indexOf(heading), printed.indexOf(lineWith(printed, "Ivanov")));
    // The name cell begins with a blank at column 3; "---" stands at column 62.
    const qsizetype nameAt = petrov.indexOf("Petrov") - 1;
    EXPECT_EQ(petrov.indexOf("---") - nameAt, 59) << petrov;
    EXPECT_EQ(heading.indexOf("1/45") - nameAt, 14) << heading;
    // The heading block is bold, the rest regular.
    EXPECT_TRUE(output("pdffonts", {pdf}).contains("Bold"));
}

// The history export and printout hold only the filtered readings of the person whose readings
// they show, titled with that person's record: a person selected with the keys, renamed by
// another program a moment ago; a row gone stale is refused.
TEST_F(ReportsTest, History) {
    personWith("Ivanov", {{kDec6, QTime(9, 30), 7}}); // somebody else's reading between
    const std::int32_t petrov = personWith(
        "Petrov", {{kDec5, QTime(9, 0), 1}, {kDec6, QTime(10, 15), 2}, {kDec6, QTime(11, 45), 3}});
    activate();
    histFilter() = HistFilter{true, false, daysFromDate(kDec6), daysFromDate(kDec6), 0, 0};
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Return);
    ASSERT_EQ(main->viewState(), TFormSarvo::ViewHistGrid);
    ModalScript script;
    script.add(saveAs(path("history.txt")));
    run(script, [this] { act("tb_SaveAsText"); });
    print(script, path("table.pdf"));
    run(script, [this] { act("mnu_Print"); });
    const QList<QByteArray> lines = fileBytes("history.txt").split('\n');
    ASSERT_EQ(lines.size(), 8); // five heading lines, two readings, the end of the last line
    EXPECT_EQ(lines[1], " 1/74   Petrov Ivan \r");
    EXPECT_EQ(lines[6].mid(42, 20).trimmed(), "0,05");
    const ValueFormats& formats = ValueFormats::system();
    const QStringList printed = pdfLines(path("table.pdf"));
    EXPECT_TRUE(lineWith(printed, "1/74").contains("Petrov Ivan"));
    EXPECT_TRUE(lineWith(printed, formats.date(kDec5)).isEmpty());
    EXPECT_EQ(printed.filter(formats.date(kDec6)).size(), 2);
    EXPECT_TRUE(lineWith(printed, formats.time(QTime(11, 45))).contains("3 mSv"));

    tool({"change-person", "--person", QString::number(petrov), "--first", "Pyotr"});
    QString listing;
    script.add([&listing](QWidget* modal) {
        listing = child<QTextEdit>(modal, "RichEditPrint")->toPlainText();
        child<QPushButton>(modal, "btnPrn_Cancel")->click();
    });
    run(script, [this] { act("mnu_Print"); });
    EXPECT_EQ(listing.section('\n', 1, 1), "  1/74   Petrov Pyotr ");

    tool({"add-person", "--last", "Abramov", "--first", "A"});
    script.answer(QMessageBox::Ok);
    run(script, [this] { act("mnu_Print"); });
    EXPECT_EQ(script.boxTexts(), QStringList{TFormSarvo::staleRowText()});
    EXPECT_EQ(script.seen().size(), 5u); // two save dialogs, the print window twice, the box
    EXPECT_EQ(grid->nameCell(main->selectedRow()), " Petrov Pyotr ");
}

TEST_F(ReportsTest, Chart) {
    personWith("Ivanov", {{kDec5, QTime(9, 0), 10}, {kDec6, QTime(10, 15), 12}});
    activate();
    act("mnu_HistChart");
    ASSERT_EQ(main->viewState(), TFormSarvo::ViewHistChart);
    act("pmnu_Log");
    // The chart has no text export.
    EXPECT_FALSE(part<QAction>("mnu_SaveAsText")->isEnabled());
    EXPECT_FALSE(part<QAction>("tb_SaveAsText")->isEnabled());
    ModalScript script;
    const QString pdf = path("chart.pdf");
    print(script, pdf, [](TFormPrint* window) {
        EXPECT_FALSE(child<QChartView>(window, "ChartPrn")->isHidden());
    });
    run(script, [this] { act("tb_Print"); });
    EXPECT_TRUE(landscape(pdf));
    const QString text = pdfLines(pdf).join('\n');
    EXPECT_TRUE(text.contains("1/74") && text.contains("Ivanov Ivan 1/73")) << text;
    // The screen's ranges, on a linear dose axis.
    const auto* printed = static_cast<HistChart*>(
        child<QChartView>(part<TFormPrint>("TFormPrint"), "ChartPrn")->chart());
    EXPECT_EQ(printed->doseRange(), (AxisRange{9.5, 12.5}));
    EXPECT_FALSE(printed->drawnLogarithmic());
}

// Printing on a real printer queue. The test runs when SARVO_CUPS_QUEUE names a queue of the
// system's printing service; cups_print_test.sh sets one up (a PDF printer), runs this test and
// looks for the printed document.
using CupsPrintTest = MainWindowTest;

TEST_F(CupsPrintTest, ChosenQueue) {
    const QString queue = qEnvironmentVariable("SARVO_CUPS_QUEUE");
    if (queue.isEmpty())
        GTEST_SKIP() << "SARVO_CUPS_QUEUE names no printer queue";
    addPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QString(), 0x1234);
    addPerson(QStringLiteral("Petrov"), QStringLiteral("Petr"), QString());
    activate();

    ModalScript script;
    script.add([&queue](QWidget* modal) {
        auto* window = qobject_cast<TFormPrint*>(modal);
        ASSERT_NE(window, nullptr);
        QComboBox& printers = *child<QComboBox>(window, "cbPrinterSelect");
        // The system's printers, the default one chosen, then the PDF file.
        const QStringList system = QPrinterInfo::availablePrinterNames();
        ASSERT_EQ(printers.count(), system.size() + 1);
        for (int i = 0; i < system.size(); ++i)
            EXPECT_EQ(printers.itemText(i), system[i]);
        const QString standard = QPrinterInfo::defaultPrinterName();
        EXPECT_EQ(printers.currentIndex(), standard.isEmpty() ? -1 : printers.findText(standard));
        const int index = printers.findText(queue);
        ASSERT_GE(index, 0) << queue.toStdString();
        printers.setCurrentIndex(index);
        child<QPushButton>(window, "btnPrn_Ok")->click();
    });
    act("tb_Print");
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    EXPECT_EQ(part<TFormPrint>("TFormPrint")->result(), QDialog::Accepted);

    // The next print command offers the same printer; Cancel prints nothing more.
    ModalScript again;
    again.add([&queue](QWidget* modal) {
        auto* window = qobject_cast<TFormPrint*>(modal);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(child<QComboBox>(window, "cbPrinterSelect")->currentText(), queue);
        child<QPushButton>(window, "btnPrn_Cancel")->click();
    });
    act("mnu_Print");
    ASSERT_TRUE(waitUntil([&] { return again.done(); }));
}

} // namespace
} // namespace sarvo::test
