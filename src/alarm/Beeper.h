#pragma once

#include <functional>
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
    using Loader = std::function<std::unique_ptr<Beeper>()>;

    // The loader finds the module; tests give one of their own.
    explicit ToneOnDemand(Loader load = loadTone);
    ~ToneOnDemand() override;
    void beep() override;

    // The module beside the program or in the library folder of an install, else the bell.
    static std::unique_ptr<Beeper> loadTone();

private:
    Loader m_load;
    std::unique_ptr<Beeper> m_tone;
};
