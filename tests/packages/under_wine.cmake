# The Linux build's end-to-end tests of the package manager, run against this build's program
# under Wine with the real git behind the test-only git.exe bridge. scripts/test.sh builds that
# Linux build first.
if(NOT TUVRA_WINE)
  return()
endif()
set(linux_tests ${TUVRA_LINUX_BUILD_DIR}/tests/packages)
if(NOT TUVRA_LINUX_BUILD_DIR)
  message(STATUS "No TUVRA_LINUX_BUILD_DIR: the package manager's end-to-end tests are not run under Wine")
  return()
endif()
# A Linux build named but not built would drop these tests without a word.
if(NOT EXISTS ${linux_tests}/tuvra_packages_program_test OR NOT EXISTS ${linux_tests}/tuvra_packages_index_test)
  message(FATAL_ERROR "TUVRA_LINUX_BUILD_DIR (${TUVRA_LINUX_BUILD_DIR}) holds no built package tests: build it first")
endif()
# Wine reads its search path in Windows form; the Linux root is drive Z:.
string(REPLACE "/" "\\" bridge_folder "Z:${CMAKE_CURRENT_BINARY_DIR}/wine/bin")
# Wine's own errors go to the program's standard error, which the tests compare: a start that
# failed says why instead of leaving it empty. TUVRA_BUILD_DIR is where the tests leave the kinds
# of the messages they saw: this build, not the Linux one, whose coverage test would read them
# half-written when both builds' tests run at once.
set(program_under_wine TUVRA_PACKAGES_PROGRAM=${TUVRA_PROGRAM_DIR}/тувра_пакеты.exe TUVRA_PACKAGES_EMULATOR=${TUVRA_WINE}
    TUVRA_PACKAGES_LAUNCHER=${CMAKE_CURRENT_BINARY_DIR}/wine/tuvra_wine_launcher.exe
    WINEDEBUG=-all,err+all WINEPREFIX=${TUVRA_WINE_PREFIX} "WINEPATH=${bridge_folder}" TUVRA_BUILD_DIR=${CMAKE_BINARY_DIR})
# Shards: every run starts Windows processes, each git call two more.
foreach(test tuvra_packages_program_test tuvra_packages_index_test)
  foreach(shard RANGE 5)
    add_test(NAME ${test}_wine_${shard} COMMAND ${TUVRA_WINE_LAYOUT} ${linux_tests}/${test})
    set_tests_properties(${test}_wine_${shard} PROPERTIES ${TUVRA_WINE_TEST_PROPERTIES} TIMEOUT 900
      ENVIRONMENT "${program_under_wine};GTEST_TOTAL_SHARDS=6;GTEST_SHARD_INDEX=${shard}")
  endforeach()
endforeach()
