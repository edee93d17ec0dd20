# nudgely_add_test(<target> SOURCES <files...> LIBS <libs...> [GUI]
#                  [LOCALES <locale>... LOCALE_FILTER <gtest filter>])
# Builds a GoogleTest program and registers each of its tests with CTest. Discovery happens
# when CTest runs, inside the test environment (Wine, X server, sound server), not at build time.
# GUI tests share one X display and keyboard focus, so they never run beside each other.
# With LOCALES, the tests that LOCALE_FILTER names run once more in each of those interface
# languages (Wine takes the language of a program from LC_ALL: "de_DE.UTF-8"), their names
# ending in the locale.
function(nudgely_add_test target)
  cmake_parse_arguments(ARG "GUI" "TIMEOUT;LOCALE_FILTER" "SOURCES;LIBS;LOCALES" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  if(WIN32)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/ui/comctl6.rc)
    target_link_libraries(${target} PRIVATE nudgely_test_support)
  endif()
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 60)
  endif()
  set(properties TIMEOUT ${ARG_TIMEOUT})
  if(ARG_GUI)
    list(APPEND properties RUN_SERIAL TRUE LABELS gui)
  endif()
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ${properties})
  foreach(locale IN LISTS ARG_LOCALES)
    gtest_discover_tests(${target}
      DISCOVERY_MODE PRE_TEST
      DISCOVERY_TIMEOUT 60
      WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
      TEST_FILTER ${ARG_LOCALE_FILTER}
      TEST_SUFFIX ".${locale}"
      PROPERTIES ${properties} ENVIRONMENT "LC_ALL=${locale}")
  endforeach()
endfunction()

# The path under which a Windows program sees a file of the build machine (Wine: drive Z:).
function(nudgely_windows_path variable path)
  if(CMAKE_CROSSCOMPILING)
    set(${variable} "Z:${path}" PARENT_SCOPE)
  else()
    set(${variable} "${path}" PARENT_SCOPE)
  endif()
endfunction()
