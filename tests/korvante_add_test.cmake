# korvante_add_test(<program> [WINDOW]
#                   SOURCES <file>...
#                   [LIBRARIES <target>...]
#                   [LABELS <label>...]
#                   [TEST_PREFIX <prefix>]
#                   [TIMEOUT <seconds>]
#                   [DEFINITIONS <name=value>...]
#                   [DEPENDS <target>...])
#
# Builds one test program and registers each of its GoogleTest cases with
# CTest. WINDOW programs share tests/support/main's main() (the application
# object, offscreen); the others use GoogleTest's own. Every case runs
# offscreen with the real shutdown forbidden, labelled with its folder and
# "window" or "logic", and with a time-out that is doubled in the slower
# sanitizer build.
include(GoogleTest)

set(KORVANTE_TEST_ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KORVANTE_NO_SHUTDOWN=1")
set(KORVANTE_TEST_TIMEOUT 300)
if(KORVANTE_SANITIZE)
  set(KORVANTE_TEST_TIMEOUT 600)
endif()

function(korvante_add_test program)
  cmake_parse_arguments(PARSE_ARGV 1 arg "WINDOW" "TEST_PREFIX;TIMEOUT"
                        "SOURCES;LIBRARIES;LABELS;DEFINITIONS;DEPENDS")
  if(arg_UNPARSED_ARGUMENTS OR NOT arg_SOURCES)
    message(FATAL_ERROR "korvante_add_test(${program}): SOURCES needed; unknown ${arg_UNPARSED_ARGUMENTS}")
  endif()

  add_executable(${program} ${arg_SOURCES})
  if(arg_WINDOW)
    target_link_libraries(${program} PRIVATE ${arg_LIBRARIES} korvante_test_main)
    set(kind window)
  else()
    target_link_libraries(${program} PRIVATE ${arg_LIBRARIES} GTest::gtest_main)
    set(kind logic)
  endif()
  if(arg_DEFINITIONS)
    target_compile_definitions(${program} PRIVATE ${arg_DEFINITIONS})
  endif()
  if(arg_DEPENDS)
    add_dependencies(${program} ${arg_DEPENDS})
  endif()

  set(timeout ${KORVANTE_TEST_TIMEOUT})
  if(arg_TIMEOUT)
    set(timeout ${arg_TIMEOUT})
    if(KORVANTE_SANITIZE)
      math(EXPR timeout "${timeout} * 2")
    endif()
  endif()
  cmake_path(GET CMAKE_CURRENT_SOURCE_DIR FILENAME folder)
  set(labels ${kind} ${folder} ${arg_LABELS})
  list(REMOVE_DUPLICATES labels)

  set(prefix)
  if(arg_TEST_PREFIX)
    set(prefix TEST_PREFIX ${arg_TEST_PREFIX})
  endif()
  gtest_discover_tests(${program} DISCOVERY_MODE PRE_TEST ${prefix} DISCOVERY_TIMEOUT 60)

  # gtest_discover_tests passes its PROPERTIES on as one flat list, so a
  # property with two values (the environment, the labels) loses all but its
  # first. The properties are set instead on the list of cases it found,
  # when CTest reads the tests.
  set(properties_file ${CMAKE_CURRENT_BINARY_DIR}/${program}_properties.cmake)
  file(WRITE ${properties_file}
       "if(${program}_TESTS)\n"
       "  set_tests_properties(\${${program}_TESTS} PROPERTIES\n"
       "    ENVIRONMENT \"${KORVANTE_TEST_ENVIRONMENT}\"\n"
       "    LABELS \"${labels}\"\n"
       "    TIMEOUT ${timeout})\n"
       "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${properties_file})
endfunction()
