#include "styling/toolbar/FxToolBarDraw.h"

#include <gtest/gtest.h>
