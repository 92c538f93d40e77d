#pragma once

#include "Module1.h"

#include <QString>

// The program's data is in its own folder (that of the running executable, links resolved),
// or else, for an installed copy, in ../share/lingvar beside it. The files it writes go beside
// the data when that is the program's own writable folder; otherwise, and always for an
// installed copy, to the program's folder in the user's data location.
AppFolders LocateAppFolders();
AppFolders LocateAppFolders(const QString &ownFolder);
