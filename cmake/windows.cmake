# Windows build: tintavo.exe, self-contained and statically linked, and the end-to-end tests
# that drive it under Wine.
enable_language(RC)
enable_testing()

set(TINTAVO_LINK_FLAGS -static -municode -mwindows -s -Wl,--gc-sections
    -Wl,--nxcompat -Wl,--dynamicbase -Wl,--high-entropy-va)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

add_executable(tintavo WIN32
    src/platform/win32/child_control.cpp
    src/platform/win32/dib_surface.cpp
    src/platform/win32/edit_control.cpp
    src/platform/win32/fatal_error.cpp
    src/platform/win32/fonts.cpp
    src/platform/win32/form_window.cpp
    src/platform/win32/label_control.cpp
    src/platform/win32/main.cpp
    src/platform/win32/picture_control.cpp
    src/platform/win32/scroll_bar_control.cpp
    src/platform/win32/win32_clipboard.cpp
    src/platform/win32/win32_platform.cpp
    src/platform/win32/win32_windows_api.cpp
    resources/tintavo.rc
)
target_include_directories(tintavo PRIVATE resources)
target_link_libraries(tintavo PRIVATE tintavo_core user32 gdi32)
target_link_options(tintavo PRIVATE ${TINTAVO_LINK_FLAGS})

# End-to-end tests: probe.exe reads the picker's window from outside, under the same Wine
# prefix and X display; `ctest --preset e2e` runs the scripts, which start their own Xvfb.
add_executable(probe tests/e2e/probe.cpp)
target_link_libraries(probe PRIVATE user32 gdi32)
target_link_options(probe PRIVATE -static -municode)

add_test(NAME e2e_window
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/window_test.sh $<TARGET_FILE:tintavo> $<TARGET_FILE:probe>)
set_tests_properties(e2e_window PROPERTIES TIMEOUT 900 RUN_SERIAL TRUE)
