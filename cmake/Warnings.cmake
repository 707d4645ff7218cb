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
#   veltrane_add_test(NAME name SOURCES ... LIBS ... [LABELS ...] [ENVIRONMENT VAR=value ...])
function(veltrane_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;LABELS;ENVIRONMENT" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} veltrane_flags GTest::gtest GTest::gtest_main)
  # Helpers shared by several suites live at the top of tests/.
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  set(props "")
  if(T_LABELS)
    list(APPEND props LABELS "${T_LABELS}")
  endif()
  if(T_ENVIRONMENT)
    list(APPEND props ENVIRONMENT "${T_ENVIRONMENT}")
  endif()
  if(props)
    set(props PROPERTIES ${props})
  endif()
  gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 60 ${props})
endfunction()

# The tests' child-process helper (tests/support/child_process.h): forked on
# POSIX, started afresh on Windows.
if(WIN32)
  set(VELTRANE_TEST_CHILD_PROCESS ${PROJECT_SOURCE_DIR}/tests/support/child_process_win32.cpp)
else()
  set(VELTRANE_TEST_CHILD_PROCESS ${PROJECT_SOURCE_DIR}/tests/support/child_process_posix.cpp)
endif()
