#pragma once

#include "core/store/store.h"
#include "core/text/hist_filter.h"
#include "core/text/language.h"
#include "gui/app/sarvo_app.h"
#include "gui/dialogs/form_zast.h"
#include "gui/main/form_med.h"
#include "gui/main/form_sarvo.h"
#include "gui/main/user_list_grid.h"
#include "gui/port/com_port.h"
#include "gui/port/form_sel_port.h"
#include "gui/print/form_print.h"

#include <QApplication>
#include <QChartView>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

// Test failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline std::ostream& operator<<(std::ostream& out, const QString& text) {
    return out << text.toStdString();
}

namespace sarvo::test {

// Lets the event loop run until `condition` holds or 30 seconds have passed; false then.
bool waitUntil(const std::function<bool()>& condition, int limitMs = 30000);

// The child of `parent` of class T named `name`, as a person finds it on the screen; a missing
// one stops the test run with its name.
template <class T> T* child(const QObject* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

// Triggers the action `name` of `window` as a person would: an action that is disabled fails the
// test and does nothing.
void trigger(const QObject* window, const QString& name);

// A modal window that appeared while a script ran: its class and its text (a message box's
// text, a dialog's title), and a box's buttons.
struct ModalSeen {
    QString kind;
    QString text;
    QStringList buttons; // a message box's button texts, sorted
};

// Answers the modal windows (message boxes and dialogs) the program opens, one step per window,
// in order. A window that no step is left for is recorded and closed, so a test never hangs.
class ModalScript : public QObject {
public:
    // A step gets the modal window and acts on it (clicks a button, fills a field).
    using Step = std::function<void(QWidget* modal)>;

    ModalScript();
    void add(Step step) { steps_.push_back(std::move(step)); }
    // A message box: the button to press.
    void answer(QMessageBox::StandardButton button);

    // Every step has run to its end.
    bool done() const { return steps_.empty() && running_ == 0; }
    const std::vector<ModalSeen>& seen() const { return seen_; }
    QStringList boxTexts() const;

private:
    void poll();

    QTimer timer_;
    std::deque<Step> steps_;
    std::vector<ModalSeen> seen_;
    // The window answered last. A guarded pointer: a box that is gone may leave its place in
    // memory to the next one.
    QPointer<QWidget> handled_;
    // A window counts once it has stayed on top for a moment: a dialog that comes back to the top
    // for an instant while it finishes its own work (after its file dialog closed, say) is not
    // yet waiting for the next step.
    QPointer<QWidget> candidate_;
    QElapsedTimer candidateSince_;
    int running_ = 0;
    // A step failed: every modal window from now on is closed, so the test ends instead of
    // waiting in a nested event loop for a click that will not come.
    bool aborted_ = false;
};

// A step for a file dialog: `file` typed into it and confirmed (the dialog's own checks run);
// its filters checked when they are given.
ModalScript::Step saveAs(const QString& file, const QStringList& filters = {});

// A step for a dialog of class D; a window of another class fails the test.
template <class D, class F> ModalScript::Step on(F act) {
    return [act](QWidget* modal) {
        auto* dialog = qobject_cast<D*>(modal);
        ASSERT_NE(dialog, nullptr) << modal->metaObject()->className();
        act(dialog);
    };
}

// A virtual serial cable: socat joins two pseudo-terminals, reached through the links
// `<dir>/A` and `<dir>/B`. Stopped when destroyed.
class VirtualCable {
public:
    explicit VirtualCable(const QString& dir);
    ~VirtualCable() { stop(); }
    bool ready() const { return ready_; }
    QString endA() const { return a_; }
    QString endB() const { return b_; }
    void stop();

private:
    QProcess socat_;
    QString a_;
    QString b_;
    bool ready_ = false;
};

// A fresh directory that is the working directory while the test runs, with the program's
// process-wide state (language strings, history filter) reset.
class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { QDir::setCurrent(previous_); }

    QString dir() const { return dir_.path(); }
    QString path(const QString& name) const { return dir_.filePath(name); }

    // A language file of seven blocks in which language line n of block k reads "k/n".
    void writeTestLangFile() const;
    // Appends a person to the user file; returns the record index.
    long long addPerson(const QString& last, const QString& first, const QString& middle,
                        std::int64_t identifier = 0) const;
    // Writes the settings file.
    void writeSettings(const QString& portName, int langIndex) const;
    QByteArray fileBytes(const QString& name) const;
    // Runs sarvo-tool with these arguments on the test's directory; it must succeed.
    void tool(const QStringList& arguments) const;
    Store store() const { return Store(dir().toStdString()); }
    QByteArray userFile() const { return fileBytes(QStringLiteral("DB/DataUsers.usr")); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

// The main window shown and activated. Its stored port cannot be opened, so the activation
// ends with the box of line 22, which is answered. Without a Lang.txt in the directory the test
// language file is written first.
class MainWindowTest : public UiTest {
protected:
    void activate(int langIndex = 1);
    // The centre of a cell of the list of persons, in its viewport.
    QPoint cellCentre(int row, int column) const {
        return grid->visualRect(grid->model()->index(row, column)).center();
    }
    // A part of the main window by name, and one of its actions triggered.
    template <class T> T* part(const QString& name) const { return child<T>(main.get(), name); }
    void act(const QString& name) const { trigger(main.get(), name); }

    std::unique_ptr<TFormSarvo> main;
    UserListGrid* grid = nullptr;
};

} // namespace sarvo::test
