#pragma once

#include <QIcon>

// The mascot's head in every size the desktop asks for; every window of the program shows it.
QIcon appIcon();
