# Precompiled headers. Most of a compile here is the parsing of the same Qt and GoogleTest
# headers, over and over. Three small donor targets precompile them once each, and every target
# that uses Qt or GoogleTest reuses the donor of its kind:
#   kestrelon_pch_qt          the standard library and Qt Widgets (the windows, render, programs)
#   kestrelon_pch_core_tests  the standard library and GoogleTest (the core's tests)
#   kestrelon_pch_qt_tests    both                                (the windows' tests)
# The core itself parses only standard headers, which cost little; and GCC 12 takes the string
# code it inlines from a precompiled header for the program's own, warning (-Warray-bounds) where
# it never does without one.
# A compiler uses a precompiled header only when the macros it was made with are defined alike
# where it is used; each donor links just what every target of its kind links, so its macros are
# a subset of theirs.
#
# Test code is compiled for a quick build (KESTRELON_TEST_OPTIMIZATION, -Og): the code under
# test keeps the build type's optimization, and the test donors are made with the tests' option.
#
# The headers are named here, not included by the sources, so every file still includes what it
# uses; KESTRELON_PRECOMPILED_HEADERS=OFF builds without them to check that.

option(KESTRELON_PRECOMPILED_HEADERS "Precompile the widely used headers" ON)
set(KESTRELON_TEST_OPTIMIZATION -Og CACHE STRING "Optimization of the test programs' own code")

set(KESTRELON_PCH_STD
    <algorithm> <array> <cstddef> <cstdint> <filesystem> <functional> <map> <memory>
    <optional> <string> <string_view> <utility> <vector>)
set(KESTRELON_PCH_QT
    <QApplication> <QComboBox> <QDialog> <QDir> <QFile> <QGroupBox> <QHBoxLayout> <QLabel>
    <QLineEdit> <QPainter> <QPlainTextEdit> <QPushButton> <QString> <QStringList> <QTabWidget>
    <QTimer> <QToolButton> <QVBoxLayout> <QWidget>)
set(KESTRELON_PCH_GTEST <gtest/gtest.h>)

# kestrelon_pch_donor(NAME HEADERS... LINK libraries...): a target that only precompiles.
function(kestrelon_pch_donor name)
    cmake_parse_arguments(PARSE_ARGV 1 donor "" "" "HEADERS;LINK")
    set(source ${CMAKE_CURRENT_BINARY_DIR}/${name}.cpp)
    file(CONFIGURE OUTPUT ${source} CONTENT "// Only the precompiled headers are made here.\n")
    add_library(${name} OBJECT ${source})
    target_link_libraries(${name} PRIVATE ${donor_LINK})
    target_precompile_headers(${name} PRIVATE ${donor_HEADERS})
endfunction()

function(kestrelon_make_pch_donors)
    kestrelon_pch_donor(kestrelon_pch_qt HEADERS ${KESTRELON_PCH_STD} ${KESTRELON_PCH_QT}
                        LINK Qt6::Widgets)
    if(TARGET GTest::gtest)
        kestrelon_pch_donor(kestrelon_pch_core_tests HEADERS ${KESTRELON_PCH_STD}
                            ${KESTRELON_PCH_GTEST} LINK GTest::gtest)
        kestrelon_pch_donor(kestrelon_pch_qt_tests HEADERS ${KESTRELON_PCH_STD} ${KESTRELON_PCH_QT}
                            ${KESTRELON_PCH_GTEST} LINK Qt6::Widgets GTest::gtest)
        target_compile_options(kestrelon_pch_core_tests PRIVATE ${KESTRELON_TEST_OPTIMIZATION})
        target_compile_options(kestrelon_pch_qt_tests PRIVATE ${KESTRELON_TEST_OPTIMIZATION})
    endif()
endfunction()

# True in `out` when `target` links, itself or through the project's libraries it links,
# a library whose name starts with `prefix`.
function(kestrelon_links_library target prefix out)
    set(found FALSE)
    set(seen)
    set(pending ${target})
    while(pending AND NOT found)
        list(POP_FRONT pending current)
        if(current IN_LIST seen OR NOT TARGET ${current})
            continue()
        endif()
        list(APPEND seen ${current})
        get_target_property(type ${current} TYPE)
        set(libraries)
        if(NOT type STREQUAL "INTERFACE_LIBRARY")
            get_target_property(direct ${current} LINK_LIBRARIES)
            if(direct)
                list(APPEND libraries ${direct})
            endif()
        endif()
        get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
        if(interface)
            list(APPEND libraries ${interface})
        endif()
        foreach(library IN LISTS libraries)
            if(library MATCHES "^${prefix}")
                set(found TRUE)
            elseif(library MATCHES "^kestrelon")
                list(APPEND pending ${library})
            endif()
        endforeach()
    endwhile()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

# Gives every compiled target of `dir` and the folders below it the donor of its kind, and the
# test programs their optimization.
function(kestrelon_reuse_precompiled_headers dir)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(NOT type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$"
           OR target MATCHES "^kestrelon_pch_")
            continue()
        endif()
        # A target that links less Qt than the donor (KESTRELON_NO_PCH set) parses its own.
        get_target_property(no_pch ${target} KESTRELON_NO_PCH)
        if(no_pch)
            continue()
        endif()
        kestrelon_links_library(${target} "Qt6::" uses_qt)
        kestrelon_links_library(${target} "GTest::" uses_gtest)
        set(donor)
        if(uses_gtest)
            target_compile_options(${target} PRIVATE ${KESTRELON_TEST_OPTIMIZATION})
            set(donor kestrelon_pch_core_tests)
            if(uses_qt)
                set(donor kestrelon_pch_qt_tests)
            endif()
        elseif(uses_qt)
            set(donor kestrelon_pch_qt)
        endif()
        if(KESTRELON_PRECOMPILED_HEADERS AND donor)
            target_precompile_headers(${target} REUSE_FROM ${donor})
        endif()
    endforeach()
    get_property(folders DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(folder IN LISTS folders)
        kestrelon_reuse_precompiled_headers(${folder})
    endforeach()
endfunction()
