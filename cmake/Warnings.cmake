# Project-wide compiler flags: warnings everywhere, optional sanitizers.
add_library(veltrane_flags INTERFACE)
target_compile_options(veltrane_flags INTERFACE -Wall -Wextra -Wpedantic)
if(VELTRANE_WERROR)
  target_compile_options(veltrane_flags INTERFACE -Werror)
endif()
if(VELTRANE_SANITIZE)
  target_compile_options(veltrane_flags INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(veltrane_flags INTERFACE -fsanitize=address,undefined)
endif()

# Adds a GoogleTest executable registered with ctest.
#   veltrane_add_test(NAME name SOURCES ... LIBS ... [LABELS ...])
function(veltrane_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} veltrane_flags GTest::gtest GTest::gtest_main)
  set(props "")
  if(T_LABELS)
    set(props PROPERTIES LABELS "${T_LABELS}")
  endif()
  gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 60 ${props})
endfunction()
