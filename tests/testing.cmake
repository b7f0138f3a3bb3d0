# SPDX-FileCopyrightText: 2026 Wendrix
#
# SPDX-License-Identifier: MIT

# What every library's tests/ folder uses. The suites need POSIX (FIFOs, sockets, file-size limits)
# and an X server, so they are built on Unix only.
if(BUILD_TESTING AND UNIX)
    set(TAVRO_TESTS ON)
endif()

set(tavro_sanitizer_env
    "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_LIST_DIR}/sanitizers/lsan.supp:print_suppressions=0"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")

# The shared helpers: testimage.h (QtCore), testsupport.h and windowdriver.h (widgets).
add_library(tavro_testsupport INTERFACE)
target_include_directories(tavro_testsupport INTERFACE ${CMAKE_CURRENT_LIST_DIR})

# tavro_add_test(NAME LIBRARY...): NAME.cpp linked with the libraries it tests and QtTest, run
# offscreen with a settings folder of its own.
function(tavro_add_test name)
    add_executable(${name} ${name}.cpp)
    target_link_libraries(${name} PRIVATE ${ARGN} ${QT}::Test tavro_testsupport)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 120 ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${CMAKE_CURRENT_BINARY_DIR}/config;${tavro_sanitizer_env}")
endfunction()

# tavro_preload_fiu(NAME): runs the suite NAME under libfiu's POSIX preload, which lets it inject
# faults into system calls.
function(tavro_preload_fiu name)
    find_library(TAVRO_FIU_LIBRARY fiu REQUIRED)
    find_path(TAVRO_FIU_INCLUDE_DIR fiu-control.h REQUIRED)
    find_file(TAVRO_FIU_PRELOAD fiu_posix_preload.so PATHS /usr/lib/fiu /usr/local/lib/fiu
              PATH_SUFFIXES fiu REQUIRED)
    target_include_directories(${name} PRIVATE ${TAVRO_FIU_INCLUDE_DIR})
    target_compile_definitions(${name} PRIVATE FIU_ENABLE)
    target_link_libraries(${name} PRIVATE ${TAVRO_FIU_LIBRARY})
    # AddressSanitizer's runtime must be loaded before libfiu's wrappers, or it cannot set itself up.
    set(preload ${TAVRO_FIU_PRELOAD})
    if(TAVRO_SANITIZE)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libasan.so
                        OUTPUT_VARIABLE asan_runtime OUTPUT_STRIP_TRAILING_WHITESPACE)
        set(preload ${asan_runtime}:${TAVRO_FIU_PRELOAD})
    endif()
    set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT "LD_PRELOAD=${preload}")
endfunction()
