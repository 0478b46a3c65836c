# GoogleTest from Debian's source package, and quorvel_add_test(), which builds a test program
# and registers its tests; Windows test programs run under Wine in this build's own prefix.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(QUORVEL_GOOGLETEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
add_subdirectory(${QUORVEL_GOOGLETEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

if(WIN32)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(QUORVEL_WINE_LOADER /usr/lib/wine/wine64)
    set(QUORVEL_WINE_ARCH win64)
  else()
    set(QUORVEL_WINE_LOADER /usr/lib/wine/wine)
    set(QUORVEL_WINE_ARCH win32)
  endif()
  set(QUORVEL_TEST_SESSION_DIR ${CMAKE_BINARY_DIR}/test-session)
  set(QUORVEL_WINE_PREFIX ${QUORVEL_TEST_SESSION_DIR}/wine-prefix)
  configure_file(${PROJECT_SOURCE_DIR}/scripts/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

  # One virtual display and one persistent Wine server for the whole test run, started
  # before the first Windows test and stopped after the last.
  set(session ${PROJECT_SOURCE_DIR}/scripts/test-session.sh)
  add_test(NAME test-session-start
           COMMAND ${session} start ${CMAKE_BINARY_DIR}/wine-run ${QUORVEL_TEST_SESSION_DIR} $<TARGET_FILE:recording_winmm>)
  add_test(NAME test-session-stop COMMAND ${session} stop ${CMAKE_BINARY_DIR}/wine-run ${QUORVEL_TEST_SESSION_DIR})
  set_tests_properties(test-session-start PROPERTIES FIXTURES_SETUP windows-session TIMEOUT 600)
  set_tests_properties(test-session-stop PROPERTIES FIXTURES_CLEANUP windows-session)
endif()

# quorvel_add_test(<name> SOURCES <files...> LIBRARIES <targets...>)
function(quorvel_add_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gtest_main quorvel_warnings)
  # Test names come from the sources, so listing them never has to start the program
  # (which, for Windows programs, would mean starting Wine while CMake runs).
  gtest_add_tests(TARGET ${name} TEST_PREFIX "${name}." TEST_LIST tests)
  if(WIN32)
    set_tests_properties(${tests} PROPERTIES FIXTURES_REQUIRED windows-session)
  endif()
  set_property(TARGET ${name} PROPERTY quorvel_tests ${tests})
endfunction()
