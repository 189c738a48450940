# Precompiled headers: most of a translation unit's time goes into reading
# the standard library, Qt and GoogleTest headers, the same ones everywhere.
# One header of each kind is compiled once per tree and every library of src/
# and every test program reuses the one that fits it:
#   src/ libraries without Qt, with Qt GUI, with Qt Widgets;
#   test programs plain, on a Qt GUI application, on a Qt application.
# A host target compiles each header with the very flags its users have (the
# compiler refuses a header compiled with other options or other definitions
# of the macros it reads). QtTest stays out: its headers read the definitions
# that differ from program to program.

set(VX_PCH_STD <algorithm> <array> <chrono> <cstdint> <cstdlib> <cstring> <filesystem>
    <functional> <map> <memory> <optional> <set> <string> <string_view> <utility> <vector>)
set(VX_PCH_GUI <QColor> <QFont> <QFontMetrics> <QImage> <QPainter> <QPixmap> <QString>)
set(VX_PCH_WIDGETS <QAction> <QApplication> <QComboBox> <QDialog> <QEvent> <QKeyEvent> <QLabel>
    <QLineEdit> <QMenu> <QMouseEvent> <QPointer> <QPushButton> <QScreen> <QTimer> <QWidget>)
set(VX_PCH_TEST <gtest/gtest.h> <gmock/gmock.h>)

# Whether target links the library lib, directly or through what it links.
function(vx_links_transitively target lib out)
    set(${out} FALSE PARENT_SCOPE)
    set(links)
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
        get_target_property(more ${target} ${property})
        if(more)
            list(APPEND links ${more})
        endif()
    endforeach()
    foreach(link ${links})
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
        if(link STREQUAL lib)
            set(${out} TRUE PARENT_SCOPE)
            return()
        endif()
        if(TARGET ${link})
            vx_links_transitively(${link} ${lib} linked)
            if(linked)
                set(${out} TRUE PARENT_SCOPE)
                return()
            endif()
        endif()
    endforeach()
endfunction()

# The host of one kind of header: an empty library with the given links and
# options, compiling the headers.
function(vx_pch_host name)
    cmake_parse_arguments(ARG "" "" "LINKS;OPTIONS;HEADERS" ${ARGN})
    set(source ${CMAKE_BINARY_DIR}/pch/${name}.cpp)
    if(NOT EXISTS ${source})
        file(WRITE ${source} "// The host of a precompiled header.\n")
    endif()
    add_library(${name} STATIC ${source})
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
    target_link_libraries(${name} PRIVATE ${ARG_LINKS})
    target_compile_options(${name} PRIVATE ${ARG_OPTIONS})
    target_precompile_headers(${name} PRIVATE ${ARG_HEADERS})
endfunction()

# target reuses the header of host for its C++ sources (its C sources have none).
function(vx_reuse_pch target host)
    get_target_property(sources ${target} SOURCES)
    foreach(source ${sources})
        if(source MATCHES "\\.c$")
            set_source_files_properties(${source} TARGET_DIRECTORY ${target}
                PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
        endif()
    endforeach()
    target_precompile_headers(${target} REUSE_FROM ${host})
endfunction()

# Every target of dir and its sub-folders.
function(vx_targets_below dir out)
    get_property(found DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(sub ${subdirs})
        vx_targets_below(${sub} more)
        list(APPEND found ${more})
    endforeach()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

function(vx_precompile_headers)
    if(NOT VX_PCH)
        return()
    endif()
    vx_pch_host(vx_pch_src HEADERS ${VX_PCH_STD})
    vx_pch_host(vx_pch_src_gui LINKS Qt6::Gui HEADERS ${VX_PCH_STD} ${VX_PCH_GUI})
    vx_pch_host(vx_pch_src_widgets LINKS Qt6::Widgets
        HEADERS ${VX_PCH_STD} ${VX_PCH_GUI} ${VX_PCH_WIDGETS})
    vx_targets_below(${CMAKE_SOURCE_DIR}/src targets)
    foreach(target ${targets})
        get_target_property(type ${target} TYPE)
        if(NOT type STREQUAL "STATIC_LIBRARY")
            continue()
        endif()
        vx_links_transitively(${target} Qt6::Widgets widgets)
        vx_links_transitively(${target} Qt6::Gui gui)
        if(widgets)
            vx_reuse_pch(${target} vx_pch_src_widgets)
        elseif(gui)
            vx_reuse_pch(${target} vx_pch_src_gui)
        else()
            vx_reuse_pch(${target} vx_pch_src)
        endif()
    endforeach()

    if(NOT VX_BUILD_TESTS)
        return()
    endif()
    vx_test_compile_options(options)
    vx_pch_host(vx_pch_test LINKS vx_test_main OPTIONS ${options}
        HEADERS ${VX_PCH_STD} ${VX_PCH_TEST})
    vx_pch_host(vx_pch_test_gui LINKS vx_test_main_gui OPTIONS ${options}
        HEADERS ${VX_PCH_STD} ${VX_PCH_TEST} ${VX_PCH_GUI})
    vx_pch_host(vx_pch_test_qt LINKS vx_test_main_qt OPTIONS ${options}
        HEADERS ${VX_PCH_STD} ${VX_PCH_TEST} ${VX_PCH_GUI} ${VX_PCH_WIDGETS})
    get_property(programs GLOBAL PROPERTY VX_TEST_PROGRAMS)
    foreach(program ${programs})
        get_target_property(kind ${program} VX_TEST_KIND)
        vx_reuse_pch(${program} vx_pch_test${kind})
    endforeach()
endfunction()
