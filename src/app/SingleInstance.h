#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

// Keeps the clock to one running copy per user: the first start holds a lock file and
// listens on a local socket beside it, both in `folder` (the user's runtime directory);
// a later start asks the first to come to the front and gives way. A lock left by a
// process that no longer runs is taken over.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    SingleInstance(const QString& folder, const QString& name, QObject* parent = nullptr);

    // True when this process is the one that runs: it then listens for later starts.
    // False after the running one has been asked to come forward.
    bool claim();

Q_SIGNALS:
    // A later start asked for the running clock.
    void raiseRequested();

private:
    void acceptConnection();

    QString m_socketPath;
    QLockFile m_lock;
    QLocalServer m_server;
};
