# Measures the kit's own share of an image: links the empty program (EMPTY,
# compiled) against one model object (MODEL, e.g. "MOD061") with every
# run-time variant of both memory maps, as the compile links "plc.d", and
# writes one line per link into OUT: model object, variant object, image
# bytes ("MOD061.d STFUN2.d 5464").
#   cmake -DGCC=... -DOBJCOPY=... -DKIT=... -DMODEL=... -DEMPTY=... -DWORK=... -DOUT=... -P EmptyImage.cmake
set(lines "")
file(MAKE_DIRECTORY ${WORK})
foreach(suffix "" "2")
    foreach(variant STFUN STFUNC STFUNCO)
        set(elf ${WORK}/${MODEL}-${variant}${suffix}.elf)
        set(bin ${WORK}/${MODEL}-${variant}${suffix}.bin)
        execute_process(
            COMMAND ${GCC} -Wl,--gc-sections,-cref,-u,Reset_Handler -mcpu=cortex-m3 -mthumb
                    -T ${KIT}/ST${suffix}.ld -Wl,${KIT}/${MODEL}.d -Wl,${EMPTY}
                    -Wl,${KIT}/${variant}${suffix}.d ${KIT}/STLIB${suffix}.a --output ${elf}
            OUTPUT_QUIET
            RESULT_VARIABLE linked)
        if(NOT linked EQUAL 0)
            message(FATAL_ERROR "the empty program does not link with ${MODEL} and ${variant}${suffix}")
        endif()
        execute_process(COMMAND ${OBJCOPY} -O binary ${elf} ${bin} RESULT_VARIABLE copied)
        if(NOT copied EQUAL 0)
            message(FATAL_ERROR "no image of the empty program with ${MODEL} and ${variant}${suffix}")
        endif()
        file(SIZE ${bin} bytes)
        file(REMOVE ${elf} ${bin})
        string(APPEND lines "${MODEL}.d ${variant}${suffix}.d ${bytes}\n")
    endforeach()
endforeach()
file(WRITE ${OUT} "${lines}")
