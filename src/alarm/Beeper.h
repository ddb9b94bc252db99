#pragma once

// The alarm's audible signal. The program plays a short tone of its own; tests install a
// beeper that counts.
class Beeper
{
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;

    // The installed beeper, or the tone beeper made on first use.
    static Beeper& instance();
    // Replaces the tone beeper until called again with nullptr.
    static void setInstance(Beeper* beeper);
};
