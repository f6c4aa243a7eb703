// The text export, the print window and the dose-rate log window's save and print, through the
// windows: files chosen in the save dialogs, printouts made into PDF files and read back with
// pdftotext.
#include "ui_support.h"

#include "shell/language.h"
#include "store/store.h"
#include "views/form_med.h"
#include "views/form_print.h"
#include "views/hist_chart.h"
#include "views/hist_filter.h"
#include "views/save_dialog.h"
#include "views/text_forms.h"

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

QByteArray blanks(int n) {
    return QByteArray(n, ' ');
}

// Types `file` into a save dialog and confirms it, as the officer would.
ModalScript::Step typeFileName(const QString& file) {
    return [file](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(file);
        static_cast<QDialog*>(dialog)->accept(); // the dialog's own checks run
    };
}

ModalScript::Step cancelDialog() {
    return [](QWidget* modal) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    };
}

// Chooses "PDF file" in the print window and presses OK; the file is then named in the save
// dialog that follows.
ModalScript::Step printToPdfFile(const std::function<void(TFormPrint&)>& check = {}) {
    return [check](QWidget* modal) {
        auto* window = qobject_cast<TFormPrint*>(modal);
        ASSERT_NE(window, nullptr);
        if (check)
            check(*window);
        window->cbPrinterSelect->setCurrentIndex(window->cbPrinterSelect->count() - 1);
        window->btnPrn_Ok->click();
    };
}

// The text of a PDF file as `pdftotext -layout` lays it out, one entry per line. The listings
// are printed in a Courier of 12 points, 7.2 points a character, so that each character of a
// line keeps its column.
QStringList pdfLines(const QString& file) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"),
               {QStringLiteral("-layout"), QStringLiteral("-fixed"), QStringLiteral("7.2"),
                QStringLiteral("-enc"), QStringLiteral("UTF-8"), file, QStringLiteral("-")});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return {};
    return QString::fromUtf8(tool.readAllStandardOutput()).split(QLatin1Char('\n'));
}

QString pdfTool(const QString& tool, const QString& file) {
    QProcess process;
    process.start(tool, {file});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The page of a PDF file is wider than high.
bool landscape(const QString& file) {
    const QString info = pdfTool(QStringLiteral("pdfinfo"), file);
    const qsizetype at = info.indexOf(QLatin1String("Page size:"));
    const QStringList words = info.mid(at).split(QLatin1Char(' '), Qt::SkipEmptyParts);
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
    std::int32_t userNoOf(long long index) const {
        return Store(dir().toStdString()).readUser(index).UserNo;
    }
    void appendReading(std::int32_t userNo, QDate date, QTime time, double sum) const {
        HistoryRecord record;
        record.HistDate = daysFromDate(date);
        record.HistTime = fractionFromTime(time);
        record.Dose = 0.05;
        record.DoseSum = sum;
        record.UserNo = userNo;
        record.DosimeterId = 0x1234;
        Store(dir().toStdString()).appendHistory(record);
    }
    // Runs `command` with the modal windows answered by `script`; every step must have run.
    void run(ModalScript& script, const std::function<void()>& command) {
        command();
        ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    }
};

TEST_F(ReportsTest, F2SavesTheListOverAnExistingFileWithTheDefaultExtension) {
    addPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QStringLiteral("Petrovich"),
              0x1234);
    addPerson(QStringLiteral("Petrov"), QStringLiteral("Petr"), QString());
    activate();
    {
        QFile old(path(QStringLiteral("persons.txt")));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(2000, 'x'));
    }

    ModalScript script;
    script.add([this](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->nameFilters(), QStringList({QStringLiteral("Text files (*.txt)"),
                                                      QStringLiteral("Any files (*)")}));
        EXPECT_EQ(dialog->directory().absolutePath(), QDir::rootPath());
        typeFileName(path(QStringLiteral("persons")))(modal);
    });
    run(script, [this] { QTest::keyClick(grid, Qt::Key_F2); });
    EXPECT_EQ(script.seen().size(), 1u); // no question before the old file is replaced

    const QByteArray crlf("\r\n");
    QByteArray heading = blanks(120);
    heading.replace(29, 4, "1/46").replace(61, 4, "1/47").replace(81, 4, "1/49");
    heading.replace(101, 4, "1/48");
    const QByteArray ivanov = "  Ivanov" + blanks(14) + "Ivan" + blanks(16) + "Petrovich" +
                              blanks(11) + "Lab" + blanks(17) + "0000000000001234" + blanks(4) +
                              "1" + blanks(17);
    const QByteArray petrov = "  Petrov" + blanks(14) + "Petr" + blanks(36) + "Lab" + blanks(17) +
                              "0000000000000000" + blanks(4) + "2" + blanks(17);
    EXPECT_EQ(fileBytes(QStringLiteral("persons.txt")), " " + crlf + " 1/45" + crlf + " " + crlf +
                                                            heading + crlf + " " + crlf + ivanov +
                                                            crlf + petrov + crlf);
}

TEST_F(ReportsTest, HistoryExportListsTheFilteredReadingsUnderTheStatusPanelName) {
    const long long ivanov = addPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QString());
    const std::int32_t userNo = userNoOf(ivanov);
    appendReading(userNo, kDec5, QTime(9, 0), 1);
    appendReading(userNo + 1, kDec6, QTime(9, 30), 7); // somebody else's
    appendReading(userNo, kDec6, QTime(10, 15), 2);
    activate();
    histFilter() = HistFilter{true, false, daysFromDate(kDec6), daysFromDate(kDec6), 0, 0};
    main->mnu_HistGrid->trigger();
    ASSERT_EQ(main->viewState(), TFormSarvo::ViewHistGrid);

    ModalScript script;
    script.add(typeFileName(path(QStringLiteral("history.txt"))));
    run(script, [this] { main->tb_SaveAsText->trigger(); });

    const QList<QByteArray> lines = fileBytes(QStringLiteral("history.txt")).split('\n');
    ASSERT_EQ(lines.size(), 7); // five heading lines, one reading, the end of the last line
    EXPECT_EQ(lines[1], " 1/74   Ivanov Ivan \r");
    const ValueFormats& formats = ValueFormats::system();
    EXPECT_EQ(lines[5].mid(2, 20).trimmed(), formats.date(kDec6).toLatin1());
    EXPECT_EQ(lines[5].mid(42, 20), "0,05" + blanks(16));
    EXPECT_EQ(lines[5].size(), 121);
}

TEST_F(ReportsTest, TheChartViewHasNoTextExport) {
    addPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QString());
    activate();
    main->mnu_HistChart->trigger();
    ASSERT_EQ(main->viewState(), TFormSarvo::ViewHistChart);
    EXPECT_FALSE(main->mnu_SaveAsText->isEnabled());
    ModalScript script;
    main->mnu_SaveAsTextClick();
    EXPECT_TRUE(script.seen().empty());
}

TEST_F(ReportsTest, PrintedListHasItsHeadingAndDashesWithoutADosimeter) {
    addPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QString(), 0x1234);
    addPerson(QStringLiteral("Petrov"), QStringLiteral("Petr"), QString());
    addPerson(QStringLiteral("Sidorov"), QStringLiteral("Sidor"), QString(), 0x99);
    activate();
    const QString pdf = path(QStringLiteral("list.pdf"));
    ModalScript script;
    script.add(printToPdfFile([](TFormPrint& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("1/50"));
        EXPECT_EQ(window.btnPrn_Ok->text(), QStringLiteral("1/19"));
        EXPECT_FALSE(window.RichEditPrint->isHidden());
        EXPECT_TRUE(window.ChartPrn->isHidden());
        EXPECT_EQ(window.cbPrinterSelect->itemText(window.cbPrinterSelect->count() - 1),
                  QStringLiteral("PDF file"));
    }));
    script.add(typeFileName(pdf));
    run(script, [this] { main->tb_Print->trigger(); });

    const QStringList lines = pdfLines(pdf);
    EXPECT_FALSE(landscape(pdf));
    EXPECT_TRUE(lineWith(lines, QStringLiteral("1/46")).contains(QStringLiteral("1/49")));
    const QString heading = lineWith(lines, QStringLiteral("1/45"));
    const QString ivanov = lineWith(lines, QStringLiteral("Ivanov"));
    const QString petrov = lineWith(lines, QStringLiteral("Petrov"));
    // The name cell begins with a blank at column 3; "---" stands at column 62.
    const qsizetype nameAt = petrov.indexOf(QLatin1String("Petrov")) - 1;
    EXPECT_EQ(petrov.indexOf(QLatin1String("---")) - nameAt, 59) << petrov.toStdString();
    EXPECT_EQ(ivanov.indexOf(QLatin1String("1234")) - nameAt, 59) << ivanov.toStdString();
    EXPECT_EQ(heading.indexOf(QLatin1String("1/45")) - nameAt, 14) << heading.toStdString();
    EXPECT_LT(lines.indexOf(heading), lines.indexOf(ivanov));
    // The heading block is bold, the rest regular.
    const QString fonts = pdfTool(QStringLiteral("pdffonts"), pdf);
    EXPECT_TRUE(fonts.contains(QLatin1String("Bold"))) << fonts.toStdString();
    EXPECT_EQ(main->FormPrint->currentPrinter(), TFormPrint::pdfFileEntry());
}

TEST_F(ReportsTest, PrintedHistoryTableHasOnlyTheFilteredRows) {
    const long long ivanov = addPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QString());
    const std::int32_t userNo = userNoOf(ivanov);
    appendReading(userNo, kDec5, QTime(9, 0), 1);
    appendReading(userNo, kDec6, QTime(10, 15), 2);
    appendReading(userNo, kDec6, QTime(11, 45), 3);
    activate();
    histFilter() = HistFilter{true, false, daysFromDate(kDec6), daysFromDate(kDec6), 0, 0};
    main->mnu_HistGrid->trigger();
    const QString pdf = path(QStringLiteral("table.pdf"));
    ModalScript script;
    script.add(printToPdfFile());
    script.add(typeFileName(pdf));
    run(script, [this] { main->mnu_Print->trigger(); });

    const QStringList lines = pdfLines(pdf);
    const ValueFormats& formats = ValueFormats::system();
    EXPECT_TRUE(lineWith(lines, QStringLiteral("1/74")).contains(QLatin1String("Ivanov Ivan")));
    EXPECT_TRUE(lineWith(lines, QStringLiteral("1/59")).contains(QLatin1String("1/62")));
    EXPECT_TRUE(lineWith(lines, formats.date(kDec5)).isEmpty());
    EXPECT_EQ(lines.filter(formats.date(kDec6)).size(), 2);
    EXPECT_TRUE(lineWith(lines, formats.time(QTime(11, 45))).contains(QLatin1String("3 mSv")));
}

TEST_F(ReportsTest, PrintedChartIsLandscapeWithItsTitle) {
    const long long ivanov = addPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QString());
    const std::int32_t userNo = userNoOf(ivanov);
    appendReading(userNo, kDec5, QTime(9, 0), 10);
    appendReading(userNo, kDec6, QTime(10, 15), 12);
    activate();
    main->mnu_HistChart->trigger();
    main->pmnu_LogClick();
    const QString pdf = path(QStringLiteral("chart.pdf"));
    ModalScript script;
    script.add(printToPdfFile([](TFormPrint& window) {
        EXPECT_TRUE(window.RichEditPrint->isHidden());
        EXPECT_FALSE(window.ChartPrn->isHidden());
    }));
    script.add(typeFileName(pdf));
    run(script, [this] { main->tb_Print->trigger(); });

    EXPECT_TRUE(landscape(pdf));
    const QString text = pdfLines(pdf).join(QLatin1Char('\n'));
    EXPECT_TRUE(text.contains(QLatin1String("1/74"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QLatin1String("Ivanov Ivan 1/73"))) << text.toStdString();
    // The screen's ranges, on a linear dose axis.
    const HistChart& printed = *main->FormPrint->ChartPrnChart;
    EXPECT_EQ(printed.doseRange(), (AxisRange{9.5, 12.5}));
    EXPECT_FALSE(printed.drawnLogarithmic());
}

TEST_F(ReportsTest, OkWithoutAPrinterSaysSoAndCancelPrintsNothing) {
    addPerson(QStringLiteral("Ivanov"), QStringLiteral("Ivan"), QString());
    activate();
    ModalScript script;
    script.add([](QWidget* modal) {
        auto* window = qobject_cast<TFormPrint*>(modal);
        ASSERT_NE(window, nullptr);
        window->cbPrinterSelect->setCurrentIndex(-1);
        window->btnPrn_Ok->click();
    });
    script.answer(QMessageBox::Ok);
    script.add([](QWidget* modal) {
        auto* window = qobject_cast<TFormPrint*>(modal);
        ASSERT_NE(window, nullptr); // still open
        window->btnPrn_Cancel->click();
    });
    run(script, [this] { main->mnu_PrintClick(); });
    EXPECT_EQ(script.boxTexts(),
              QStringList{QStringLiteral("There is no default printer currently selected")});
    EXPECT_EQ(main->FormPrint->result(), QDialog::Rejected);
}

// The dose-rate log window with the entries of a reading of Ivanov Ivan Petrovich.
class LogWindowTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        writeTestLangFile();
        languageStrings().load(dir(), 1);
        UserRecord person;
        person.setTexts(QStringLiteral("Ivanov"), QStringLiteral("Ivan"),
                        QStringLiteral("Petrovich"), QStringLiteral("Lab"));
        window.setPerson(person);
    }
    void exitStep(ModalScript& script) {
        script.add([](QWidget* modal) {
            auto* med = qobject_cast<TFormMED*>(modal);
            ASSERT_NE(med, nullptr);
            med->mnu_MEDExit->trigger();
        });
    }

    TFormMED window;
};

TEST_F(LogWindowTest, SavedLogOfOneEntryThenExitAsksNothing) {
    window.setLine(1, QStringLiteral("0"), QStringLiteral("05.12.2026"), QStringLiteral("09:30"),
                   QStringLiteral("0,12 uSv/h"));
    ModalScript script;
    script.add([](QWidget* modal) { qobject_cast<TFormMED*>(modal)->mnu_MEDSaveAs->trigger(); });
    script.add([this](QWidget* modal) {
        EXPECT_EQ(
            qobject_cast<QFileDialog*>(modal)->nameFilters(),
            QStringList({QStringLiteral("Text file (*.txt)"), QStringLiteral("Any file (*)")}));
        typeFileName(path(QStringLiteral("log")))(modal);
    });
    exitStep(script);
    window.exec();
    EXPECT_TRUE(script.done());
    EXPECT_TRUE(script.boxTexts().isEmpty());
    EXPECT_FALSE(window.unsaved());

    QByteArray header = blanks(65);
    header.replace(2, 1, "\xB9")
        .replace(6, 4, "1/59")
        .replace(26, 4, "1/60")
        .replace(46, 4, "1/82");
    const QByteArray entry =
        "  0   05.12.2026" + blanks(10) + "09:30" + blanks(15) + "0,12 uSv/h" + blanks(9);
    EXPECT_EQ(fileBytes(QStringLiteral("log.txt")),
              " \r\n 1/82. 1/83 Ivanov Ivan Petrovich\r\n \r\n" + header + "\r\n \r\n" + entry +
                  "\r\n");
}

TEST_F(LogWindowTest, FailedSaveKeepsTheWindowOpenAndTheLogUnsaved) {
    window.setLine(1, QStringLiteral("0"), QStringLiteral("05.12.2026"), QStringLiteral("09:30"),
                   QStringLiteral("0,12 uSv/h"));
    // A name that leads into a folder that is not there.
    const QString file = path(QStringLiteral("log.txt"));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("missing/log.txt")), file));
    ModalScript script;
    exitStep(script);
    script.answer(QMessageBox::Yes); // line 81
    script.add(typeFileName(file));
    script.answer(QMessageBox::Ok); // the failure
    script.add([](QWidget* modal) {
        auto* med = qobject_cast<TFormMED*>(modal);
        ASSERT_NE(med, nullptr);
        EXPECT_TRUE(med->unsaved());
        med->mnu_MEDExit->trigger();
    });
    script.answer(QMessageBox::No); // line 81 again: leave without saving
    window.exec();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(script.boxTexts(),
              QStringList({QStringLiteral("1/81"), QStringLiteral("File not found"),
                           QStringLiteral("1/81")}));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("missing"))));
}

TEST_F(LogWindowTest, YesThenCancelledFileDialogClosesWithoutAFile) {
    window.setLine(1, QStringLiteral("0"), QStringLiteral("05.12.2026"), QStringLiteral("09:30"),
                   QStringLiteral("0,12 uSv/h"));
    ModalScript script;
    exitStep(script);
    script.answer(QMessageBox::Yes);
    script.add(cancelDialog());
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    EXPECT_TRUE(script.done());
    EXPECT_TRUE(window.unsaved());
    EXPECT_EQ(QDir(dir()).entryList(QDir::Files), QStringList{QStringLiteral("Lang.txt")});
}

TEST_F(LogWindowTest, PrintedLogRightAlignsOneDigitNumbersAndLeavesTheLogUnsaved) {
    window.setLine(1, QStringLiteral("7"), QStringLiteral("05.12.2026"), QStringLiteral("09:30"),
                   QStringLiteral("0,12 uSv/h"));
    window.setLine(2, QStringLiteral("12"), QStringLiteral("05.12.2026"), QStringLiteral("09:40"),
                   QStringLiteral("0,2 uSv/h"));
    TFormPrint print;
    window.setPrintWindow(&print);
    const QString pdf = path(QStringLiteral("log.pdf"));
    ModalScript script;
    script.add([](QWidget* modal) { qobject_cast<TFormMED*>(modal)->mnu_MEDPrint->trigger(); });
    script.add(printToPdfFile());
    script.add(typeFileName(pdf));
    exitStep(script);
    script.answer(QMessageBox::No);
    window.exec();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(script.boxTexts(), QStringList{QStringLiteral("1/81")});

    const QStringList lines = pdfLines(pdf);
    EXPECT_TRUE(lineWith(lines, QStringLiteral("1/82. 1/83 Ivanov Ivan Petrovich")).size() > 0);
    const QString header = lineWith(lines, QStringLiteral("1/59"));
    EXPECT_EQ(header.indexOf(QLatin1String("1/59")) - header.indexOf(QChar(0x2116)), 4)
        << header.toStdString();
    // The date stands at column 7: "7" in column 4, "12" in columns 3 and 4.
    const QString seven = lineWith(lines, QStringLiteral("09:30"));
    EXPECT_EQ(seven.indexOf(QLatin1String("05.12")) - seven.indexOf(QLatin1Char('7')), 3);
    const QString twelve = lineWith(lines, QStringLiteral("09:40"));
    EXPECT_EQ(twelve.indexOf(QLatin1String("05.12")) - twelve.indexOf(QLatin1String("12")), 4);
}

} // namespace
} // namespace sarvo::test
