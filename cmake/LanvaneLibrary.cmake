# lanvane_module(TARGET FOLDER folder
#                SOURCES portable.cpp...  POSIX_SOURCES posix/x.cpp...  LINUX_SOURCES linux/x.cpp...
#                MACOS_SOURCES macos/x.cpp...  WIN32_SOURCES win32/x.cpp...
#                PUBLIC_USES target...  PRIVATE_USES target...)
# builds the static library TARGET from the sources listed, taken relative to FOLDER, with the
# backend sources of the system being built: POSIX_SOURCES on every POSIX system, and besides
# them LINUX_SOURCES on Linux and MACOS_SOURCES on macOS; WIN32_SOURCES on Windows.
# PUBLIC_USES are what its headers include, PRIVATE_USES what only its sources include.
# A module may include only from itself and from the modules it uses: the build checks every
# file of its folder (see CheckModuleIncludes.cmake).
function(lanvane_module name)
  cmake_parse_arguments(arg "" "FOLDER"
    "SOURCES;POSIX_SOURCES;LINUX_SOURCES;MACOS_SOURCES;WIN32_SOURCES;PUBLIC_USES;PRIVATE_USES" ${ARGN})
  set(sources ${arg_SOURCES})
  if(WIN32)
    list(APPEND sources ${arg_WIN32_SOURCES})
  else()
    list(APPEND sources ${arg_POSIX_SOURCES})
  endif()
  if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    list(APPEND sources ${arg_LINUX_SOURCES})
  elseif(APPLE)
    list(APPEND sources ${arg_MACOS_SOURCES})
  endif()
  list(TRANSFORM sources PREPEND ${PROJECT_SOURCE_DIR}/${arg_FOLDER}/)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${arg_PUBLIC_USES} PRIVATE ${arg_PRIVATE_USES} lanvane_warnings)
  lanvane_declare_module(${name} ${arg_FOLDER} ${arg_PUBLIC_USES} ${arg_PRIVATE_USES})
endfunction()

# lanvane_declare_module(TARGET FOLDER USES...) records which folder a target's code lives in
# and which targets it may include from, for the include check run at the end of configuring.
function(lanvane_declare_module name folder)
  set_property(GLOBAL APPEND PROPERTY LANVANE_MODULES ${name})
  set_property(GLOBAL PROPERTY LANVANE_MODULE_FOLDER_${name} ${folder})
  set_property(GLOBAL PROPERTY LANVANE_MODULE_USES_${name} ${ARGN})
endfunction()

# lanvane_unbuilt_module(FOLDER) names the folder of a module this configuration leaves out,
# so that its files are not taken for the code of the module around it.
function(lanvane_unbuilt_module folder)
  set_property(GLOBAL APPEND PROPERTY LANVANE_UNBUILT_MODULE_FOLDERS ${folder})
endfunction()

# lanvane_check_module_includes() gives every declared module a build step that fails when a
# file of its folder includes from a module it has not declared.
function(lanvane_check_module_includes)
  get_property(modules GLOBAL PROPERTY LANVANE_MODULES)
  get_property(folders GLOBAL PROPERTY LANVANE_UNBUILT_MODULE_FOLDERS)
  foreach(module IN LISTS modules)
    get_property(folder GLOBAL PROPERTY LANVANE_MODULE_FOLDER_${module})
    list(APPEND folders ${folder})
  endforeach()
  set(map ${PROJECT_BINARY_DIR}/module-folders.txt)
  list(JOIN folders "\n" map_text)
  file(WRITE ${map}.new "${map_text}\n")
  file(COPY_FILE ${map}.new ${map} ONLY_IF_DIFFERENT)

  set(checker ${PROJECT_SOURCE_DIR}/cmake/CheckModuleIncludes.cmake)
  set(graph_text "")
  foreach(module IN LISTS modules)
    get_property(folder GLOBAL PROPERTY LANVANE_MODULE_FOLDER_${module})
    get_property(uses GLOBAL PROPERTY LANVANE_MODULE_USES_${module})
    set(used_folders "")
    foreach(used IN LISTS uses)
      get_property(used_folder GLOBAL PROPERTY LANVANE_MODULE_FOLDER_${used})
      if(used_folder)
        list(APPEND used_folders ${used_folder})
      endif()
    endforeach()
    list(JOIN used_folders "," used_text)
    string(APPEND graph_text "${module}|${folder}|${used_text}\n")
    set(allowed ${folder} ${used_folders})
    file(GLOB_RECURSE files CONFIGURE_DEPENDS
      ${PROJECT_SOURCE_DIR}/${folder}/*.h ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
    list(JOIN allowed "," allowed_text)
    set(stamp ${PROJECT_BINARY_DIR}/module-checks/${module}.checked)
    add_custom_command(OUTPUT ${stamp}
      COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DMODULE_FOLDER=${folder}
              -DALLOWED=${allowed_text} -DMAP_FILE=${map} -DSTAMP=${stamp} -P ${checker}
      DEPENDS ${files} ${checker} ${map}
      COMMENT "Checking what ${folder}/ includes" VERBATIM)
    add_custom_target(${module}_includes DEPENDS ${stamp})
    add_dependencies(${module} ${module}_includes)
  endforeach()
  file(WRITE ${PROJECT_BINARY_DIR}/module-graph.txt "${graph_text}")
endfunction()

# Tests that serve printers at the fixed loopback addresses and ports (the demo's printers,
# a scenario's LAN printers) start through this launcher: in a network namespace of their own
# where the system allows one, so that no other program on the machine holds their ports;
# elsewhere it names the fixed ports another program holds. Such tests also take turns
# (the lock loopback-printers). On Windows, under Wine, they only take turns.
if(NOT WIN32)
  set(LANVANE_PRIVATE_NETWORK ${PROJECT_SOURCE_DIR}/tests/support/posix/run-in-private-network.sh)
endif()

# lanvane_test(NAME SOURCES... LIBS ... [LOCK resource | PRIVATE_NETWORK]) adds one
# GoogleTest executable to CTest; tests that hold the same LOCK never run at the same time.
# PRIVATE_NETWORK: its tests serve printers at the fixed loopback ports (above).
function(lanvane_test name)
  cmake_parse_arguments(arg "PRIVATE_NETWORK" "LOCK" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gtest_main GTest::gmock lanvane_warnings)
  lanvane_precompile(${name} GOOGLETEST)
  set(properties TIMEOUT 120)
  if(arg_PRIVATE_NETWORK)
    set(arg_LOCK loopback-printers)
    if(LANVANE_PRIVATE_NETWORK)
      set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR ${LANVANE_PRIVATE_NETWORK})
    endif()
  endif()
  if(arg_LOCK)
    list(APPEND properties RESOURCE_LOCK ${arg_LOCK})
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30 PROPERTIES ${properties})
endfunction()

# Programs and language libraries share one folder of the build tree, so that a program
# finds its language libraries beside itself, as an installed program does.
set(LANVANE_PROGRAM_DIR ${PROJECT_BINARY_DIR}/bin)
# Installed, the language libraries lie in their own folder under the prefix, which the
# programs find from their own folder (bin/../lib/lanvane).
set(LANVANE_LANGUAGE_INSTALL_DIR lib/lanvane)

# lanvane_program(TARGET) places an executable in the programs' folder.
function(lanvane_program target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${LANVANE_PROGRAM_DIR})
endfunction()

# lanvane_language_library(NAME TABLE) builds the language table TABLE into the language
# library "NAME.dll" (the file name the language table gives on every platform), placed
# beside the programs. The table text is compiled in whole; the program reads it.
function(lanvane_language_library name table)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${table})
  file(READ ${table} text)
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/${name})
  file(WRITE ${generated}/LanguageTableText.inc.new
       "R\"lanvane-table(${text})lanvane-table\"\n")
  configure_file(${generated}/LanguageTableText.inc.new ${generated}/LanguageTableText.inc COPYONLY)
  add_library(${name} SHARED ${PROJECT_SOURCE_DIR}/resources/languages/LanguageLibrary.cpp)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${generated})
  target_link_libraries(${name} PRIVATE lanvane_warnings)
  if(NOT WIN32)
    # A library of data alone would otherwise name no C library, which Debian requires of
    # every shared library.
    target_link_options(${name} PRIVATE LINKER:--no-as-needed LINKER:-lc)
  endif()
  set_target_properties(${name} PROPERTIES
    OUTPUT_NAME ${name} PREFIX "" SUFFIX ".dll" NO_SONAME ON
    LIBRARY_OUTPUT_DIRECTORY ${LANVANE_PROGRAM_DIR}
    RUNTIME_OUTPUT_DIRECTORY ${LANVANE_PROGRAM_DIR})
endfunction()
