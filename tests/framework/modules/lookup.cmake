# SPDX-License-Identifier: GPL-3.0-or-later
# A program finds its modules from where it lies: in the build tree, in a
# copy of it moved elsewhere, through a symbolic link to that copy, and in a
# build configured through symbolic links to the checkout and the build
# folder, whose recorded paths are not the ones the program sees.
# Usage: cmake -DPROBE=<moduleprobe> -DBUILD_DIR=... -DSOURCE_DIR=...
#   -DMODULE_DIR=<the modules' folder> -DGENERATOR=... -DCXX=... -P lookup.cmake
cmake_minimum_required(VERSION 3.25)

# Outside the build tree, so that nothing there can be found by its path.
if(DEFINED ENV{TMPDIR} AND IS_DIRECTORY "$ENV{TMPDIR}")
  set(temp "$ENV{TMPDIR}")
else()
  set(temp /tmp)
endif()
string(RANDOM LENGTH 10 suffix)
set(work "${temp}/cyc-module-lookup-${suffix}")
file(MAKE_DIRECTORY "${work}")

function(fail text)
  file(REMOVE_RECURSE "${work}")
  message(FATAL_ERROR "${text}")
endfunction()

function(probe program what)
  execute_process(COMMAND "${program}" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    fail("${what}: ${program}\n${out}")
  endif()
  message(STATUS "${what}: ${out}")
endfunction()

probe("${PROBE}" "in the build tree")

# The probe and the modules, each where it lies in the build tree.
file(RELATIVE_PATH probe_path "${BUILD_DIR}" "${PROBE}")
file(RELATIVE_PATH module_path "${BUILD_DIR}" "${MODULE_DIR}")
get_filename_component(probe_folder "${work}/moved/${probe_path}" DIRECTORY)
get_filename_component(module_parent "${work}/moved/${module_path}" DIRECTORY)
file(COPY "${PROBE}" DESTINATION "${probe_folder}")
file(COPY "${MODULE_DIR}" DESTINATION "${module_parent}")
probe("${work}/moved/${probe_path}" "in a moved build tree")
file(CREATE_LINK "${work}/moved" "${work}/moved-link" SYMBOLIC)
probe("${work}/moved-link/${probe_path}" "through a link to a moved build tree")

# A checkout and a build folder, each reached through a symbolic link.
file(CREATE_LINK "${SOURCE_DIR}" "${work}/checkout" SYMBOLIC)
file(MAKE_DIRECTORY "${work}/real")
file(CREATE_LINK "${work}/real" "${work}/linked" SYMBOLIC)
execute_process(COMMAND "${CMAKE_COMMAND}" -S "${work}/checkout" -B "${work}/linked/build" -G "${GENERATOR}"
    -DCMAKE_CXX_COMPILER=${CXX} -DCYC_TOOLS=OFF
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  fail("configuring through links failed:\n${out}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" --build "${work}/linked/build" --target moduleprobe
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  fail("building through links failed:\n${out}")
endif()
probe("${work}/linked/build/${probe_path}" "in a build configured through links")
file(REMOVE_RECURSE "${work}")
