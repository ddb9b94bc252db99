#pragma once

#include <QAbstractScrollArea>
#include <QScrollBar>

// A scroll bar alone is read as "scroll bar", and a text box has two of them (the second
// hidden until needed): each is named after the text it scrolls and its direction.
inline void nameScrollBars(QAbstractScrollArea* area)
{
    area->verticalScrollBar()->setAccessibleName(area->accessibleName()
                                                 + QStringLiteral(", up and down"));
    area->horizontalScrollBar()->setAccessibleName(area->accessibleName()
                                                   + QStringLiteral(", left and right"));
}
