#include "ScoreList.h"
