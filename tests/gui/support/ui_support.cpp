#include "gui/support/ui_support.h"

#include "tool/run_tool.h"

#include <QFileDialog>
#include <QThread>

namespace sarvo::test {

void trigger(const QObject* window, const QString& name) {
    auto* action = child<QAction>(window, name);
    ASSERT_TRUE(action->isEnabled()) << name.toStdString() << " is disabled";
    action->trigger();
}

ModalScript::Step saveAs(const QString& file, const QStringList& filters) {
    return on<QFileDialog>([file, filters](QFileDialog* dialog) {
        EXPECT_TRUE(filters.isEmpty() || dialog->nameFilters() == filters)
            << dialog->nameFilters().join(';');
        child<QLineEdit>(dialog, "fileNameEdit")->setText(file);
        static_cast<QDialog*>(dialog)->accept();
    });
}

bool waitUntil(const std::function<bool()>& condition, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && !clock.hasExpired(limitMs)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return condition();
}

ModalScript::ModalScript() {
    timer_.callOnTimeout(this, &ModalScript::poll);
    timer_.start(10);
}

void ModalScript::answer(QMessageBox::StandardButton button) {
    add([button](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            QAbstractButton* pressed = box->button(button);
            ASSERT_NE(pressed, nullptr) << "a box without that button: " << box->text();
            pressed->click();
        }
    });
}

QStringList ModalScript::boxTexts() const {
    QStringList texts;
    for (const ModalSeen& modal : seen_)
        if (modal.kind == QLatin1String("QMessageBox"))
            texts << modal.text;
    return texts;
}

void ModalScript::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) {
        handled_ = candidate_ = nullptr;
        return;
    }
    if (modal == handled_)
        return;
    if (modal != candidate_) {
        candidate_ = modal;
        candidateSince_.start();
    }
    if (candidateSince_.elapsed() < 60)
        return;
    handled_ = modal;
    const auto* box = qobject_cast<QMessageBox*>(modal);
    QStringList buttons;
    for (const QAbstractButton* button : box ? box->buttons() : QList<QAbstractButton*>())
        buttons << button->text();
    buttons.sort();
    seen_.push_back({QString::fromLatin1(modal->metaObject()->className()).section(u':', -1),
                     box ? box->text() : modal->windowTitle(), buttons});
    if (steps_.empty() || aborted_) {
        QTimer::singleShot(0, modal, [modal] {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->done(QDialog::Rejected);
            else
                modal->close();
        });
        return;
    }
    // The step runs from the event loop, not inside this timer's slot: a modal window it opens
    // in turn must find the timer free to fire.
    auto step = std::make_shared<Step>(std::move(steps_.front()));
    steps_.pop_front();
    ++running_;
    QTimer::singleShot(0, modal, [this, step, modal] {
        (*step)(modal);
        --running_;
        if (::testing::Test::HasFailure() && !aborted_) {
            aborted_ = true;
            handled_ = nullptr; // the window the step failed on is closed by the next poll
        }
    });
}

VirtualCable::VirtualCable(const QString& dir) : a_(dir + "/A"), b_(dir + "/B") {
    socat_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    socat_.start("socat", {"pty,raw,echo=0,link=" + a_, "pty,raw,echo=0,link=" + b_});
    ready_ = socat_.waitForStarted() &&
             waitUntil([this] { return QFile::exists(a_) && QFile::exists(b_); }, 10000);
}

void VirtualCable::stop() {
    socat_.terminate();
    if (!socat_.waitForFinished(5000))
        socat_.kill();
    socat_.waitForFinished(5000);
}

void UiTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    previous_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    for (int n = 1; n <= kLanguageLines; ++n)
        languageStrings().setLine(n, QString());
    installTranslations(-1); // the English texts, whatever a test before installed
    histFilter() = HistFilter{};
}

void UiTest::writeTestLangFile() const {
    QByteArray content;
    for (int block = 0; block < kLanguageCount; ++block) {
        content += "block\r\n";
        for (int n = 1; n <= kLanguageLines; ++n)
            content += QByteArray::number(block) + '/' + QByteArray::number(n) + "\r\n";
    }
    QFile file(path(QStringLiteral("Lang.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

long long UiTest::addPerson(const QString& last, const QString& first, const QString& middle,
                            std::int64_t identifier) const {
    Store s = store();
    s.ensureDataDir();
    const long long index = s.findUserIndex(s.appendPerson(last, first, middle, "Lab"));
    UserRecord user = s.readUser(index);
    user.DosimeterId = identifier;
    s.writeUser(index, user);
    return index;
}

void UiTest::writeSettings(const QString& portName, int langIndex) const {
    SettingsRecord settings = SettingsRecord::defaults(static_cast<std::uint8_t>(langIndex));
    settings.setPortName(portName);
    store().saveSettings(settings);
}

void MainWindowTest::activate(int langIndex) {
    if (!QFile::exists(path(QStringLiteral("Lang.txt"))))
        writeTestLangFile();
    writeSettings(path(QStringLiteral("no-such-port")), langIndex);
    languageStrings().load(dir(), langIndex);
    main = std::make_unique<TFormSarvo>(dir(), *store().readSettings());
    ModalScript script;
    script.answer(QMessageBox::Ok);
    main->show();
    ASSERT_TRUE(waitUntil([&] { return script.done(); }));
    ASSERT_EQ(script.boxTexts(), QStringList{L(Text::PortOpenFailed)});
    grid = part<UserListGrid>("StringGridUser");
}

void UiTest::tool(const QStringList& arguments) const {
    const ToolResult result = runTool(arguments + QStringList{"--dir", dir()}, "C.UTF-8");
    ASSERT_EQ(result.code, 0) << result.err;
}

QByteArray UiTest::fileBytes(const QString& name) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace sarvo::test
