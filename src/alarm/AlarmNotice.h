#pragma once

#include <QString>
#include <functional>

// Notices of the alarms outside the program's own windows, for desktops that do not keep
// those windows on top. Tests give the alarm clock one that records them.
class AlarmNotice
{
  public:
    // What the user chose in the ringing alarm's notice: "okay", "snooze", or "default" for
    // a click on the notice itself.
    using AnswerHandler = std::function<void(const QString& action)>;

    virtual ~AlarmNotice() = default;
    // The alarm set for `timeText` ("07:30"), with its name if it has one, is ringing, until
    // withdrawn. Where the desktop can, the notice answers it: "Okay", or a snooze of
    // `snoozeMinutes`.
    virtual void post(const QString& timeText, const QString& label, int snoozeMinutes) = 0;
    // The user has acknowledged it.
    virtual void withdraw() = 0;
    // A notice of normal urgency that stays until the user dismisses it.
    virtual void inform(const QString& summary, const QString& body) = 0;

    void setAnswerHandler(AnswerHandler handler) { m_answered = std::move(handler); }

  protected:
    void answer(const QString& action) const
    {
        if (m_answered)
            m_answered(action);
    }

  private:
    AnswerHandler m_answered;
};
