#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace vexo::app {

// Keeps one desktop application per user and settings folder: a later launch
// asks the running one to come to the front and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString name = nameForThisUser(), QObject* parent = nullptr);

    // The channel: a socket in the user's runtime folder named after the
    // settings file, so that every settings folder (and every test) has its own.
    static QString nameForThisUser();

    // True when no other instance answers: this one answers later launches
    // from now on. False when another one runs; it has been asked to come to
    // the front.
    bool claim();

signals:
    // A later launch asked this instance to come to the front.
    void raiseRequested();

private:
    bool askRunningInstanceToRaise();

    QString name_;
    QLocalServer server_;
};

} // namespace vexo::app
