#pragma once

#include <memory>

// The alarm's audible signal. Tests give the alarm clock a beeper that counts.
class Beeper
{
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

// The program's own short tone, from a module loaded at the first beep: the audio libraries
// it needs would otherwise be loaded, and take their memory, at every start of the clock.
// Without the module, the system bell.
class ToneOnDemand final : public Beeper
{
public:
    ToneOnDemand();
    ~ToneOnDemand() override;
    void beep() override;

private:
    std::unique_ptr<Beeper> m_tone;
};
