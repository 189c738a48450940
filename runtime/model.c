/* One per-model object: the series and hardware version the image is linked
   for, and its I/O points (VX_SERIES, VX_VERSION, VX_INPUTS, VX_OUTPUTS). */
#include "runtime.h"

const struct PlcModelInfo PlcModel = {VX_SERIES, VX_VERSION, VX_INPUTS, VX_OUTPUTS};
