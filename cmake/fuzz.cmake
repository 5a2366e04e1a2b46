# libFuzzer harnesses: fuzz/<name>.cpp with seeds in fuzz/<name>/seeds,
# a dictionary fuzz/<name>.dict when present, and every crash input ever
# found kept in fuzz/<name>/crashes, replayed by each test run.
set(FUZZ_SECONDS 20 CACHE STRING "Seconds each fuzzer runs in a test run")
set(FUZZ_FLAGS -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -g)

add_library(almanark_core_fuzz STATIC ${CORE_SOURCES})
target_include_directories(almanark_core_fuzz PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(almanark_core_fuzz PRIVATE ${FUZZ_FLAGS})

file(GLOB FUZZERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*.cpp)
foreach(src ${FUZZERS})
    get_filename_component(name ${src} NAME_WE)
    set(dir ${CMAKE_SOURCE_DIR}/fuzz/${name})
    add_executable(${name} ${src})
    target_compile_options(${name} PRIVATE ${FUZZ_FLAGS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE almanark_core_fuzz)
    set(dict "")
    if(EXISTS ${CMAKE_SOURCE_DIR}/fuzz/${name}.dict)
        set(dict -dict=${CMAKE_SOURCE_DIR}/fuzz/${name}.dict)
    endif()
    add_test(NAME ${name}
        COMMAND ${CMAKE_SOURCE_DIR}/scripts/run-fuzzer.sh $<TARGET_FILE:${name}>
                ${dir} ${FUZZ_SECONDS} ${dict})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300 LABELS fuzz)
endforeach()
