# Precompiled headers for the heavy third-party headers that every file of a target uses:
# GoogleTest in the test programs. Each group's headers are compiled once, by a target of
# their own, and every target of the group reuses them. CLI11 and nlohmann-json are left
# out: most files of cli/ do not include them, and the precompiled headers cost such a file
# more than they save the others. Qt is left out too: no build compiles the Qt files without
# it, so a Qt header used but not included would go unnoticed.
# ccache caches these compiles only with CCACHE_SLOPPINESS=pch_defines,time_macros, which
# the build scripts set.
# With -DLANVANE_PCH=OFF every file is compiled on its own, so that a file that uses a
# header without including it fails to build; the sanitized build does that.
option(LANVANE_PCH "Precompile the tests' third-party headers (GoogleTest)" ON)

# Each group: its headers, then the libraries they come from.
set(LANVANE_PCH_GOOGLETEST <gmock/gmock.h> <gtest/gtest.h> USES GTest::gtest GTest::gmock)

# lanvane_precompile(TARGET GROUP) compiles TARGET's files with the precompiled headers of
# GROUP, made on first use. They are made without any definition of the project's own: the
# compiler refuses a precompiled header in a file that lacks a macro defined when it was made.
function(lanvane_precompile target group)
  if(NOT LANVANE_PCH)
    return()
  endif()
  set(maker lanvane_pch_${group})
  if(NOT TARGET ${maker})
    cmake_parse_arguments(arg "" "" "USES" ${LANVANE_PCH_${group}})
    set(source ${PROJECT_BINARY_DIR}/precompiled/${group}.cpp)
    file(CONFIGURE OUTPUT ${source} CONTENT "// The precompiled headers are all this target makes.\n")
    add_library(${maker} OBJECT ${source})
    target_link_libraries(${maker} PRIVATE ${arg_USES} lanvane_warnings)
    target_precompile_headers(${maker} PRIVATE ${arg_UNPARSED_ARGUMENTS})
  endif()
  target_precompile_headers(${target} REUSE_FROM ${maker})
endfunction()
