#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

// Keeps the clock to one running copy per user: the first start holds a lock on a file
// and listens on a local socket beside it, both in `folder` (the user's runtime directory);
// a later start asks the first to come to the front and gives way. The lock is the
// kernel's, so it ends with the process that held it, however that process ended.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    SingleInstance(const QString& folder, const QString& name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the one that runs: it then listens for later starts.
    // False when another runs, after asking it to come forward if `raiseRunning`.
    bool claim(bool raiseRunning = true);

Q_SIGNALS:
    // A later start asked for the running clock.
    void raiseRequested();

private:
    void listen();
    void acceptConnections();

    QByteArray m_lockPath;
    QByteArray m_socketPath;
    int m_lockFd = -1;
    int m_serverFd = -1;
    QSocketNotifier* m_notifier = nullptr;
};
