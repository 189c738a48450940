/* A ladder program with nothing in it, as the compile writes "PLC.c" for an
   empty project: the parameter table, an empty LadderACT, a subroutine call
   that runs nothing, and PLCact. Linked against every model object and
   run-time variant when the kit is built; its image is the kit's own share
   of every image, which the compile's report leaves out of the program's
   size. Compiled as the compile compiles "PLC.c". */
#include "plc.h"

const INT16U SysIni_TAB[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                             12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22,
                             23, 24, 25, 26, 27, 28, 29, 30, 31, 32};
void LadderACT(void) {}
void CALL_Sub(unsigned char n) {
    switch (n) {
        default:
            break;
    }
}
void PLCact(void) {
    LadderACT();
    Sec_CLK_ON = FALSE;
}
