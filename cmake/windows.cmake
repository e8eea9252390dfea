# Windows build: tintavo.exe, self-contained and statically linked, and the end-to-end tests
# that drive it under Wine.
enable_language(RC)
enable_testing()

if(MSVC)
    set(TINTAVO_LINK_FLAGS /DYNAMICBASE /NXCOMPAT /HIGHENTROPYVA /OPT:REF)
    set(TINTAVO_CONSOLE_LINK_FLAGS "")
else()
    # No time stamp in the PE header, so that two builds of one commit are the same file.
    set(TINTAVO_LINK_FLAGS -static -municode -mwindows -s -Wl,--gc-sections
        -Wl,--nxcompat -Wl,--dynamicbase -Wl,--high-entropy-va -Wl,--no-insert-timestamp)
    set(TINTAVO_CONSOLE_LINK_FLAGS -static -municode)
    set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
endif()
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)

# The Win32 backend of the platform layer: the real controls and the platform services.
add_library(tintavo_win32 STATIC
    src/platform/win32/accessible_window.cpp
    src/platform/win32/child_control.cpp
    src/platform/win32/dib_surface.cpp
    src/platform/win32/edit_control.cpp
    src/platform/win32/fatal_error.cpp
    src/platform/win32/label_control.cpp
    src/platform/win32/ole_functions.cpp
    src/platform/win32/picture_control.cpp
    src/platform/win32/scroll_bar_control.cpp
    src/platform/win32/uia_notification.cpp
    src/platform/win32/win32_clipboard.cpp
    src/platform/win32/win32_platform.cpp
    src/platform/win32/win32_windows_api.cpp
)
# oleacc, ole32 and oleaut32 are loaded only when a screen reader first asks
# (ole_functions.cpp); comctl32 comes with the manifest's common controls. All are Windows' own.
target_link_libraries(tintavo_win32 PUBLIC tintavo_platform user32 gdi32 uuid)

# The picker's Win32 windows: Form1's controls at their design places, its fonts and resources,
# its window menu, the magnifier, and what screen readers learn of the picker.
add_library(tintavo_window_win32 STATIC
    src/window/win32/colour_info_window.cpp
    src/window/win32/fonts.cpp
    src/window/win32/form_accessibility.cpp
    src/window/win32/form_window.cpp
    src/window/win32/magnifier_window.cpp
    src/window/win32/window_menu.cpp
)
target_include_directories(tintavo_window_win32 PUBLIC resources)
target_link_libraries(tintavo_window_win32 PUBLIC tintavo_core tintavo_win32)

add_executable(tintavo WIN32
    src/window/win32/main.cpp
    resources/tintavo.rc
)
target_link_libraries(tintavo PRIVATE tintavo_window_win32)
target_link_options(tintavo PRIVATE ${TINTAVO_LINK_FLAGS})

# End-to-end tests: probe.exe reads the picker's window from outside, under the same Wine
# prefix and X display; `ctest --preset e2e` runs the scripts, which start their own Xvfb.
add_executable(probe tests/e2e/probe.cpp)
target_link_libraries(probe PRIVATE user32 gdi32 oleacc ole32 oleaut32)
target_link_options(probe PRIVATE ${TINTAVO_CONSOLE_LINK_FLAGS})

add_test(NAME e2e_window
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/window_test.sh $<TARGET_FILE:tintavo> $<TARGET_FILE:probe>)
set_tests_properties(e2e_window PROPERTIES TIMEOUT 900 RUN_SERIAL TRUE)

foreach(e2e_test sampling editors clipboard magnifier colour_menus colour_info precise_pick)
    add_test(NAME e2e_${e2e_test}
        COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/${e2e_test}_test.sh $<TARGET_FILE:tintavo> $<TARGET_FILE:probe>)
    set_tests_properties(e2e_${e2e_test} PROPERTIES TIMEOUT 900 RUN_SERIAL TRUE)
endforeach()

# The accessible object of the Win32 backend in a process of its own; the soak helper counts the
# picker's resources for the leak check.
add_executable(accessible_window_test tests/e2e/accessible_window_test.cpp)
target_link_libraries(accessible_window_test PRIVATE tintavo_win32 oleacc)
target_link_options(accessible_window_test PRIVATE ${TINTAVO_CONSOLE_LINK_FLAGS})

add_test(NAME e2e_accessibility
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/accessibility_test.sh $<TARGET_FILE:tintavo> $<TARGET_FILE:probe>
        $<TARGET_FILE:soak_helper> $<TARGET_FILE:accessible_window_test>)
set_tests_properties(e2e_accessibility PROPERTIES TIMEOUT 900 RUN_SERIAL TRUE)

# Benchmarks
# `bash bench/run.sh` builds them with the `benchmarks` target and times the picker under Wine
# against a bare reference; the default build leaves them out.
set(TINTAVO_BENCH_CONSOLE_LINK_FLAGS ${TINTAVO_LINK_FLAGS})
list(REMOVE_ITEM TINTAVO_BENCH_CONSOLE_LINK_FLAGS -mwindows)

add_library(tintavo_bench_common STATIC EXCLUDE_FROM_ALL bench/screen_pixel.cpp)
target_include_directories(tintavo_bench_common PUBLIC bench src)
target_link_libraries(tintavo_bench_common PUBLIC user32 gdi32)

# The real picker window in the benchmark's own process, with the picker's resources.
add_executable(tick_bench EXCLUDE_FROM_ALL
    bench/colour_targets.cpp
    bench/standard_controls.cpp
    bench/tick_bench.cpp
    bench/tick_fixture.cpp
    bench/tick_steps.cpp
    resources/tintavo.rc
)
target_link_libraries(tick_bench PRIVATE tintavo_bench_common tintavo_window_win32 comctl32)
# MinGW's GCC 12 stops with an internal error (binds_to_current_def_p) when its link-time
# optimisation splits this program into partitions; as one partition it links.
target_link_options(tick_bench PRIVATE ${TINTAVO_BENCH_CONSOLE_LINK_FLAGS} -flto-partition=one)

add_executable(reference_picker WIN32 EXCLUDE_FROM_ALL
    bench/reference_picker.cpp
    bench/reference_picker.rc
    bench/standard_controls.cpp
)
target_link_libraries(reference_picker PRIVATE tintavo_bench_common tintavo_window_win32)
target_link_options(reference_picker PRIVATE ${TINTAVO_LINK_FLAGS})

add_executable(startup_timer EXCLUDE_FROM_ALL bench/startup_timer.cpp)
target_include_directories(startup_timer PRIVATE bench)
target_link_libraries(startup_timer PRIVATE user32)
target_link_options(startup_timer PRIVATE ${TINTAVO_BENCH_CONSOLE_LINK_FLAGS})

add_executable(window_query EXCLUDE_FROM_ALL bench/window_query.cpp)
target_link_libraries(window_query PRIVATE user32)
target_link_options(window_query PRIVATE ${TINTAVO_BENCH_CONSOLE_LINK_FLAGS})

add_custom_target(benchmarks DEPENDS tick_bench reference_picker startup_timer window_query)

# Soak run
# soak_helper.exe reads the picker's state and resource counts from outside and shows the colour
# patches it samples; `bash tests/soak/soak.sh [SECONDS]` runs it, ten minutes by default.
add_executable(soak_helper tests/soak/soak_helper.cpp)
target_link_libraries(soak_helper PRIVATE user32 gdi32 psapi ntdll oleacc ole32 oleaut32)
target_link_options(soak_helper PRIVATE ${TINTAVO_CONSOLE_LINK_FLAGS})

# `ctest --preset e2e` runs a one-minute soak with a new seed each time.
add_test(NAME e2e_soak_60s
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/soak/soak.sh 60
        $<TARGET_FILE:tintavo> $<TARGET_FILE:probe> $<TARGET_FILE:soak_helper>)
set_tests_properties(e2e_soak_60s PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE)
