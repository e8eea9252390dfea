# Native build: the headless backend and the unit tests.
find_package(GTest REQUIRED)
enable_testing()

add_library(tintavo_headless STATIC
    src/platform/headless/fake_windows_api.cpp
    src/platform/headless/headless_platform.cpp
)
target_link_libraries(tintavo_headless PUBLIC tintavo_core)

add_executable(unit_tests
    tests/unit/colour_code_test.cpp
    tests/unit/component_editors_test.cpp
    tests/unit/conversions_test.cpp
    tests/unit/copy_label_test.cpp
    tests/unit/forms_test.cpp
    tests/unit/layout_test.cpp
    tests/unit/sampling_tick_test.cpp
    tests/unit/window_handlers_test.cpp
)
target_link_libraries(unit_tests PRIVATE tintavo_headless GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(unit_tests)

add_executable(draw_resources tools/draw_resources.cpp)
