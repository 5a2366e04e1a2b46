# libFuzzer harnesses: fuzz/<name>.cpp with seeds in fuzz/<name>/seeds,
# a dictionary fuzz/<name>.dict when present, and every crash input ever
# found kept in fuzz/<name>/crashes, replayed by each test run. Each harness
# is built twice: 64-bit, and 32-bit like the program itself, where size
# arithmetic overflows first.
set(FUZZ_RUNS 200000 CACHE STRING "Inputs each fuzzer tries in a test run")
# Optimised as libFuzzer advises: unoptimised code under the sanitizers runs
# a tenth as many inputs.
set(FUZZ_FLAGS -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -g -O1)

function(add_fuzz_core suffix)
    add_library(almanark_core_fuzz${suffix} STATIC ${CORE_SOURCES})
    target_include_directories(almanark_core_fuzz${suffix} PUBLIC ${CMAKE_SOURCE_DIR})
    target_compile_options(almanark_core_fuzz${suffix} PRIVATE ${FUZZ_FLAGS} ${ARGN})
endfunction()

function(add_fuzzer src suffix runs)
    get_filename_component(name ${src} NAME_WE)
    set(dir ${CMAKE_SOURCE_DIR}/fuzz/${name})
    set(target ${name}${suffix})
    add_executable(${target} ${src})
    target_compile_options(${target} PRIVATE ${FUZZ_FLAGS} ${ARGN})
    target_link_options(${target} PRIVATE -fsanitize=fuzzer,address,undefined ${ARGN})
    target_link_libraries(${target} PRIVATE almanark_core_fuzz${suffix})
    set(dict "")
    if(EXISTS ${CMAKE_SOURCE_DIR}/fuzz/${name}.dict)
        set(dict -dict=${CMAKE_SOURCE_DIR}/fuzz/${name}.dict)
    endif()
    add_test(NAME ${target}
        COMMAND ${CMAKE_SOURCE_DIR}/scripts/run-fuzzer.sh $<TARGET_FILE:${target}>
                ${dir} ${runs} ${dict})
    set_tests_properties(${target} PROPERTIES TIMEOUT 300 LABELS fuzz)
endfunction()

# The 32-bit build needs the i386 C and C++ libraries (set-up installs them).
include(CheckCXXSourceCompiles)
set(CMAKE_REQUIRED_FLAGS -m32)
set(CMAKE_REQUIRED_LINK_OPTIONS -m32)
check_cxx_source_compiles("#include <string>\nint main() { return std::string().size(); }"
                          HAVE_M32_LIBRARIES)
unset(CMAKE_REQUIRED_FLAGS)
unset(CMAKE_REQUIRED_LINK_OPTIONS)

add_fuzz_core("")
if(HAVE_M32_LIBRARIES)
    add_fuzz_core(_m32 -m32 -msse2 -mfpmath=sse)
endif()
file(GLOB FUZZERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*.cpp)
foreach(src ${FUZZERS})
    add_fuzzer(${src} "" ${FUZZ_RUNS})
    if(HAVE_M32_LIBRARIES)
        add_fuzzer(${src} _m32 ${FUZZ_RUNS} -m32 -msse2 -mfpmath=sse)
    endif()
endforeach()
