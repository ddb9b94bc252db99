#pragma once

#include "desktop/ServiceManager.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTimer>

// Stands in for the user's service manager: records what the timer's unit file held at each
// call, and answers a moment later with the states queued in `answers` (Waiting once they
// run out), or not at all while `absent`.
struct FakeServiceManager final : ServiceManager {
    explicit FakeServiceManager(const QString& unitFolder) : folder(unitFolder) {}

    void restartTimer(const QString& timer, std::function<void(TimerState)> done) override
    {
        QFile unit(folder + '/' + timer);
        const QString text = unit.open(QIODevice::ReadOnly) ? unit.readAll() : "";
        calls << "restart " + QRegularExpression("OnCalendar=(.*)\n").match(text).captured(1)
                     + (text.contains("WakeSystem=true") ? " wake" : "");
        const TimerState state = absent ? TimerState::NoAnswer : answers.isEmpty() ? TimerState::Waiting : answers.takeFirst();
        QTimer::singleShot(0, [done, state] { done(state); });
    }
    void stopTimer(const QString&, std::function<void(bool)> done) override
    {
        calls << "stop";
        QTimer::singleShot(0, [done, answered = !absent] { done(answered); });
    }

    QString folder;
    QStringList calls;
    QList<TimerState> answers;
    bool absent = false;
};
