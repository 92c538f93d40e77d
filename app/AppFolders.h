#pragma once

#include <QString>
#include <filesystem>

// Where the program finds its files: the data it ships (Pitanja.dat, Slike.dat) in its own
// folder, and the files it writes (t.gif, Lista.txt) there too, or in the user's data folder
// when its own folder is not writable.
struct AppFolders
{
    std::filesystem::path dataFolder;
    std::filesystem::path writeFolder;
};

// The program's own folder (that of the running executable, links resolved) holds its data;
// the files it writes go there too unless it is read-only, as for a copy installed for all
// users, and then to the program's folder in the user's data location.
AppFolders LocateAppFolders();
AppFolders LocateAppFolders(const QString &ownFolder);
