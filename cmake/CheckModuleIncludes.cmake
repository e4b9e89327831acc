# cmake -DSOURCE_DIR=... -DMODULE_FOLDER=lan/core -DALLOWED=lan/core,link,... -DMAP_FILE=...
#       -DSTAMP=... -P CheckModuleIncludes.cmake
# Fails when a file of MODULE_FOLDER (not of a module nested inside it) includes a project
# header that belongs to a module outside ALLOWED. A header belongs to the module with the
# longest folder that contains it; MAP_FILE lists every module's folder, one a line.
cmake_minimum_required(VERSION 3.25)

file(STRINGS ${MAP_FILE} module_folders)
string(REPLACE "," ";" allowed "${ALLOWED}")

function(owner_of path result)
  set(best "")
  foreach(folder IN LISTS module_folders)
    string(FIND "${path}" "${folder}/" position)
    string(LENGTH "${folder}" length)
    string(LENGTH "${best}" best_length)
    if(position EQUAL 0 AND length GREATER best_length)
      set(best ${folder})
    endif()
  endforeach()
  set(${result} "${best}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR}
  ${SOURCE_DIR}/${MODULE_FOLDER}/*.h ${SOURCE_DIR}/${MODULE_FOLDER}/*.cpp)
set(violations "")
foreach(file IN LISTS files)
  owner_of(${file} owner)
  if(NOT owner STREQUAL MODULE_FOLDER)
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" header "${line}")
    owner_of(${header} used)
    if(used AND NOT used IN_LIST allowed)
      string(APPEND violations "\n  ${file} includes ${header} (module ${used}/)")
    endif()
  endforeach()
endforeach()

if(violations)
  message(FATAL_ERROR "${MODULE_FOLDER}/ includes from modules it has not declared:"
    "${violations}\nDeclare the module it uses in its CMakeLists.txt, or move the code.")
endif()
file(TOUCH ${STAMP})
