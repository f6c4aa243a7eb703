#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace sarvo {

// One running program per main-window title and user. The running program listens on a local
// socket named after the main window's kind, its title and the user; a second program that
// reaches it asks it to show itself and ends. The name follows the title: the running program
// listens anew whenever its main window's title changes (a language pick). A socket left behind
// by a crashed program answers nobody and is taken over.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QObject* parent = nullptr);

    static QString serverName(const QString& title);
    // True when a program with this title runs and was asked to show its main window.
    static bool askRunningToShow(const QString& title);

    // Listens under the name for `title`, giving up the previous name.
    bool listen(const QString& title);
    QString currentName() const;

signals:
    void showRequested();

private:
    void onConnection();

    QLocalServer* server_;
};

} // namespace sarvo
