// The text export and the print window, through the main window: files chosen in the save
// dialogs, printouts made into PDF files read with pdftotext.
#include "gui/support/ui_support.h"

#include "core/store/store.h"
#include "core/text/hist_filter.h"
#include "core/text/text_forms.h"
#include "gui/common/save_dialog.h"
#include "gui/history/hist_chart.h"
#include "gui/print/form_print.h"
#include "tool/run_tool.h"

#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

namespace sarvo::test {
namespace {

const QDate kDec5(2026, 12, 5);
const QDate kDec6(2026, 12, 6);

// Chooses "PDF file" in the print window, presses OK and names `pdf` in the save dialog that
// follows.
void printToPdf(ModalScript& script, const QString& pdf,
                const std::function<void(TFormPrint&)>& check = {}) {
    script.add([check](QWidget* modal) {
        auto* window = qobject_cast<TFormPrint*>(modal);
        ASSERT_NE(window, nullptr);
        if (check)
            check(*window);
        auto* printers = child<QComboBox>(window, "cbPrinterSelect");
        printers->setCurrentIndex(printers->count() - 1);
        child<QPushButton>(window, "btnPrn_Ok")->click();
    });
    script.add(saveAs(pdf));
}

QString pdfTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The lines of a PDF file as laid out by pdftotext. The listings are printed in a Courier of 12
// points, 7.2 points a character, so that each character of a line keeps its column.
QStringList pdfLines(const QString& file) {
    return pdfTool("pdftotext", {"-layout", "-fixed", "7.2", "-enc", "UTF-8", file, "-"})
        .split(QLatin1Char('\n'));
}

// The page of a PDF file is wider than high.
bool landscape(const QString& file) {
    const QString info = pdfTool("pdfinfo", {file});
    const QStringList words =
        info.mid(info.indexOf(QLatin1String("Page size:"))).split(' ', Qt::SkipEmptyParts);
    return words.size() > 4 && words[2].toDouble() > words[4].toDouble();
}

QString lineWith(const QStringList& lines, const QString& text) {
    for (const QString& line : lines)
        if (line.contains(text))
            return line;
    return {};
}

class ReportsTest : public MainWindowTest {
protected:
    // Adds Ivanov Ivan; his UserNo.
    std::int32_t addIvanov() const {
        const long long index = addPerson("Ivanov", "Ivan", QString());
        return Store(dir().toStdString()).readUser(index).UserNo;
    }
    void appendReading(std::int32_t userNo, QDate date, QTime time, double sum) const {
        Store(dir().toStdString())
            .appendHistory({daysFromDate(date), fractionFromTime(time), 0.05, sum, userNo, 0x1234});
    }
    // Runs `command` with the modal windows answered by `script`; every step must have run.
    void run(ModalScript& script, const std::function<void()>& command) {
        command();
        ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    }
};

TEST_F(ReportsTest, PersonsList) {
    addPerson("Ivanov", "Ivan", "Petrovich", 0x1234);
    addPerson("Petrov", "Petr", QString());
    activate();
    QFile old(path("persons.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(2000, 'x'));
    old.close();
    ModalScript script;
    script.add(saveAs(path("persons"), {"Text files (*.txt)", "Any files (*)"}));
    run(script, [this] { QTest::keyClick(grid, Qt::Key_F2); });
    EXPECT_EQ(script.seen().size(), 1u); // no question before the old file is replaced
    // Written field by field into lines of 120 blanks, with the texts of the language.
    const QList<QByteArray> lines = fileBytes("persons.txt").split('\n');
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[1], " 1/45\r");
    EXPECT_EQ(lines[6].simplified(), "Petrov Petr Lab 0000000000000000 2");
    EXPECT_EQ(lines[6].size(), 121);

    // OK with no printer chosen is refused; then the PDF file.
    const QString pdf = path("list.pdf");
    script.add([](QWidget* modal) {
        auto* window = qobject_cast<TFormPrint*>(modal);
        ASSERT_NE(window, nullptr);
        auto* printers = child<QComboBox>(window, "cbPrinterSelect");
        EXPECT_EQ(printers->itemText(printers->count() - 1), QStringLiteral("PDF file"));
        printers->setCurrentIndex(-1);
        child<QPushButton>(window, "btnPrn_Ok")->click();
    });
    script.answer(QMessageBox::Ok);
    printToPdf(script, pdf, [](TFormPrint& window) {
        EXPECT_FALSE(child<QTextEdit>(&window, "RichEditPrint")->isHidden());
        EXPECT_TRUE(child<QChartView>(&window, "ChartPrn")->isHidden());
    });
    run(script, [this] { act("tb_Print"); });
    EXPECT_EQ(script.boxTexts(), QStringList{"There is no default printer currently selected"});
    EXPECT_EQ(part<TFormPrint>("TFormPrint")->currentPrinter(), TFormPrint::pdfFileEntry());

    const QStringList printed = pdfLines(pdf);
    EXPECT_FALSE(landscape(pdf));
    const QString heading = lineWith(printed, "1/45");
    const QString petrov = lineWith(printed, "Petrov Petr");
    EXPECT_TRUE(lineWith(printed, "1/46").contains("1/49"));
    EXPECT_LT(printed.indexOf(heading), printed.indexOf(lineWith(printed, "Ivanov")));
    // The name cell begins with a blank at column 3; "---" stands at column 62.
    const qsizetype nameAt = petrov.indexOf(QLatin1String("Petrov")) - 1;
    EXPECT_EQ(petrov.indexOf(QLatin1String("---")) - nameAt, 59) << petrov.toStdString();
    EXPECT_EQ(heading.indexOf(QLatin1String("1/45")) - nameAt, 14) << heading.toStdString();
    // The heading block is bold, the rest regular.
    EXPECT_TRUE(pdfTool("pdffonts", {pdf}).contains(QLatin1String("Bold")));
}

TEST_F(ReportsTest, FilteredHistory) {
    const std::int32_t userNo = addIvanov();
    appendReading(userNo, kDec5, QTime(9, 0), 1);
    appendReading(userNo + 1, kDec6, QTime(9, 30), 7); // somebody else's
    appendReading(userNo, kDec6, QTime(10, 15), 2);
    appendReading(userNo, kDec6, QTime(11, 45), 3);
    activate();
    histFilter() = HistFilter{true, false, daysFromDate(kDec6), daysFromDate(kDec6), 0, 0};
    act("mnu_HistGrid");
    ASSERT_EQ(main->viewState(), TFormSarvo::ViewHistGrid);
    ModalScript script;
    script.add(saveAs(path("history.txt")));
    run(script, [this] { act("tb_SaveAsText"); });
    printToPdf(script, path("table.pdf"));
    run(script, [this] { act("mnu_Print"); });

    const ValueFormats& formats = ValueFormats::system();
    const QList<QByteArray> lines = fileBytes("history.txt").split('\n');
    ASSERT_EQ(lines.size(), 8); // five heading lines, two readings, the end of the last line
    EXPECT_EQ(lines[1], " 1/74   Ivanov Ivan \r");
    EXPECT_EQ(lines[6].mid(42, 20).trimmed(), "0,05");

    const QStringList printed = pdfLines(path("table.pdf"));
    EXPECT_TRUE(lineWith(printed, "1/74").contains("Ivanov Ivan"));
    EXPECT_TRUE(lineWith(printed, formats.date(kDec5)).isEmpty());
    EXPECT_EQ(printed.filter(formats.date(kDec6)).size(), 2);
    EXPECT_TRUE(lineWith(printed, formats.time(QTime(11, 45))).contains("3 mSv"));
}

TEST_F(ReportsTest, Chart) {
    const std::int32_t userNo = addIvanov();
    appendReading(userNo, kDec5, QTime(9, 0), 10);
    appendReading(userNo, kDec6, QTime(10, 15), 12);
    activate();
    act("mnu_HistChart");
    ASSERT_EQ(main->viewState(), TFormSarvo::ViewHistChart);
    act("pmnu_Log");
    EXPECT_FALSE(part<QAction>("mnu_SaveAsText")->isEnabled());
    EXPECT_FALSE(part<QAction>("tb_SaveAsText")->isEnabled());
    ModalScript script;

    const QString pdf = path("chart.pdf");
    printToPdf(script, pdf, [](TFormPrint& window) {
        EXPECT_FALSE(child<QChartView>(&window, "ChartPrn")->isHidden());
    });
    run(script, [this] { act("tb_Print"); });
    EXPECT_TRUE(landscape(pdf));
    const QString text = pdfLines(pdf).join('\n');
    EXPECT_TRUE(text.contains("1/74") && text.contains("Ivanov Ivan 1/73")) << text.toStdString();
    // The screen's ranges, on a linear dose axis.
    const auto* printed = static_cast<HistChart*>(
        child<QChartView>(part<TFormPrint>("TFormPrint"), "ChartPrn")->chart());
    EXPECT_EQ(printed->doseRange(), (AxisRange{9.5, 12.5}));
    EXPECT_FALSE(printed->drawnLogarithmic());
}

// The save dialog opens in the documents folder and refuses the program's own files, however
// they are named, until the officer names another file.
TEST_F(ReportsTest, ProgramFilesRefused) {
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", path("home").toLocal8Bit());
    ASSERT_TRUE(QDir().mkpath(path("home/Documents")) && QDir().mkpath(path("Help")));
    addPerson("Ivanov", "Ivan", QString());
    activate();
    qputenv("HOME", home);
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
        saveAs(path("DB/DataUsers.usr"))(modal);
    });
    for (int i = 1; i <= refused.size(); ++i) {
        script.answer(QMessageBox::Ok);
        script.add(saveAs(i < refused.size() ? refused[i] : path("home/persons.txt")));
    }
    run(script, [this] { QTest::keyClick(grid, Qt::Key_F2); });
    // Each refused file is named (as the dialog spells it) in a box of its own.
    const QString refusal = SaveDialog::programFileText("file").section(' ', 1);
    ASSERT_EQ(script.boxTexts().size(), refused.size());
    for (const QString& text : script.boxTexts())
        EXPECT_EQ(text.section(' ', 1), refusal) << text;
    EXPECT_EQ(userFile(), users);
    EXPECT_FALSE(QFile::exists(path("DB/new.txt")) || QFile::exists(path("Help/notes.txt")));
    EXPECT_EQ(fileBytes("home/persons.txt").split('\n').size(), 7);
}

// The history export and printout name the person whose readings they hold: a person selected
// with the keys, renamed by another program a moment ago; a row gone stale is refused.
TEST_F(ReportsTest, TitledWithTheRecord) {
    const std::int32_t ivanov = addIvanov();
    const std::int32_t petrov = store().readUser(addPerson("Petrov", "Petr", QString())).UserNo;
    appendReading(ivanov, kDec5, QTime(9, 0), 1);
    appendReading(petrov, kDec6, QTime(10, 15), 2);
    activate();
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Return);
    ASSERT_EQ(main->viewState(), TFormSarvo::ViewHistGrid);
    ModalScript script;
    script.add(saveAs(path("petrov.txt")));
    run(script, [this] { act("tb_SaveAsText"); });
    const QList<QByteArray> lines = fileBytes("petrov.txt").split('\n');
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[1], " 1/74   Petrov Petr \r");

    const auto tool = [this](const QStringList& arguments) {
        const ToolResult result = runTool(arguments + QStringList{"--dir", dir()}, "C.UTF-8");
        ASSERT_EQ(result.code, 0) << result.err;
    };
    tool({"change-person", "--person", QString::number(petrov), "--first", "Pyotr"});
    QString listing;
    script.add([&listing](QWidget* modal) {
        auto* window = qobject_cast<TFormPrint*>(modal);
        ASSERT_NE(window, nullptr);
        listing = child<QTextEdit>(window, "RichEditPrint")->toPlainText();
        child<QPushButton>(window, "btnPrn_Cancel")->click();
    });
    run(script, [this] { act("mnu_Print"); });
    EXPECT_EQ(listing.section('\n', 1, 1), "  1/74   Petrov Pyotr ");

    tool({"add-person", "--last", "Abramov", "--first", "A"});
    script.answer(QMessageBox::Ok);
    run(script, [this] { act("mnu_Print"); });
    EXPECT_EQ(script.boxTexts(), QStringList{TFormSarvo::staleRowText()});
    EXPECT_EQ(script.seen().size(), 3u); // the save dialog, the print window, the box
    EXPECT_EQ(grid->nameCell(main->selectedRow()), " Petrov Pyotr ");
}

} // namespace
} // namespace sarvo::test
