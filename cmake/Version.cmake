# lanvane_version: the header "LanvaneVersion.h", written from the project's version into
# the build tree, for every program that answers --version.
configure_file(${CMAKE_CURRENT_LIST_DIR}/LanvaneVersion.h.in
               ${PROJECT_BINARY_DIR}/generated/LanvaneVersion.h @ONLY)
add_library(lanvane_version INTERFACE)
target_include_directories(lanvane_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
