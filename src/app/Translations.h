#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The program's texts, and Qt's own (the buttons of message boxes, the calendar's tool tips),
// in the first of the desktop's languages (QLocale::system().uiLanguages()) that the program
// speaks. Nothing is loaded when English, the language of the texts in the code, comes first,
// nor in the C locale.
// Returns the language loaded ("de", "pt_BR"), or an empty text for English. The program's
// own translations come from `folder`, its resources unless told.
QString installTranslations(QCoreApplication& app, const QStringList& uiLanguages,
                            const QString& folder = QStringLiteral(":/i18n"));
