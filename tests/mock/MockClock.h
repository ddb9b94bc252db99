#pragma once

#include "core/Clock.h"

// A clock the test sets; installed for as long as it lives.
class MockClock final : public Clock
{
public:
    MockClock(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
    {
        set(QDateTime(QDate(year, month, day), QTime(hour, minute, second)));
        Clock::setInstance(this);
    }
    ~MockClock() override { Clock::setInstance(nullptr); }

    void set(const QDateTime& now) { m_now = now; }
    void advanceSeconds(int seconds) { m_now = m_now.addSecs(seconds); }

protected:
    QDateTime currentDateTime() const override { return m_now; }

private:
    QDateTime m_now;
};
