#include "desktop/AlarmHandOff.h"

#include "core/AppInfo.h"
#include "core/Clock.h"
#include "desktop/AlarmTimerUnits.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QSaveFile>
#include <QTimer>

namespace
{

const QString choiceSection = QStringLiteral("Main");
const QString choiceKey = QStringLiteral("ringWhenClosed");
// A manager that does not answer within this delays the clock's end no longer.
constexpr int finishWaitMs = 3000;
// The first hand-off waits until the clock's window is on screen, so that none of it delays
// the start.
constexpr int firstWorkDelayMs = 1000;

bool writeWhole(const QString& path, const QString& text)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit();
}

} // namespace

AlarmHandOff::AlarmHandOff(ServiceManager& manager, const QString& unitFolder,
                           const QString& program, const QProcessEnvironment& environment,
                           QObject* parent)
    : QObject(parent), m_manager(manager), m_unitFolder(unitFolder), m_program(program),
      m_environment(environment),
      m_chosen(GetSetting(AppTitle, choiceSection, choiceKey) != QLatin1String("0"))
{
    m_next.setSingleShot(true);
    connect(&m_next, &QTimer::timeout, this, &AlarmHandOff::work);
}

void AlarmHandOff::setChosen(bool chosen)
{
    if (chosen)
        DeleteSetting(AppTitle, choiceSection, choiceKey);
    else
        SaveSetting(AppTitle, choiceSection, choiceKey, QStringLiteral("0"));
    SettingsStore::flush(AppTitle);
    m_chosen = chosen;
    Q_EMIT changed();
    schedule();
}

AlarmHandOff::Reach AlarmHandOff::reach() const
{
    if (!m_chosen || !m_answered.value_or(false))
        return Reach::ClockOnly;
    return m_wakes.value_or(false) ? Reach::Wakes : Reach::WhileOn;
}

void AlarmHandOff::handOver(const QDateTime& due)
{
    m_wanted = due;
    schedule();
}

void AlarmHandOff::schedule()
{
    if (!m_next.isActive())
        m_next.start(m_started ? 0 : firstWorkDelayMs);
}

void AlarmHandOff::work()
{
    m_started = true;
    if (m_busy)
        return;
    // A moment that has come is the clock's own to ring; the timer set for it has fired.
    if (m_wanted.isValid() && m_wanted <= Clock::now()) {
        Q_EMIT settled();
        return;
    }
    const QDateTime target = m_chosen ? m_wanted : QDateTime();
    if (m_attempted == target) {
        Q_EMIT settled();
        return;
    }
    m_attempted = target;
    m_busy = true;
    if (target.isValid())
        arm(target);
    else
        disarm();
}

void AlarmHandOff::arm(const QDateTime& due)
{
    if (!writeUnits(due)) {
        removeUnits();
        m_busy = false;
        m_armed = {};
        Q_EMIT changed();
        schedule();
        return;
    }
    const bool wake = m_wakes.value_or(true);
    m_manager.restartTimer(AlarmTimerUnits::TimerName, [this, due, wake](ServiceManager::TimerState state) {
        m_busy = false;
        m_answered = state != ServiceManager::TimerState::NoAnswer;
        if (state == ServiceManager::TimerState::Waiting) {
            m_armed = due;
            m_wakes = wake;
        } else if (state == ServiceManager::TimerState::Failed && wake) {
            // Where the session may not wake the computer, a timer that asks to fails to
            // start at all: set it again without.
            m_wakes = false;
            m_attempted.reset();
        } else {
            removeUnits();
            m_armed = {};
        }
        Q_EMIT changed();
        schedule();
    });
}

void AlarmHandOff::disarm()
{
    m_armed = {};
    // With nothing of ours there, the manager is asked only whether it answers at all.
    if (!removeUnits() && m_answered) {
        m_busy = false;
        schedule();
        return;
    }
    m_manager.stopTimer(AlarmTimerUnits::TimerName, [this](bool answered) {
        m_busy = false;
        m_answered = answered;
        Q_EMIT changed();
        schedule();
    });
}

bool AlarmHandOff::writeUnits(const QDateTime& due)
{
    const QString service = AlarmTimerUnits::serviceText(m_program, m_environment);
    const QDir folder(m_unitFolder);
    if (service.isEmpty() || !folder.mkpath(QStringLiteral("timers.target.wants")))
        return false;
    const QString timerPath = folder.filePath(AlarmTimerUnits::TimerName);
    if (!writeWhole(folder.filePath(AlarmTimerUnits::ServiceName), service) ||
        !writeWhole(timerPath, AlarmTimerUnits::timerText(due, m_wakes.value_or(true))))
        return false;
    // Enabled as systemctl enables it, so that the timer is set again at the next login.
    return QFile::symLinkTarget(wantsLink()) == timerPath || QFile::link(timerPath, wantsLink());
}

bool AlarmHandOff::removeUnits()
{
    const QDir folder(m_unitFolder);
    bool removed = false;
    for (const QString& path : {wantsLink(), folder.filePath(AlarmTimerUnits::TimerName),
                                folder.filePath(AlarmTimerUnits::ServiceName)})
        removed = QFile::remove(path) || removed;
    return removed;
}

QString AlarmHandOff::wantsLink() const
{
    return QDir(m_unitFolder).filePath(QStringLiteral("timers.target.wants/") + AlarmTimerUnits::TimerName);
}

QDateTime AlarmHandOff::finish()
{
    // Work put off for the window's first paint is done now.
    if (m_next.isActive()) {
        m_next.stop();
        work();
    }
    if (m_busy) {
        QEventLoop loop;
        connect(this, &AlarmHandOff::settled, &loop, &QEventLoop::quit);
        QTimer::singleShot(finishWaitMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    const bool waiting = m_armed.isValid() && m_armed == m_wanted && m_armed > Clock::now();
    return waiting ? m_armed : QDateTime();
}

QString reachText(AlarmHandOff::Reach reach)
{
    switch (reach) {
    case AlarmHandOff::Reach::Wakes:
        return QCoreApplication::translate("AlarmHandOff",
                                           "Alarms wake this computer, even with the clock closed.");
    case AlarmHandOff::Reach::WhileOn:
        return QCoreApplication::translate(
            "AlarmHandOff", "Alarms ring while this computer is on, even with the clock closed.");
    case AlarmHandOff::Reach::ClockOnly:
        break;
    }
    return QCoreApplication::translate("AlarmHandOff", "Alarms ring only while the clock is running.");
}
