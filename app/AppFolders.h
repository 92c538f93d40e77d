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

// The program's data is in its own folder (that of the running executable, links resolved),
// or else, for an installed copy, in ../share/lingvar beside it. The files it writes go beside
// the data when that is the program's own writable folder; otherwise, and always for an
// installed copy, to the program's folder in the user's data location.
AppFolders LocateAppFolders();
AppFolders LocateAppFolders(const QString &ownFolder);
