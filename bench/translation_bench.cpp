// Times what a start in German adds to one in English: the program's own translation, from
// its resources, and Qt's, from Qt's translations folder, found and loaded. In English
// nothing is loaded.

#include "Median.h"
#include "app/Translations.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTranslator>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const auto install = [&app](const QStringList& languages) {
        return [&app, languages] { installTranslations(app, languages); };
    };
    const auto remove = [&app] { qDeleteAll(app.findChildren<QTranslator*>()); };
    QElapsedTimer first;
    first.start();
    install({QStringLiteral("de-DE")})();
    const double firstGerman = first.nsecsElapsed() / 1e6;
    remove();
    const double english = medianMs(install({QStringLiteral("en-US")}), remove);
    const double german = medianMs(install({QStringLiteral("de-DE")}), remove);
    std::printf("Translations, median of %d runs.\n", BenchRuns);
    std::printf("Installing them for en-US: %6.3f ms   for de-DE: %6.3f ms (the first time, as at a "
                "start: %6.3f ms)\n",
                english, german, firstGerman);
    return 0;
}
