# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, beside the programs and plugins already installed, every DLL of
# Qt and of the MinGW runtime they load, and what those load in turn:
# CMake's own reader of PE imports, through the cross objdump. Windows' own
# DLLs stay where they are. Run by the install step, with BROVACI_DLL_FILES
# (installed files, relative to the prefix), BROVACI_DLL_DIRS,
# BROVACI_OBJDUMP and BROVACI_STRIP set. Installed with --strip, all of
# them go stripped.
#
# CMake folds the names of a PE file's imports to lower case, as Windows
# compares them; this file system does not, so a name CMake cannot find as
# it is ("qt6core.dll") is looked up here whatever its case ("Qt6Core.dll").
cmake_policy(VERSION 3.25)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${BROVACI_OBJDUMP})
set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(known)
foreach(dir IN LISTS BROVACI_DLL_DIRS)
  file(GLOB dlls "${dir}/*.dll")
  foreach(dll IN LISTS dlls)
    get_filename_component(name "${dll}" NAME)
    string(TOLOWER "${name}" lower)
    if(NOT DEFINED "found_${lower}")
      set("found_${lower}" "${dll}")
    endif()
  endforeach()
endforeach()

list(TRANSFORM BROVACI_DLL_FILES PREPEND "${prefix}/" OUTPUT_VARIABLE files)
while(files)
  file(GET_RUNTIME_DEPENDENCIES LIBRARIES ${files}
       PRE_INCLUDE_REGEXES "^qt6" "^libgcc_s" "^libstdc\\+\\+" "^libwinpthread"
       PRE_EXCLUDE_REGEXES ".*"
       DIRECTORIES ${BROVACI_DLL_DIRS}
       RESOLVED_DEPENDENCIES_VAR resolved
       UNRESOLVED_DEPENDENCIES_VAR unresolved)
  set(files)
  foreach(dll IN LISTS resolved unresolved)
    get_filename_component(name "${dll}" NAME)
    string(TOLOWER "${name}" lower)
    if(NOT DEFINED "found_${lower}")
      message(FATAL_ERROR "${name} is loaded, and found in none of: ${BROVACI_DLL_DIRS}")
    endif()
    get_filename_component(name "${found_${lower}}" NAME)
    if(NOT "${lower}" IN_LIST known)
      list(APPEND known "${lower}")
      file(INSTALL "${found_${lower}}" DESTINATION "${prefix}")
      list(APPEND files "${prefix}/${name}")
      list(APPEND installed "${prefix}/${name}")
    endif()
  endforeach()
endwhile()

if(CMAKE_INSTALL_DO_STRIP)
  list(TRANSFORM BROVACI_DLL_FILES PREPEND "${prefix}/" OUTPUT_VARIABLE ours)
  foreach(file IN LISTS ours installed)
    execute_process(COMMAND ${BROVACI_STRIP} --strip-unneeded "${file}" COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
endif()
