#pragma once

#include <QString>
#include <functional>
#include <memory>

// The alarm's sound: the built-in beep, or a sound file of the user's. Tests give the alarm
// clock a beeper that records what it was asked.
class Beeper
{
  public:
    using FailureHandler = std::function<void(const QString& soundFile)>;

    virtual ~Beeper() = default;
    // One tick of a ringing alarm at `volume`, 0 to 1 as the ear hears it. Without a sound
    // file the beep sounds once; a sound file starts at the first tick and plays on, repeated
    // if short, until silence().
    virtual void beep(const QString& soundFile, double volume) = 0;
    // The ringing is over: a sound file stops.
    virtual void silence() = 0;
    // The choice played once through at full volume, for the user to hear it.
    virtual void playSample(const QString& soundFile) = 0;

    // Told when a sound file cannot be played (missing, unreadable, not audio); the beep
    // sounds in its place until silence().
    void setFailureHandler(FailureHandler handler) { m_failed = std::move(handler); }

  protected:
    void reportFailure(const QString& soundFile) const
    {
        if (m_failed)
            m_failed(soundFile);
    }

  private:
    FailureHandler m_failed;
};

// The program's sounds, from a module loaded at the first sound: the audio libraries it
// needs would otherwise be loaded, and take their memory, at every start of the clock.
// Without the module, the system bell.
class ToneOnDemand final : public Beeper
{
  public:
    using Loader = std::function<std::unique_ptr<Beeper>()>;

    // The loader finds the module; tests give one of their own.
    explicit ToneOnDemand(Loader load = loadTone);
    ~ToneOnDemand() override;
    void beep(const QString& soundFile, double volume) override;
    void silence() override;
    void playSample(const QString& soundFile) override;

    // The module beside the program or in the library folder of an install, else the bell.
    static std::unique_ptr<Beeper> loadTone();

  private:
    Beeper& tone();

    Loader m_load;
    std::unique_ptr<Beeper> m_tone;
};
