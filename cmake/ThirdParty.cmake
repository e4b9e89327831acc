# The libraries Lanvane takes from outside, found once for every folder: CLI11 and
# nlohmann-json (argument parsing and JSON of the programs), OpenSSL's libcrypto (the
# command line's certificate reading, not on Windows), GoogleTest, threads.
find_package(Threads REQUIRED)
if(CMAKE_CROSSCOMPILING AND WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/WindowsThirdParty.cmake)
else()
  find_package(CLI11 REQUIRED)
  find_package(nlohmann_json REQUIRED)
  find_package(OpenSSL REQUIRED COMPONENTS Crypto)
  if(LANVANE_TESTS)
    find_package(GTest REQUIRED)
  endif()
endif()
