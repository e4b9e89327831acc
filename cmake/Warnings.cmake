add_library(lanvane_warnings INTERFACE)
target_compile_options(lanvane_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wnon-virtual-dtor
  -Wold-style-cast -Woverloaded-virtual -Wimplicit-fallthrough)
if(LANVANE_WERROR)
  target_compile_options(lanvane_warnings INTERFACE -Werror)
endif()
