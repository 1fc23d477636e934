# GoogleTest from the sources Debian's googletest package installs, and the
# one way every test program is declared.
set(VELLORA_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
if(NOT EXISTS ${VELLORA_GTEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found at ${VELLORA_GTEST_SOURCE}: install Debian's googletest package")
endif()
set(gtest_disable_pthreads ${WIN32} CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${VELLORA_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

if(WIN32)
  set(VELLORA_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  add_test(NAME wine_prefix COMMAND ${CMAKE_SOURCE_DIR}/cmake/wine-prefix.sh)
  set_tests_properties(wine_prefix PROPERTIES
    FIXTURES_SETUP wine_prefix
    ENVIRONMENT "VELLORA_WINEPREFIX=${VELLORA_WINEPREFIX}")
  add_test(NAME wine_prefix_follows_wine COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/check_wine_prefix.sh
    ${CMAKE_SOURCE_DIR}/cmake/wine-prefix.sh ${CMAKE_BINARY_DIR}/wineprefix-check)
endif()

# Wine's prefix for a Windows test; SERIAL ones run alone.
function(vellora_test_properties name serial)
  if(WIN32)
    set_tests_properties(${name} PROPERTIES
      FIXTURES_REQUIRED wine_prefix
      ENVIRONMENT "VELLORA_WINEPREFIX=${VELLORA_WINEPREFIX}")
  endif()
  if(serial)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK vellora_prefix_desktop)
  endif()
endfunction()

# vellora_add_test(<name> SOURCES ... [LIBS ...] [SERIAL] [ARGS ...])
#   One test program, one CTest test that runs all its cases. In the Windows
#   build it runs under Wine. SERIAL: the program opens windows or touches
#   the shared project file in the prefix's system folder (starting the
#   stand-in host does: it restores what the file lists), so it runs alone,
#   and each of its tests begins with no project file (tests/support).
function(vellora_add_test name)
  cmake_parse_arguments(T "SERIAL" "" "SOURCES;LIBS;ARGS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(WIN32 AND T_SERIAL)
    target_link_libraries(${name} PRIVATE ${T_LIBS} test_main)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1 ${T_ARGS})
  set_tests_properties(${name} PROPERTIES TIMEOUT 900)
  vellora_test_properties(${name} "${T_SERIAL}")
endfunction()

# vellora_add_user_test(<name> SOURCES ... [LIBS ...] [SYSTEM_FILE <file>] [ARGS ...])
#   A test program of the Windows build run as a Linux user whom Wine's
#   system folder refuses (access denied), as Windows refuses a user without
#   elevation: cmake/run-as-user.sh makes the user and its own prefix, copies
#   the program and the plug-in to it (PlugInDllPath() follows), and copies
#   its screenshots back. Suites named SystemFile* run with SYSTEM_FILE as
#   the system folder's Vellora.ini (root's: readable, not changeable); the
#   others with none. Runs alone, each test beginning with no project file.
function(vellora_add_user_test name)
  cmake_parse_arguments(T "" "SYSTEM_FILE" "SOURCES;LIBS;ARGS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} test_main)
  add_dependencies(${name} Vellora)
  add_test(NAME ${name} COMMAND bash ${CMAKE_SOURCE_DIR}/cmake/run-as-user.sh $<TARGET_FILE:${name}>
    $<TARGET_FILE:Vellora> ${CMAKE_BINARY_DIR} ${T_SYSTEM_FILE} -- ${T_ARGS})
  set_tests_properties(${name} PROPERTIES TIMEOUT 900 RESOURCE_LOCK vellora_prefix_desktop)
endfunction()
