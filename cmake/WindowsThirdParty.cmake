# The header-only libraries and GoogleTest for a Windows cross-build. Their Debian packages
# are built for the host, so the Windows build takes their headers through a folder of its
# own (never the host's /usr/include, which would bring in glibc's headers) and builds
# GoogleTest from Debian's source package.
set(header_root ${PROJECT_BINARY_DIR}/third-party/include)
file(MAKE_DIRECTORY ${header_root})
foreach(folder CLI nlohmann)
  if(NOT EXISTS ${header_root}/${folder})
    file(CREATE_LINK /usr/include/${folder} ${header_root}/${folder} SYMBOLIC)
  endif()
endforeach()

add_library(lanvane_cli11 INTERFACE)
add_library(CLI11::CLI11 ALIAS lanvane_cli11)
target_include_directories(lanvane_cli11 SYSTEM INTERFACE ${header_root})

add_library(lanvane_nlohmann_json INTERFACE)
add_library(nlohmann_json::nlohmann_json ALIAS lanvane_nlohmann_json)
target_include_directories(lanvane_nlohmann_json SYSTEM INTERFACE ${header_root})

if(LANVANE_TESTS)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/third-party/googletest EXCLUDE_FROM_ALL)
endif()
