#pragma once

#include "desktop/ServiceManager.h"

#include <QDateTime>
#include <QObject>
#include <QProcessEnvironment>
#include <QTimer>
#include <optional>

// Hands the clock's next alarm to the user's service manager, which starts the clock in that
// minute though it has been closed, wakes the computer for it where the session may, and
// remembers it across a reboot. It keeps one timer of its own there, set for the latest
// moment it was given, or none; the work is done between other events and nothing waits for
// it, but the clock's end.
class AlarmHandOff : public QObject
{
    Q_OBJECT

  public:
    // What this computer does for an alarm while the clock is closed.
    enum class Reach { ClockOnly, WhileOn, Wakes };

    // The unit files go into `unitFolder`; the timer starts `program` on the display of
    // `environment`.
    AlarmHandOff(ServiceManager& manager, const QString& unitFolder, const QString& program,
                 const QProcessEnvironment& environment, QObject* parent = nullptr);

    // The user's choice, "Ring When Closed"; stored, and on unless switched off.
    bool isChosen() const { return m_chosen; }
    void setChosen(bool chosen);
    // False once it is known that no manager answers.
    bool managerAnswers() const { return m_answered.value_or(true); }
    Reach reach() const;

    // The soonest alarm's real moment; invalid when no alarm is set.
    void handOver(const QDateTime& due);
    // As the clock ends: the last hand-off is completed, waiting a few seconds at most.
    // The moment the timer then waits for, invalid when it waits for none.
    QDateTime finish();

  Q_SIGNALS:
    // The choice, the manager's answer or what the timer waits for has changed.
    void changed();
    // Nothing is left to do.
    void settled();

  private:
    void schedule();
    void work();
    void arm(const QDateTime& due);
    void disarm();
    bool writeUnits(const QDateTime& due);
    // True when there were any.
    bool removeUnits();
    QString wantsLink() const;

    ServiceManager& m_manager;
    QString m_unitFolder;
    QString m_program;
    QProcessEnvironment m_environment;
    bool m_chosen = true;
    QDateTime m_wanted;
    // What the timer was last set for (invalid: removed); nothing before the first attempt.
    std::optional<QDateTime> m_attempted;
    // The moment the timer is known to wait for.
    QDateTime m_armed;
    std::optional<bool> m_answered;
    // Whether a timer that wakes the computer is accepted; tried until it fails.
    std::optional<bool> m_wakes;
    bool m_busy = false;
    // The next step, between other events; the first waits for the window's first paint.
    QTimer m_next;
    bool m_started = false;
};

// The settings window's line on what this computer does for an alarm.
QString reachText(AlarmHandOff::Reach reach);
