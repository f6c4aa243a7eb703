// The text export and the print window, through the main window: files chosen in the save
// dialogs, printouts made into PDF files read with pdftotext.
#include "gui/support/ui_support.h"

#include "core/text/text_forms.h"
#include "gui/common/save_dialog.h"
#include "gui/history/hist_chart.h"

#include <QComboBox>
#include <QFileDialog>
#include <QPrinterInfo>

namespace sarvo::test {
namespace {

const QDate kDec5(2026, 12, 5);
const QDate kDec6(2026, 12, 6);

// A step for the print window: `check` runs on it, then `target` is chosen and OK pressed. An
// empty target chooses no printer, a name ending in ".pdf" the last entry, the PDF file, which is
// then named so in the save dialog, any other name that printer queue.
void print(
    ModalScript& script, const QString& target,
    const std::function<void(TFormPrint*)>& check = [](TFormPrint*) {}) {
    script.add(on<TFormPrint>([check, target](TFormPrint* window) {
        check(window);
        auto* printers = child<QComboBox>(window, "cbPrinterSelect");
        printers->setCurrentIndex(target.endsWith(".pdf") ? printers->count() - 1
                                                          : printers->findText(target));
        ASSERT_TRUE(target.isEmpty() || printers->currentIndex() >= 0) << target;
        child<QPushButton>(window, "btnPrn_Ok")->click();
    }));
    if (target.endsWith(".pdf"))
        script.add(saveAs(target));
}

QString output(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The lines of a PDF file as laid out by pdftotext. The listings are printed in a Courier of 12
// points, 7.2 points a character, so that each character of a line keeps its column.
QString pdfText(const QString& file) {
    return output("pdftotext", {"-layout", "-fixed", "7.2", "-enc", "UTF-8", file, "-"});
}
QStringList pdfLines(const QString& file) {
    return pdfText(file).split('\n');
}
// The pages of a PDF file as laid out by pdftotext, each without its empty lines.
std::vector<QStringList> pdfPages(const QString& file) {
    std::vector<QStringList> pages;
    for (const QString& page : pdfText(file).split('\f')) {
        QStringList lines = page.split('\n');
        lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
        pages.push_back(lines);
    }
    pages.pop_back(); // after the last page's end
    return pages;
}

// The page of a PDF file is wider than high.
bool landscape(const QString& file) {
    const QString info = output("pdfinfo", {file});
    const QStringList words = info.mid(info.indexOf("Page size:")).split(' ', Qt::SkipEmptyParts);
    return words.size() > 4 && words[2].toDouble() > words[4].toDouble();
}

class ReportsTest : public MainWindowTest {
protected:
    // Adds a person with readings (date, time of day, dose sum).
    void personWith(const QString& last,
                    const std::vector<std::tuple<QDate, QTime, double>>& readings) {
        const std::int32_t userNo = store().readUser(addPerson(last, "Ivan", QString())).UserNo;
        for (const auto& [date, time, sum] : readings)
            store().appendHistory(
                {daysFromDate(date), fractionFromTime(time), 0.05, sum, userNo, 0x1234});
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
    ASSERT_TRUE(QFile::copy(path("Lang.txt"), path("home/persons.txt"))); // longer than the list
    const QByteArray users = userFile();
    QStringList refused;
    for (const char* name : {"DB/DataUsers.usr", "DB/new.txt", "Sarvo.ini", "Lang.txt",
                             "Help/../DB/../Lang.txt", "home/../Help/notes.txt"})
        refused << path(name);
    ModalScript script;
    script.add([this](QWidget* modal) {
        EXPECT_EQ(static_cast<QFileDialog*>(modal)->directory().absolutePath(),
                  path("home/Documents"));
        saveAs(path("DB/DataUsers.usr"),
               {"Text files (*.txt)", "CSV file (*.csv)", "Any files (*)"})(modal);
    });
    for (int i = 1; i <= refused.size(); ++i) {
        script.answer(QMessageBox::Ok);
        script.add(saveAs(i < refused.size() ? refused[i] : path("home/persons")));
    }
    run(script, [this] { QTest::keyClick(grid, Qt::Key_F2); });
    // Each refused file is named (as the dialog spells it) in a box of its own.
    const QString refusal = SaveDialog::programFileText("file").section(' ', 1);
    for (const QString& text : script.boxTexts())
        EXPECT_EQ(text.section(' ', 1), refusal) << text;
    EXPECT_EQ(script.seen().size(), 2u * refused.size() + 1); // no question about the old file
    EXPECT_EQ(userFile(), users);
    EXPECT_FALSE(QFile::exists(path("DB/new.txt")) || QFile::exists(path("Help/notes.txt")));
    // The file's layout is the persons list's; here its texts and the persons.
    EXPECT_EQ(fileBytes("home/persons.txt").simplified(),
              "1/45 1/46 1/47 1/49 1/48 Ivanov Ivan Petrovich Lab 0000000000001234 1 Petrov Petr "
              "Lab 0000000000000000 2");

    // OK with no printer chosen is refused; then the PDF file.
    const QString pdf = path("list.pdf");
    print(script, QString());
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
    const QString heading = printed.filter("1/45").value(0);
    const QString petrov = printed.filter("Petrov Petr").value(0);
    EXPECT_TRUE(printed.filter("1/46").value(0).contains("1/49"));
    EXPECT_LT(printed.indexOf(heading), printed.indexOf(printed.filter("Ivanov").value(0)));
    // The name cell begins with a blank at column 3; "---" stands at column 62.
    const qsizetype nameAt = petrov.indexOf("Petrov") - 1;
    EXPECT_EQ(petrov.indexOf("---") - nameAt, 59) << petrov;
    EXPECT_EQ(heading.indexOf("1/45") - nameAt, 14) << heading;
    // The heading block is bold, the rest regular.
    EXPECT_TRUE(output("pdffonts", {pdf}).contains("Bold"));
}

// A chart on a logarithmic axis is printed on a landscape page, with the screen's ranges on a
// linear axis. The history export and printout hold only the filtered readings of the person
// whose readings they show, titled with that person's record: a person selected with the keys,
// renamed by another program a moment ago; a row gone stale is refused.
TEST_F(ReportsTest, ChartAndHistory) {
    personWith("Ivanov", {{kDec5, QTime(9, 0), 10}, {kDec6, QTime(10, 15), 12}});
    personWith("Petrov",
               {{kDec5, QTime(9, 0), 1}, {kDec6, QTime(10, 15), 2}, {kDec6, QTime(11, 45), 3}});
    activate();
    act("mnu_HistChart");
    act("pmnu_Log");
    ModalScript script;
    print(script, path("chart.pdf"), [](TFormPrint* window) {
        EXPECT_FALSE(child<QChartView>(window, "ChartPrn")->isHidden());
    });
    run(script, [this] { act("tb_Print"); });
    EXPECT_TRUE(landscape(path("chart.pdf")));
    const QString text = pdfLines(path("chart.pdf")).join('\n');
    EXPECT_TRUE(text.contains("1/74") && text.contains("Ivanov Ivan 1/73")) << text;
    const auto* chart = static_cast<HistChart*>(
        child<QChartView>(part<TFormPrint>("TFormPrint"), "ChartPrn")->chart());
    EXPECT_EQ(chart->doseRange(), (AxisRange{9.5, 12.5}));
    EXPECT_FALSE(chart->drawnLogarithmic());

    act("mnu_HistChart");
    histFilter() = HistFilter{true, false, daysFromDate(kDec6), daysFromDate(kDec6), 0, 0};
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Return);
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
    EXPECT_TRUE(printed.filter("1/74").value(0).contains("Petrov Ivan"));
    EXPECT_TRUE(printed.filter(formats.date(kDec5)).isEmpty());
    EXPECT_EQ(printed.filter(formats.date(kDec6)).size(), 2);
    EXPECT_TRUE(printed.filter(formats.time(QTime(11, 45))).value(0).contains("3 mSv"));

    tool({"change-person", "--person", "2", "--first", "Pyotr"});
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
    EXPECT_EQ(script.seen().size(), 7u); // three save dialogs, the print window thrice, the box
    EXPECT_EQ(grid->nameCell(main->selectedRow()), " Petrov Pyotr ");
}

// A history is printed under the full name of the register data; its text export keeps the
// names of the record.
TEST_F(ReportsTest, HistoryTitledWithTheFullName) {
    personWith("Petrov", {{kDec5, QTime(9, 0), 1}});
    tool({"person-details", "--person", "1", "--full-name", "Pëtr Ilyich Petrov-Vodkin"});
    activate();
    QTest::keyClick(grid, Qt::Key_Return);
    ModalScript script;
    script.add(saveAs(path("history.txt")));
    run(script, [this] { act("tb_SaveAsText"); });
    print(script, path("table.pdf"));
    run(script, [this] { act("mnu_Print"); });
    EXPECT_EQ(fileBytes("history.txt").split('\n').value(1), " 1/74   Petrov Ivan \r");
    const QString title = pdfLines(path("table.pdf")).filter("1/74").value(0);
    EXPECT_TRUE(title.contains("Pëtr Ilyich Petrov-Vodkin")) << title;
}

// A list or history longer than a page: every page of the PDF begins with the title line and
// the column headings and ends with "Page n of m", the rows in between each once. The window offers
// the system's default printer first, or the PDF file when there is none (as in a test run without
// a printing service).
TEST_F(ReportsTest, EveryPageTitledAndNumbered) {
    std::vector<std::tuple<QDate, QTime, double>> readings;
    for (int i = 0; i < 150; ++i)
        readings.emplace_back(kDec5.addDays(i / 24), QTime(i % 24, 0), i);
    personWith("Ivanov", readings);
    for (int i = 0; i < 130; ++i)
        addPerson(QStringLiteral("Person%1").arg(i, 3, 10, QLatin1Char('0')), "P", QString());
    activate();
    const struct {
        QString file;
        QString title; // in the title line
        qsizetype rows;
        std::function<void()> open;
    } cases[] = {{"list.pdf", "1/45", 131, [] {}}, {"history.pdf", "Ivanov Ivan", 150, [this] {
                                                        QTest::keyClick(grid, Qt::Key_Return);
                                                    }}};
    // The system's default printer first, then the one chosen on the last OK.
    const QString standard = QPrinterInfo::defaultPrinterName();
    QString offered = standard.isEmpty() ? TFormPrint::pdfFileEntry() : standard;
    for (const auto& c : cases) {
        c.open();
        ModalScript script;
        script.add(on<TFormPrint>([offered](TFormPrint* window) {
            auto* printers = child<QComboBox>(window, "cbPrinterSelect");
            EXPECT_EQ(printers->currentText(), offered);
            printers->setCurrentIndex(printers->count() - 1);
            child<QPushButton>(window, "btnPrn_Ok")->click();
        }));
        script.add(saveAs(path(c.file)));
        run(script, [this] { act("mnu_Print"); });
        offered = TFormPrint::pdfFileEntry();
        const std::vector<QStringList> pages = pdfPages(path(c.file));
        ASSERT_GE(pages.size(), 3u) << c.file;
        QStringList top; // the title line and the headings of page 1
        qsizetype rows = 0;
        for (std::size_t n = 0; n < pages.size(); ++n) {
            const QStringList& lines = pages[n];
            ASSERT_GE(lines.size(), 3) << c.file << n;
            if (n == 0)
                top = lines.mid(0, 2);
            rows += lines.size() - 3;
            EXPECT_TRUE(lines[0].contains(c.title)) << c.file << n << lines[0];
            EXPECT_EQ(lines.mid(0, 2), top) << c.file << n;
            EXPECT_EQ(lines.last().trimmed(), QString("Page %1 of %2").arg(n + 1).arg(pages.size()))
                << c.file;
        }
        EXPECT_EQ(rows, c.rows) << c.file;
    }
}

// Printing on a real printer queue. The test runs when SARVO_CUPS_QUEUE names a queue of the
// system's printing service; cups_print_test.sh sets one up (a PDF printer), runs this test and
// looks for the printed document.
using CupsPrintTest = ReportsTest;

TEST_F(CupsPrintTest, ChosenQueue) {
    const QString queue = qEnvironmentVariable("SARVO_CUPS_QUEUE");
    if (queue.isEmpty())
        GTEST_SKIP() << "SARVO_CUPS_QUEUE names no printer queue";
    addPerson("Ivanov", "Ivan", QString(), 0x1234);
    addPerson("Petrov", "Petr", QString());
    activate();
    // The system's printers, the default one chosen, then the PDF file.
    ModalScript script;
    print(script, queue, [](TFormPrint* window) {
        QComboBox& printers = *child<QComboBox>(window, "cbPrinterSelect");
        QStringList offered;
        for (int i = 0; i < printers.count(); ++i)
            offered << printers.itemText(i);
        EXPECT_EQ(offered, QPrinterInfo::availablePrinterNames() << TFormPrint::pdfFileEntry());
        const QString standard = QPrinterInfo::defaultPrinterName();
        EXPECT_EQ(printers.currentIndex(),
                  standard.isEmpty() ? printers.count() - 1 : printers.findText(standard));
    });
    run(script, [this] { act("tb_Print"); });
    EXPECT_EQ(part<TFormPrint>("TFormPrint")->result(), QDialog::Accepted);

    // The next print command offers the same printer; Cancel prints nothing more. A script of its
    // own: the one above may not have seen the window close, and would take it for answered.
    ModalScript again;
    again.add(on<TFormPrint>([&queue](TFormPrint* window) {
        EXPECT_EQ(child<QComboBox>(window, "cbPrinterSelect")->currentText(), queue);
        child<QPushButton>(window, "btnPrn_Cancel")->click();
    }));
    run(again, [this] { act("mnu_Print"); });
}

} // namespace
} // namespace sarvo::test
