// Printing on a real printer queue. The test runs when SARVO_CUPS_QUEUE names a queue of the
// system's printing service; cups_print_test.sh sets one up (a PDF printer), runs this test and
// looks for the printed document.
#include "gui/support/ui_support.h"

#include "gui/print/form_print.h"

#include <QComboBox>
#include <QPrinterInfo>
#include <QPushButton>

namespace sarvo::test {
namespace {

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
