#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace
{

const QString ownName = QStringLiteral("vintrel");

} // namespace

QString installTranslations(QCoreApplication& app, const QStringList& uiLanguages,
                            const QString& folder)
{
    for (const QString& language : uiLanguages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English)
            return {};
        // The C locale, and a language Qt does not know, which reads as C, are passed over.
        if (locale.language() == QLocale::C)
            continue;
        auto* own = new QTranslator(&app);
        if (!own->load(locale, ownName, QStringLiteral("_"), folder)) {
            delete own;
            continue;
        }
        app.installTranslator(own);
        auto* qt = new QTranslator(&app);
        if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            app.installTranslator(qt);
        else
            delete qt;
        return own->language();
    }
    return {};
}
