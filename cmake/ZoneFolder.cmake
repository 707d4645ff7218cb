# The zone files a Windows build reads for --tz: Windows has no IANA database,
# so every zone of the build machine's list (tzdata.zi) is copied, once, into
# a zoneinfo folder beside the programs; links are read through the list.
set(VELTRANE_ZONEINFO /usr/share/zoneinfo CACHE PATH
    "Compiled zone files (with their tzdata.zi) that a Windows build ships")

# Gives the targets (executables of one folder) a zoneinfo folder beside
# them, made again when the list changes.
function(veltrane_zone_folder_beside target)
  if(NOT EXISTS ${VELTRANE_ZONEINFO}/tzdata.zi)
    message(FATAL_ERROR "No zone list ${VELTRANE_ZONEINFO}/tzdata.zi: install tzdata "
                        "or set VELTRANE_ZONEINFO")
  endif()
  get_target_property(dir ${target} BINARY_DIR)
  set(folder ${dir}/zoneinfo)
  add_custom_command(OUTPUT ${folder}/tzdata.zi
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${VELTRANE_ZONEINFO} -DDEST=${folder}
            -P ${PROJECT_SOURCE_DIR}/cmake/copy_zone_folder.cmake
    DEPENDS ${VELTRANE_ZONEINFO}/tzdata.zi ${PROJECT_SOURCE_DIR}/cmake/copy_zone_folder.cmake
    COMMENT "Copying the zone files to ${folder}")
  add_custom_target(${target}_zoneinfo DEPENDS ${folder}/tzdata.zi)
  foreach(each IN ITEMS ${target} ${ARGN})
    add_dependencies(${each} ${target}_zoneinfo)
  endforeach()
endfunction()
