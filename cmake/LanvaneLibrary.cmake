# lanvane_library(NAME DEPENDS...) builds every .cpp file of the calling folder
# (posix/ backends included on Linux) into a static library NAME.
function(lanvane_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(UNIX)
    file(GLOB backend CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/posix/*.cpp
                                        ${CMAKE_CURRENT_SOURCE_DIR}/headless/*.cpp)
    list(APPEND sources ${backend})
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARGN} PRIVATE lanvane_warnings)
endfunction()

# lanvane_test(NAME SOURCES... LIBS ...) adds one GoogleTest executable to CTest.
function(lanvane_test name)
  cmake_parse_arguments(arg "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gtest_main GTest::gmock lanvane_warnings)
  target_compile_definitions(${name} PRIVATE LANVANE_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30 PROPERTIES TIMEOUT 120)
endfunction()

# Programs and language libraries share one folder of the build tree, so that a program
# finds its language libraries beside itself, as an installed program does.
set(LANVANE_PROGRAM_DIR ${PROJECT_BINARY_DIR}/bin)

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
  set_target_properties(${name} PROPERTIES
    OUTPUT_NAME ${name} PREFIX "" SUFFIX ".dll" NO_SONAME ON
    LIBRARY_OUTPUT_DIRECTORY ${LANVANE_PROGRAM_DIR}
    RUNTIME_OUTPUT_DIRECTORY ${LANVANE_PROGRAM_DIR})
endfunction()
