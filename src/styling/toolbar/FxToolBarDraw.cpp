#include "styling/toolbar/FxToolBarDraw.h"
