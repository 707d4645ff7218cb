# What a cross build takes from the build machine instead of the target's
# tree: the header-only libraries and GoogleTest's sources (Debian ships both
# as sources, which build for any target).

# Header-only libraries: each gets a folder holding only its own headers, since
# the build machine's /usr/include must never be searched by the cross compiler.
set(VELTRANE_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
set(VELTRANE_HOST_PACKAGES ${CMAKE_BINARY_DIR}/host-packages)
foreach(entry "CLI11|CLI11::CLI11|CLI" "nlohmann_json|nlohmann_json::nlohmann_json|nlohmann")
  string(REPLACE "|" ";" entry "${entry}")
  list(GET entry 0 package)
  list(GET entry 1 target)
  list(GET entry 2 folder)
  find_path(VELTRANE_${package}_INCLUDE ${folder} PATHS /usr/include NO_DEFAULT_PATH
            NO_CMAKE_FIND_ROOT_PATH)
  if(NOT VELTRANE_${package}_INCLUDE)
    continue()
  endif()
  file(MAKE_DIRECTORY ${VELTRANE_HOST_HEADERS}/${package} ${VELTRANE_HOST_PACKAGES}/${package})
  file(CREATE_LINK ${VELTRANE_${package}_INCLUDE}/${folder}
       ${VELTRANE_HOST_HEADERS}/${package}/${folder} SYMBOLIC)
  file(WRITE ${VELTRANE_HOST_PACKAGES}/${package}/${package}Config.cmake
       "if(NOT TARGET ${target})\n"
       "  add_library(${target} INTERFACE IMPORTED)\n"
       "  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES\n"
       "    ${VELTRANE_HOST_HEADERS}/${package})\n"
       "endif()\n")
  set(${package}_DIR ${VELTRANE_HOST_PACKAGES}/${package} CACHE PATH "" FORCE)
endforeach()

# GoogleTest built from source for the target, under the names find_package gives.
set(VELTRANE_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for cross builds")
macro(veltrane_cross_gtest)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(${VELTRANE_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  foreach(lib gtest gtest_main gmock gmock_main)
    if(NOT TARGET GTest::${lib})
      add_library(GTest::${lib} ALIAS ${lib})
    endif()
  endforeach()
endmacro()
