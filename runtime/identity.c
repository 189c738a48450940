/* The controller's identity, in the registers the tool's information window
   reads (D2090-D2094), filled once at start:

     D2090        year of the kit's build
     D2091        month of the kit's build
     D2092        the kit's version (major x 100 + minor)
     D2093/D2094  32-bit serial number, low word first

   The kit carries no factory data, so its serial number is 0. The ladder
   program may overwrite these registers like any other D. */
#include "plc.h"
#include "runtime.h"

#ifndef VX_KIT_YEAR
#define VX_KIT_YEAR 0
#endif
#ifndef VX_KIT_MONTH
#define VX_KIT_MONTH 0
#endif
#ifndef VX_KIT_VERSION
#define VX_KIT_VERSION 0
#endif

#define KIT_SERIAL 0u

void RuntimeIdentity(void) {
    D[RUNTIME_IDENTITY_REGISTER] = (INT16)VX_KIT_YEAR;
    D[RUNTIME_IDENTITY_REGISTER + 1] = (INT16)VX_KIT_MONTH;
    D[RUNTIME_IDENTITY_REGISTER + 2] = (INT16)VX_KIT_VERSION;
    D[RUNTIME_IDENTITY_REGISTER + 3] = (INT16)(KIT_SERIAL & 0xFFFFu);
    D[RUNTIME_IDENTITY_REGISTER + 4] = (INT16)(KIT_SERIAL >> 16);
}
