#pragma once

#include "Module1.h"

#include <QString>

// The program's own folder (that of the running executable, links resolved) holds its data;
// the files it writes go there too unless it is read-only, as for a copy installed for all
// users, and then to the program's folder in the user's data location.
AppFolders LocateAppFolders();
AppFolders LocateAppFolders(const QString &ownFolder);
