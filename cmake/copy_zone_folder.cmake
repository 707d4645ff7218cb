# Copies the zone files that tzdata.zi lists as zones (its "Z" lines), and the
# list itself, from SOURCE to DEST; the list is written last, so a copy cut
# short is made again.
#   cmake -DSOURCE=/usr/share/zoneinfo -DDEST=build/zoneinfo -P copy_zone_folder.cmake
file(REMOVE_RECURSE ${DEST})
file(STRINGS ${SOURCE}/tzdata.zi zones REGEX "^Z ")
foreach(line IN LISTS zones)
  string(REGEX REPLACE "^Z ([^ ]+).*" "\\1" zone "${line}")
  if(NOT EXISTS ${SOURCE}/${zone})
    message(FATAL_ERROR "tzdata.zi lists ${zone}, which ${SOURCE} lacks")
  endif()
  get_filename_component(parent ${DEST}/${zone} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(COPY_FILE ${SOURCE}/${zone} ${DEST}/${zone})
endforeach()
file(COPY_FILE ${SOURCE}/tzdata.zi ${DEST}/tzdata.zi)
