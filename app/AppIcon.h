#pragma once

#include <QIcon>

// The mascot's head in the sizes a window shows; every window of the program has it.
QIcon appIcon();
