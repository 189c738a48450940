# Fails when a library of logic that needs no window links Qt Widgets
# (LINKED, found when the build was configured) or when one of the files in
# its folder (DIRS) includes a header of Qt Widgets (one found in
# WIDGETS_DIR and in none of GUI_DIRS, the headers Qt GUI and Core share
# with it). The lists come joined by "|".
cmake_minimum_required(VERSION 3.25)
foreach(list DIRS GUI_DIRS LINKED)
    string(REPLACE "|" ";" ${list} "${${list}}")
endforeach()
file(GLOB widgets_headers RELATIVE ${WIDGETS_DIR} ${WIDGETS_DIR}/*)
foreach(dir ${GUI_DIRS})
    file(GLOB gui_headers RELATIVE ${dir} ${dir}/*)
    list(REMOVE_ITEM widgets_headers ${gui_headers})
endforeach()

set(problems)
foreach(target ${LINKED})
    string(APPEND problems "\n  ${target} links Qt Widgets")
endforeach()
foreach(dir ${DIRS})
    file(GLOB files ${dir}/*.h ${dir}/*.cpp)
    foreach(file ${files})
        file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*<")
        foreach(line ${includes})
            string(REGEX REPLACE "^[^<]*<(QtWidgets/)?([^>]*)>.*" "\\2" header "${line}")
            if(header IN_LIST widgets_headers OR line MATCHES "<QtWidgets/")
                string(APPEND problems "\n  ${file} includes <${header}>")
            endif()
        endforeach()
    endforeach()
endforeach()
if(problems)
    message(FATAL_ERROR "Logic that needs no window reaches Qt Widgets:${problems}")
endif()
