#include "core/ReadableColour.h"

#include <QEvent>
#include <QLabel>
#include <algorithm>
#include <cmath>

namespace
{

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

QColor mixed(const QColor& from, const QColor& to, double share)
{
    const auto between = [share](double a, double b) { return a + (b - a) * share; };
    return QColor::fromRgbF(between(from.redF(), to.redF()), between(from.greenF(), to.greenF()),
                            between(from.blueF(), to.blueF()));
}

class TextShade final : public QObject
{
  public:
    TextShade(QLabel* label, const QColor& hue) : QObject(label), m_label(label), m_hue(hue)
    {
        label->installEventFilter(this);
        apply();
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange)
            apply();
        return false;
    }

  private:
    void apply()
    {
        QPalette palette = m_label->palette();
        const QColor shade = readableShade(m_hue, palette.color(m_label->backgroundRole()));
        // Setting the palette raises the event again; the same shade ends it.
        if (palette.color(m_label->foregroundRole()) == shade)
            return;
        palette.setColor(m_label->foregroundRole(), shade);
        m_label->setPalette(palette);
    }

    QLabel* m_label;
    QColor m_hue;
};

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double first = luminance(a), second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor readableShade(const QColor& hue, const QColor& background)
{
    const QColor black(Qt::black), white(Qt::white);
    const QColor extreme =
        contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
    constexpr int steps = 255;
    for (int step = 0; step < steps; ++step) {
        const QColor shade = mixed(hue, extreme, double(step) / steps);
        if (contrastRatio(shade, background) >= MinimumTextContrast)
            return shade;
    }
    return extreme;
}

void colourText(QLabel* label, const QColor& hue)
{
    new TextShade(label, hue);
}
