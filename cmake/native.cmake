# Native build of the text rules: unit tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, and with clang also libFuzzer targets that run
# a bounded number of inputs as tests.

find_package(GTest REQUIRED)
include(GoogleTest)

# Everything native runs instrumented, the library under test included, and
# the first finding ends the program so that the test running it fails.
# libstdc++'s own checks catch what the sanitizers cannot see, such as
# back() or [i] past the end of a short string that lives inside its object.
add_library(feldora_sanitizers INTERFACE)
target_compile_definitions(feldora_sanitizers INTERFACE _GLIBCXX_ASSERTIONS)
target_compile_options(feldora_sanitizers INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g)
target_link_options(feldora_sanitizers INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all)
target_link_libraries(feldora_core PUBLIC feldora_sanitizers)

add_subdirectory(tests/support)
target_link_libraries(feldora_test_support PUBLIC feldora_sanitizers)

add_subdirectory(tests/unit)

if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    set(feldora_fuzz_default ON)
else()
    set(feldora_fuzz_default OFF)
endif()
option(FELDORA_FUZZ "Build the libFuzzer targets (needs clang)" ${feldora_fuzz_default})
if(FELDORA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "FELDORA_FUZZ needs clang: libFuzzer is part of clang")
    endif()
    add_subdirectory(fuzz)
endif()
