# Runs the solar-term generator and compares its output with the committed
# table source. Variables: GENERATOR, DELTA_T, COMMITTED, OUTPUT_DIR.
file(MAKE_DIRECTORY ${OUTPUT_DIR})
set(fresh ${OUTPUT_DIR}/solar_term_table_data.cpp)
execute_process(
  COMMAND ${GENERATOR} --delta-t ${DELTA_T} --source ${fresh} --binary ${OUTPUT_DIR}/solar_terms.bin
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the solar-term generator failed (${status})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${fresh} ${COMMITTED}
                RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "regenerated table differs from the committed one:\n"
                      "  diff ${fresh} ${COMMITTED}")
endif()
message(STATUS "regenerated table matches the committed one")
