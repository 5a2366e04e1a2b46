# The Windows program, its Win32 test programs (run through Wine by ctest)
# and the end-to-end tests of the real Almanark.exe.
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/resources -I${CMAKE_SOURCE_DIR}")
set(WIN_DEFS WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0501 NOMINMAX
    WIN32_LEAN_AND_MEAN STRICT)
# The common dialogs and the shell load at their first use, through
# framework/DeferredLibrary.h: the program does not import them.
set(WIN_LIBS comctl32 gdi32 winspool shlwapi advapi32 user32 kernel32 windowscodecs ole32 uuid)
# Doubles are evaluated as doubles, not in the x87's extended precision, so
# that every truncation to device units is the one double arithmetic gives.
add_compile_options(-msse2 -mfpmath=sse)
# Sections start on page boundaries in the file, so that the loader can map
# them rather than read the whole file, debugging sections included, into
# memory at every start.
set(CMAKE_EXE_LINKER_FLAGS
    "${CMAKE_EXE_LINKER_FLAGS} -static -static-libgcc -static-libstdc++ -Wl,--file-alignment,4096")
# The release build ships without symbols.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE "${CMAKE_EXE_LINKER_FLAGS_RELEASE} -s")

add_library(almanark_core STATIC ${CORE_SOURCES})
target_include_directories(almanark_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(almanark_core PUBLIC ${WIN_DEFS})
target_compile_options(almanark_core PRIVATE ${WARNINGS})

add_library(almanark_win STATIC ${WIN32_SOURCES} ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
target_link_libraries(almanark_win PUBLIC almanark_core ${WIN_LIBS})
target_compile_options(almanark_win PRIVATE ${WARNINGS})

# The holiday sets in the folder beside the program (and the test
# programs), where setup puts them.
file(GLOB HOLIDAY_SETS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/holidays/*.evn)
add_custom_target(holiday_sets
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/Holidays
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${HOLIDAY_SETS} ${CMAKE_BINARY_DIR}/Holidays
    VERBATIM)

set(RESOURCES)
if(EXISTS ${CMAKE_SOURCE_DIR}/resources/Almanark.rc)
    set(RESOURCES ${CMAKE_SOURCE_DIR}/resources/Almanark.rc)
endif()

if(APP_MAIN_SOURCES)
    add_executable(Almanark WIN32 ${APP_MAIN_SOURCES} ${RESOURCES})
    target_link_libraries(Almanark PRIVATE almanark_win)
    set_target_properties(Almanark PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
    add_dependencies(Almanark holiday_sets)
endif()

# GoogleTest built with the cross compiler.
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SRC} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The portable core's tests once more, as 32-bit Windows code.
file(GLOB_RECURSE CORE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
add_executable(win32_core_tests ${CORE_TESTS})
target_include_directories(win32_core_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/native)
target_link_libraries(win32_core_tests PRIVATE almanark_core GTest::gtest_main)
target_compile_definitions(win32_core_tests PRIVATE ALMANARK_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
add_test(NAME win32_core_tests COMMAND win32_core_tests --gtest_brief=1)
set_tests_properties(win32_core_tests PROPERTIES TIMEOUT ${TEST_TIMEOUT} LABELS win32
    RESOURCE_LOCK display)

# One test program per folder of tests/win32, linked with the program's
# classes and resources; tests/win32/common holds shared helpers.
file(GLOB WIN32_TEST_HELPERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/common/*.cpp)
file(GLOB WIN32_TEST_DIRS LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tests/win32/*)
foreach(dir ${WIN32_TEST_DIRS})
    get_filename_component(name ${dir} NAME)
    if(NOT IS_DIRECTORY ${dir} OR name STREQUAL "common")
        continue()
    endif()
    file(GLOB srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
    if(NOT srcs)
        continue()
    endif()
    set(target win32_${name}_tests)
    add_executable(${target} ${srcs} ${WIN32_TEST_HELPERS} ${RESOURCES})
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests/win32 ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(${target} PRIVATE ALMANARK_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    target_link_libraries(${target} PRIVATE almanark_win comdlg32 shell32 GTest::gtest)
    add_dependencies(${target} holiday_sets)
    add_test(NAME ${target} COMMAND ${target} --gtest_brief=1)
    # Tests that show windows take turns on the one display.
    set_tests_properties(${target} PROPERTIES TIMEOUT ${TEST_TIMEOUT} LABELS win32
        RESOURCE_LOCK display)
endforeach()

# End-to-end tests: tests/e2e/*.sh drive the real program.
file(GLOB E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.sh)
foreach(script ${E2E_TESTS})
    get_filename_component(name ${script} NAME_WE)
    add_test(NAME e2e_${name} COMMAND bash ${script} $<TARGET_FILE:Almanark>)
    # Exit code 77: skipped, for what this machine does not allow.
    set_tests_properties(e2e_${name} PROPERTIES TIMEOUT 300 LABELS e2e RESOURCE_LOCK display
        SKIP_RETURN_CODE 77 ENVIRONMENT "ALMANARK_SOURCE_DIR=${CMAKE_SOURCE_DIR};ALMANARK_BUILD_DIR=${CMAKE_BINARY_DIR}")
endforeach()

file(GLOB WIN32_BENCHES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/win32/*.cpp)
foreach(src ${WIN32_BENCHES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src} ${RESOURCES})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE almanark_win)
    target_compile_options(${name} PRIVATE -O2)
endforeach()
