cmake_minimum_required(VERSION 3.25)

# Fails when a source of one layer includes a header of a layer it must not
# depend on, or when its library links one.
#   cmake -DLAYER_DIR=<folder> -DFORBIDDEN=runtime,ui -DLINKED=<libs,...>
#         -DFORBIDDEN_LIBS=<libs,...> -P CheckLayerIncludes.cmake
# Lists are comma-separated so that they pass through a test's command line.
foreach(list_var FORBIDDEN LINKED FORBIDDEN_LIBS)
  string(REPLACE "," ";" ${list_var} "${${list_var}}")
endforeach()
file(GLOB_RECURSE sources "${LAYER_DIR}/*.h" "${LAYER_DIR}/*.cpp")
set(found "")
foreach(source IN LISTS sources)
  foreach(layer IN LISTS FORBIDDEN)
    file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]${layer}/")
    foreach(line IN LISTS lines)
      list(APPEND found "${source}: ${line}")
    endforeach()
  endforeach()
endforeach()
foreach(lib IN LISTS FORBIDDEN_LIBS)
  if(lib IN_LIST LINKED)
    list(APPEND found "the library links ${lib}")
  endif()
endforeach()
if(found)
  list(JOIN found "\n" report)
  message(FATAL_ERROR "layer ${LAYER_DIR} reaches outside its dependencies:\n${report}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files of ${LAYER_DIR} checked")
