# Native build: the headless backend and the unit tests.
find_package(GTest REQUIRED)
enable_testing()

add_library(tintavo_headless STATIC
    src/platform/headless/fake_windows_api.cpp
    src/platform/headless/headless_platform.cpp
)
target_link_libraries(tintavo_headless PUBLIC tintavo_platform)

add_executable(unit_tests
    tests/unit/accessibility_test.cpp
    tests/unit/colour_code_test.cpp
    tests/unit/colour_info_test.cpp
    tests/unit/colour_menus_test.cpp
    tests/unit/component_editors_test.cpp
    tests/unit/conversions_test.cpp
    tests/unit/copy_label_test.cpp
    tests/unit/forms_test.cpp
    tests/unit/hold_hotkey_test.cpp
    tests/unit/layout_test.cpp
    tests/unit/magnifier_test.cpp
    tests/unit/sampling_tick_test.cpp
    tests/unit/window_handlers_test.cpp
)
target_link_libraries(unit_tests PRIVATE tintavo_core tintavo_headless GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(unit_tests)

add_executable(draw_resources tools/draw_resources.cpp)

# A long day of use, for the sanitizer preset: slow, so not among the everyday unit tests.
option(TINTAVO_LONG_RUN_TESTS "Build the long-run leak test" OFF)
if(TINTAVO_LONG_RUN_TESTS)
    add_executable(long_run_tests tests/unit/long_run_test.cpp)
    target_link_libraries(long_run_tests PRIVATE tintavo_core tintavo_headless GTest::gtest_main)
    gtest_discover_tests(long_run_tests PROPERTIES TIMEOUT 600)
endif()

# libFuzzer targets, for the fuzz preset (clang++).
option(TINTAVO_FUZZ "Build the libFuzzer targets" OFF)
if(TINTAVO_FUZZ)
    foreach(target fuzz_conversions fuzz_editors)
        add_executable(${target} tests/fuzz/${target}.cpp)
        target_link_libraries(${target} PRIVATE tintavo_core tintavo_headless)
        target_link_options(${target} PRIVATE -fsanitize=fuzzer,address,undefined)
    endforeach()
endif()
