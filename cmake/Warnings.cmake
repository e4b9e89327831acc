add_library(lanvane_warnings INTERFACE)
target_compile_options(lanvane_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wnon-virtual-dtor
  -Wold-style-cast -Woverloaded-virtual -Wimplicit-fallthrough)
if(LANVANE_WERROR)
  target_compile_options(lanvane_warnings INTERFACE -Werror)
  # GCC 12 reports out-of-bounds copies inside std::vector::insert at -O2 that cannot
  # happen; keep them visible but do not fail the build on them.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(lanvane_warnings INTERFACE
      -Wno-error=array-bounds -Wno-error=stringop-overflow -Wno-error=restrict)
    # Under the sanitizers it also takes std::regex's own states for uninitialized.
    if(LANVANE_SANITIZE)
      target_compile_options(lanvane_warnings INTERFACE -Wno-error=maybe-uninitialized)
    endif()
  endif()
endif()
