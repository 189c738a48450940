# Fails when one of the programs FILES (joined by "|") is built into the
# program folder PROGRAM_DIR or a program of its name lies there: the program
# folder holds only what ships.
cmake_minimum_required(VERSION 3.25)
string(REPLACE "|" ";" FILES "${FILES}")
set(problems)
foreach(file ${FILES})
    get_filename_component(dir ${file} DIRECTORY)
    get_filename_component(name ${file} NAME)
    if(dir STREQUAL PROGRAM_DIR)
        string(APPEND problems "\n  ${name} is built into the program folder")
    elseif(EXISTS ${PROGRAM_DIR}/${name})
        string(APPEND problems "\n  ${PROGRAM_DIR}/${name} is left in the program folder")
    endif()
endforeach()
if(problems)
    message(FATAL_ERROR "The program folder holds what does not ship:${problems}")
endif()
