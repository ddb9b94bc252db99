#pragma once

#include <QString>

// The program's version, as the About window shows it: "v3.0.1".
QString versionText();

// The history of changes of every version, newest first, one empty line between entries.
QString changeHistory();
