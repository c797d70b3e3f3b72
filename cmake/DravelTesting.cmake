# Test programs: GoogleTest from the host's packages in the native build, and from Debian's
# googletest source package in the Windows builds, whose test programs run under wine64.

if(WIN32 AND DRAVEL_WINE_TESTS)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

  set(DRAVEL_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      env WINEPREFIX=${DRAVEL_WINEPREFIX} WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= LC_ALL=C
          wine)
  # Every Windows test needs a ready wine prefix; making it once up front keeps tests that run
  # side by side from racing to create it.
  add_test(NAME wineprefix
           COMMAND env WINEPREFIX=${DRAVEL_WINEPREFIX} ${CMAKE_SOURCE_DIR}/scripts/wine-prefix)
  set_tests_properties(wineprefix PROPERTIES FIXTURES_SETUP wineprefix)
  set(DRAVEL_GTEST ON)
elseif(NOT WIN32 AND NOT DRAVEL_FUZZ)
  find_package(GTest REQUIRED)
  set(DRAVEL_GTEST ON)
else()
  set(DRAVEL_GTEST OFF)
endif()

# dravel_add_gtest(NAME SOURCES files... LIBS targets...): one GoogleTest program, one ctest test.
# Windows test programs run under wine64 in the build tree's prefix.
function(dravel_add_gtest name)
  if(NOT DRAVEL_GTEST)
    return()
  endif()
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBS")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  if(WIN32)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wineprefix)
  endif()
endfunction()
