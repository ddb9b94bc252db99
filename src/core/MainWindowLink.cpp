#include "core/MainWindowLink.h"

namespace {
MainWindowLink* registered = nullptr;
}

MainWindowLink* MainWindowLink::instance()
{
    return registered;
}

void MainWindowLink::setInstance(MainWindowLink* link)
{
    registered = link;
}
