# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and checks that a Linux desktop
# finds the program, its desktop entry and its icons there, and that the
# entry passes desktop-file-validate, and that a program put beside the
# installed one loads the installed modules.
# Usage: cmake -DBUILD_DIR=... -DPREFIX=... -DLIBDIR=<lib dir under the prefix>
#   -DPROBE=<the module probe> -P checkinstall.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
set(expected bin/cyclane-duvivarode share/applications/cyclane-duvivarode.desktop
  ${LIBDIR}/cyclane-duvivarode/libcyclane-net.so ${LIBDIR}/cyclane-duvivarode/libcyclane-print.so)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/cyclane-duvivarode.png)
endforeach()
foreach(f IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
execute_process(COMMAND desktop-file-validate "${PREFIX}/share/applications/cyclane-duvivarode.desktop"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate: ${rc}\n${out}")
endif()
# The entry names what was installed.
file(STRINGS "${PREFIX}/share/applications/cyclane-duvivarode.desktop" lines)
foreach(want "Exec=cyclane-duvivarode" "Icon=cyclane-duvivarode")
  if(NOT "${want}" IN_LIST lines)
    message(FATAL_ERROR "desktop entry lacks ${want}")
  endif()
endforeach()
# A program beside the installed one finds the installed modules.
file(COPY "${PROBE}" DESTINATION "${PREFIX}/bin")
get_filename_component(probe "${PROBE}" NAME)
execute_process(COMMAND "${PREFIX}/bin/${probe}" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the installed modules are not found from the program's folder:\n${out}")
endif()
