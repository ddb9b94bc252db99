// Watches the clock tick as it really runs: the program's own main window, its own timer and
// tick handler under the normal event loop, with an empty store. Each time the time label
// is painted with a new text, the wall clock is read; the new text must name the current
// second, appear at most 50 ms after that second began, and follow the text before it by
// exactly one second. The first text, shown at start-up rather than at a turn of the second,
// is reported apart.
//
// The seconds watched come from VINTREL_BENCH_TICK_SECONDS (default 100).

#include "alarm/Beeper.h"
#include "desktop/DesktopNotification.h"
#include "app/QtPlatform.h"
#include "app/frm_Main.h"
#include "core/TimeText.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>

namespace {

constexpr double lateAfterMs = 50;

struct Change
{
    double epochMs; // the wall clock when the new text was painted
    QString text;
};

class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QLabel* label) : m_label(label) { label->installEventFilter(this); }

    QList<Change> changes;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_label->text() != m_shown) {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            m_shown = m_label->text();
            changes.append({std::chrono::duration<double, std::milli>(now).count(), m_shown});
        }
        return false;
    }

private:
    QLabel* m_label;
    QString m_shown;
};

// The start of the second that `text` names, looked for among the seconds around `epochMs`.
std::optional<qint64> secondShown(const QString& text, double epochMs)
{
    const qint64 second = qint64(epochMs) / 1000 * 1000;
    for (qint64 start = second - 3000; start <= second + 1000; start += 1000) {
        if (timeOfDayText(QDateTime::fromMSecsSinceEpoch(start).time()) == text)
            return start;
    }
    return std::nullopt;
}

double percentile(QList<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values.at(qMin(values.size() - 1, qsizetype(fraction * values.size())));
}

} // namespace

int main(int argc, char* argv[])
{
    prepareQtPlatform();
    QApplication app(argc, argv);
    const int seconds = qEnvironmentVariableIntValue("VINTREL_BENCH_TICK_SECONDS") > 0
                            ? qEnvironmentVariableIntValue("VINTREL_BENCH_TICK_SECONDS")
                            : 100;
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    SettingsStore::reopen();

    ToneOnDemand beeper;
    DesktopNotification notice;
    frm_Main window(beeper, notice);
    window.Form_Load();
    PaintWatch watch(window.lblTime);
    window.show();
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    app.exec();

    QList<double> lags;
    int early = 0, late = 0, unknown = 0, skipped = 0, repeated = 0;
    std::optional<qint64> previous;
    std::optional<double> firstLag;
    for (const Change& change : watch.changes) {
        const std::optional<qint64> shown = secondShown(change.text, change.epochMs);
        if (!shown) {
            ++unknown;
            continue;
        }
        const double lag = change.epochMs - *shown;
        if (!firstLag) {
            firstLag = lag;
            previous = shown;
            continue;
        }
        lags.append(lag);
        if (lag < 0)
            ++early;
        if (lag > lateAfterMs)
            ++late;
        if (previous && *shown - *previous > 1000)
            ++skipped;
        if (previous && *shown - *previous < 1000)
            ++repeated;
        previous = shown;
    }
    if (lags.isEmpty()) {
        std::printf("Ticking over %d s: the time was never shown\n", seconds);
        return 1;
    }
    std::printf("Ticking over %d s: %lld new texts, each shown this long after its second "
                "began: median %.1f ms, 95th percentile %.1f ms, max %.1f ms\n",
                seconds, static_cast<long long>(lags.size()), percentile(lags, 0.5),
                percentile(lags, 0.95), *std::max_element(lags.begin(), lags.end()));
    std::printf("  later than %.0f ms: %d; before the second began: %d; seconds skipped: %d; "
                "shown again after a later one: %d; unrecognised texts: %d\n",
                lateAfterMs, late, early, skipped, repeated, unknown);
    std::printf("  the first text, at start-up, came %.1f ms into its second\n", *firstLag);
    return 0;
}
