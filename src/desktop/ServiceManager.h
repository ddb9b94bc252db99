#pragma once

#include <QString>
#include <functional>

// The user's service manager, as the hand-off of the next alarm needs it. Each call answers
// later, through its callback, and nothing waits for it.
class ServiceManager
{
  public:
    enum class TimerState {
        NoAnswer, // no manager, or none that answered in time
        Waiting,  // the timer waits for its moment
        Failed,   // the manager would not start the timer
    };

    virtual ~ServiceManager() = default;
    // Reads the unit files again and starts `timer` afresh.
    virtual void restartTimer(const QString& timer, std::function<void(TimerState)> done) = 0;
    // Stops `timer` and reads the unit files again; `answered` is false when no manager did.
    virtual void stopTimer(const QString& timer, std::function<void(bool answered)> done) = 0;
};
