#pragma once

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QScrollBar>

// A scroll bar alone is read as "scroll bar", and a text box has two of them (the second
// hidden until needed): each is named after the text it scrolls and its direction.
inline void nameScrollBars(QAbstractScrollArea* area)
{
    area->verticalScrollBar()->setAccessibleName(
        QCoreApplication::translate("ScrollBarNames", "%1, up and down")
            .arg(area->accessibleName()));
    area->horizontalScrollBar()->setAccessibleName(
        QCoreApplication::translate("ScrollBarNames", "%1, left and right")
            .arg(area->accessibleName()));
}
