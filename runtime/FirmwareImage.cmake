# Builds one of the updater's built-in firmware images: the "PLC.c" of an
# empty project, written by firmware_source into WORK with "link.cmake" (the
# model object and memory map), compiled and linked against the kit exactly
# as the compile compiles and links a project's "PLC.c", then turned into the
# raw image that is written from 0x08000000. The ELF file is kept beside the
# image (OUT + ".elf") for the tests that run it.
#   cmake -DGCC=... -DOBJCOPY=... -DKIT=... -DHEADERS=... -DWORK=... -DOUT=... -P FirmwareImage.cmake
include(${WORK}/link.cmake)
set(source ${WORK}/PLC.c)
set(object ${WORK}/plc.d)
set(elf ${OUT}.elf)
execute_process(
    COMMAND ${GCC} -mcpu=cortex-m3 -mthumb -Wall -g -O3 -I ${HEADERS} -c -o ${object} ${source}
    RESULT_VARIABLE compiled
    ERROR_VARIABLE errors)
if(NOT compiled EQUAL 0)
    message(FATAL_ERROR "the empty program of ${MODEL} does not compile:\n${errors}")
endif()
execute_process(
    COMMAND ${GCC} -Wl,--gc-sections,-cref,-u,Reset_Handler -mcpu=cortex-m3 -mthumb
            -T ${KIT}/ST${SUFFIX}.ld -Wl,${KIT}/${MODEL}.d -Wl,${object}
            -Wl,${KIT}/STFUN${SUFFIX}.d ${KIT}/STLIB${SUFFIX}.a --output ${elf}
    OUTPUT_QUIET
    RESULT_VARIABLE linked
    ERROR_VARIABLE errors)
if(NOT linked EQUAL 0)
    message(FATAL_ERROR "the empty program does not link with ${MODEL} and STFUN${SUFFIX}:\n${errors}")
endif()
execute_process(COMMAND ${OBJCOPY} -O binary ${elf} ${OUT} RESULT_VARIABLE copied)
if(NOT copied EQUAL 0)
    message(FATAL_ERROR "no image of the empty program of ${MODEL}")
endif()
