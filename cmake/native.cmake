# Host build of the portable core: unit tests under AddressSanitizer and
# UBSan, and, when the compiler is clang, libFuzzer harnesses.
set(SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)

add_library(almanark_core STATIC ${CORE_SOURCES})
target_include_directories(almanark_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(almanark_core PRIVATE ${WARNINGS} ${SANITIZE} -g)
target_link_options(almanark_core PUBLIC ${SANITIZE})

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SRC} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB_RECURSE NATIVE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
add_executable(native_tests ${NATIVE_TESTS})
target_include_directories(native_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/native)
target_compile_options(native_tests PRIVATE ${WARNINGS} ${SANITIZE} -g)
target_compile_definitions(native_tests PRIVATE
    ALMANARK_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_link_libraries(native_tests PRIVATE almanark_core GTest::gtest_main)

# Dates must come out the same in every time zone, summer time included.
foreach(tz UTC America/New_York Europe/London)
    string(REPLACE "/" "_" tzname ${tz})
    add_test(NAME native_tests_${tzname} COMMAND native_tests --gtest_brief=1)
    set_tests_properties(native_tests_${tzname} PROPERTIES
        ENVIRONMENT "TZ=${tz};ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1"
        TIMEOUT ${TEST_TIMEOUT} LABELS native)
endforeach()

# A member function that nothing calls fails the run (scripts/dead-code.py).
add_test(NAME dead_code COMMAND python3 ${CMAKE_SOURCE_DIR}/scripts/dead-code.py ${CMAKE_SOURCE_DIR})
set_tests_properties(dead_code PROPERTIES TIMEOUT 60 LABELS native)

if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    include(cmake/fuzz.cmake)
endif()

file(GLOB BENCHES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/native/*.cpp)
foreach(src ${BENCHES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
    target_sources(${name} PRIVATE ${CORE_SOURCES})
    target_compile_options(${name} PRIVATE -O2)
endforeach()
