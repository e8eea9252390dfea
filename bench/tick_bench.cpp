// Times one sampling tick of the real picker window against the bare read of one screen
// pixel, in one process, and the parts the tick's time goes to. Prints a table on stdout.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cwchar>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench_stats.h"
#include "colour_targets.h"
#include "magnifier/magnifier.h"
#include "screen_pixel.h"
#include "standard_controls.h"
#include "tick_fixture.h"
#include "tick_steps.h"

namespace tintavo::bench {
namespace {

constexpr int kCalls = 2000;
constexpr int kWarmUp = 200;
constexpr int kStepCalls = 500;
constexpr int kStepWarmUp = 50;
constexpr int kTargetSize = 40;
constexpr int kWindowBlocks = 10;
constexpr int kFocusBlocks = 10;
constexpr DWORD kSettleDeadlineMs = 10000;

// Two colours that differ in every component, so a move between them changes all three texts.
constexpr COLORREF kFirstColour = RGB(0x1E, 0x90, 0xFF);
constexpr COLORREF kSecondColour = RGB(0xFF, 0x80, 0x00);

// Runs the window's messages until the condition holds; false when the deadline passes first.
template <typename Condition>
bool PumpUntil(const TickFixture& fixture, Condition condition) {
    const ULONGLONG deadline = ::GetTickCount64() + kSettleDeadlineMs;
    while (!condition()) {
        if (::GetTickCount64() > deadline) return false;
        fixture.Pump();
        ::Sleep(10);
    }
    return true;
}

std::wstring CodeShown(const TickFixture& fixture) {
    wchar_t text[16]{};
    ::GetWindowTextW(fixture.Control(ControlId::kText2), text, 16);
    return text;
}

// GetCursorPos and the bare read, as the reference picker does each tick, the pointer resting.
std::vector<double> TimeBareReadWithCursor(const TickFixture& fixture, ScreenPixel& pixel) {
    std::vector<double> samples;
    fixture.RestPointer(fixture.targets[0].centre);
    for (int i = 0; i < kWarmUp + kCalls; ++i) {
        const double start = fixture.clock.NowMs();
        POINT cursor{};
        ::GetCursorPos(&cursor);
        pixel.Read(cursor);
        const double end = fixture.clock.NowMs();
        if (i >= kWarmUp) samples.push_back(end - start);
    }
    return samples;
}

struct TickSamples {
    std::vector<double> bare;
    std::vector<double> total;
    std::vector<double> handler;
    std::vector<double> repaint;
    // The same tick of the standard-control references, plain and dressed as the picker's:
    // GetCursorPos, the bare read, the controls updated and repainted.
    std::vector<double> standard;
    std::vector<double> styled;
};

struct StandardReferences {
    StandardControls& plain;
    StandardControls& styled;
};

// One tick of a standard-control reference and the repaint it leaves; its time in ms.
double TimeStandardTick(const TickFixture& fixture, ScreenPixel& pixel, StandardControls& controls) {
    const double start = fixture.clock.NowMs();
    POINT cursor{};
    ::GetCursorPos(&cursor);
    controls.Show(pixel.Read(cursor));
    fixture.Pump();
    return fixture.clock.NowMs() - start;
}

// Each tick follows a bare read of the pixel it is about to read, so that both are timed in
// the same moments of a machine whose speed wanders. With changing set, the pointer moves to
// the other colour before each pair (untimed); the tick's GetCursorPos then finds Wine's fresh
// record of the position. Otherwise the pointer rests, as on a steady colour, and every
// GetCursorPos asks the X server. The standard-control references, when given, tick third and
// fourth in each round.
void AddTicks(const TickFixture& fixture, ScreenPixel& pixel, const StandardReferences* standard, bool changing,
              int warmUp, int calls, TickSamples& samples) {
    POINT at = fixture.targets[0].centre;
    fixture.RestPointer(at);
    fixture.Tick();
    for (int i = 0; i < warmUp + calls; ++i) {
        if (changing) {
            at = fixture.targets[static_cast<std::size_t>((i + 1) % 2)].centre;
            ::SetCursorPos(at.x, at.y);
            fixture.Pump();
        }
        const double readStart = fixture.clock.NowMs();
        pixel.Read(at);
        const double start = fixture.clock.NowMs();
        ::SendMessageW(fixture.form, WM_TIMER, kSamplingTimerId, 0);
        const double handled = fixture.clock.NowMs();
        fixture.Pump();
        const double end = fixture.clock.NowMs();
        const double plain = standard ? TimeStandardTick(fixture, pixel, standard->plain) : 0;
        const double styled = standard ? TimeStandardTick(fixture, pixel, standard->styled) : 0;
        if (i < warmUp) continue;
        samples.bare.push_back(start - readStart);
        samples.total.push_back(end - start);
        samples.handler.push_back(handled - start);
        samples.repaint.push_back(end - handled);
        if (!standard) continue;
        samples.standard.push_back(plain);
        samples.styled.push_back(styled);
    }
}

TickSamples TimeTicks(const TickFixture& fixture, ScreenPixel& pixel, const StandardReferences& standard,
                      bool changing) {
    TickSamples samples;
    AddTicks(fixture, pixel, &standard, changing, kWarmUp, kCalls, samples);
    return samples;
}

// Changing ticks with the keyboard focus in a red number box, where each write also moves the
// box's caret: the picker's with the focus in its box,
// then the reference dressed as the picker's with the focus in its own, in alternating blocks.
struct FocusedTicks {
    TickSamples picker;
    std::vector<double> styled;
};

FocusedTicks TimeFocusedTicks(const TickFixture& fixture, ScreenPixel& pixel, StandardControls& styled) {
    FocusedTicks ticks;
    const int warmUp = kWarmUp / kFocusBlocks;
    const int calls = kCalls / kFocusBlocks;
    for (int block = 0; block < kFocusBlocks; ++block) {
        ::SetFocus(fixture.Control(ControlId::kText1Red));
        fixture.Pump();
        AddTicks(fixture, pixel, nullptr, true, warmUp, calls, ticks.picker);
        ::SetFocus(styled.RedBox());
        fixture.Pump();
        for (int i = 0; i < warmUp + calls; ++i) {
            const POINT at = fixture.targets[static_cast<std::size_t>(i % 2)].centre;
            ::SetCursorPos(at.x, at.y);
            fixture.Pump();
            const double time = TimeStandardTick(fixture, pixel, styled);
            if (i >= warmUp) ticks.styled.push_back(time);
        }
    }
    ::SetFocus(fixture.Control(ControlId::kText1Red));
    fixture.Pump();
    return ticks;
}

// Held ticks: Enter, sent as the user's key is, holds the sampling, and each tick's message then
// reaches the window and returns at once; Enter again resumes.
std::vector<double> TimeHeldTicks(const TickFixture& fixture) {
    constexpr wchar_t kHeldStatus[] = L"<ENTER>キーで色取得開始";
    const auto pressEnter = [&] {
        ::PostMessageW(fixture.Control(ControlId::kText1Red), WM_CHAR, VK_RETURN, 0);
        fixture.Pump();
    };
    pressEnter();
    wchar_t status[32]{};
    ::GetWindowTextW(fixture.Control(ControlId::kLabel4), status, 32);
    if (std::wcscmp(status, kHeldStatus) != 0) throw std::runtime_error("Enter did not hold the sampling");
    std::vector<double> samples;
    for (int i = 0; i < kWarmUp + kCalls; ++i) {
        const double start = fixture.clock.NowMs();
        fixture.Tick();
        const double end = fixture.clock.NowMs();
        if (i >= kWarmUp) samples.push_back(end - start);
    }
    pressEnter();
    return samples;
}

// The magnifier's read of the 11 × 11 block around the resting pointer, on a steady colour,
// each after a bare read of the pixel at the block's centre: the work the magnifier adds to a
// tick when nothing changed (no repaint follows).
TickSamples TimeMagnifierReads(const TickFixture& fixture, ScreenPixel& pixel) {
    TickSamples samples;
    Magnifier magnifier(fixture.platform);
    const POINT at = fixture.targets[0].centre;
    fixture.RestPointer(at);
    magnifier.Follow({at.x, at.y});
    for (int i = 0; i < kWarmUp + kCalls; ++i) {
        const double readStart = fixture.clock.NowMs();
        pixel.Read(at);
        const double start = fixture.clock.NowMs();
        magnifier.Follow({at.x, at.y});
        const double end = fixture.clock.NowMs();
        if (i < kWarmUp) continue;
        samples.bare.push_back(start - readStart);
        samples.total.push_back(end - start);
    }
    return samples;
}

// What an item of the window menu switches, and the word its rows are keyed by: a window that
// its command opens and closes, or, with no window class, the sample area, on at the side its
// command chooses and off at the single pixel.
struct MenuSwitch {
    const wchar_t* className;
    UINT command;
    const char* key;
};

constexpr MenuSwitch kMagnifierWindow{win32::MagnifierWindow::kClassName, win32::WindowMenu::kMagnifierCommand,
                                      "magnifier"};
constexpr MenuSwitch kColourInfoWindow{win32::ColourInfoWindow::kClassName, win32::WindowMenu::kColourInfoCommand,
                                       "info"};
constexpr MenuSwitch kSevenBySeven{
    nullptr, win32::WindowMenu::kFirstSampleAreaCommand + 3 * win32::WindowMenu::kCommandStep, "area7"};

// Switches on or off as the item in the window menu does; true when it then is as asked.
bool SetSwitch(const TickFixture& fixture, const MenuSwitch& item, bool on) {
    if (!item.className) {
        ::SendMessageW(fixture.form, WM_SYSCOMMAND, on ? item.command : win32::WindowMenu::kFirstSampleAreaCommand, 0);
        return true;
    }
    // A closed window may be only hidden.
    const auto isOpen = [&item] {
        const HWND window = ::FindWindowW(item.className, nullptr);
        return window && ::IsWindowVisible(window);
    };
    if (isOpen() != on) ::SendMessageW(fixture.form, WM_SYSCOMMAND, item.command, 0);
    fixture.Pump();
    return isOpen() == on;
}

struct WindowTicks {
    TickSamples closed;
    TickSamples open;
};

// Ticks with the window closed and open, in alternating blocks, so that both see the same
// moments of the machine: their difference is what the open window adds. Each side gets
// calls ticks, after warm-up ticks in the proportion of kWarmUp to kCalls.
WindowTicks TimeTicksWithWindow(const TickFixture& fixture, ScreenPixel& pixel, const MenuSwitch& window,
                                bool changing, int calls) {
    WindowTicks ticks;
    for (int block = 0; block < kWindowBlocks; ++block) {
        for (const bool open : {false, true}) {
            if (!SetSwitch(fixture, window, open)) {
                throw std::runtime_error(std::string("the ") + window.key + " window did not open or close");
            }
            AddTicks(fixture, pixel, nullptr, changing, calls * kWarmUp / kCalls / kWindowBlocks, calls / kWindowBlocks,
                     open ? ticks.open : ticks.closed);
        }
    }
    SetSwitch(fixture, window, false);
    return ticks;
}

// How far the medians of the first and the second half of the blocks lie apart, against the
// median of all: the noise of this stretch of the machine, as two rounds would show it.
double HalvesSpread(const std::vector<double>& samples) {
    const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
    const double first = Summarise({samples.begin(), middle}).median;
    const double second = Summarise({middle, samples.end()}).median;
    return std::abs(first - second) / Summarise(samples).median;
}

// The rows of ticks timed with a window closed and open: PHASE is "steady" or "changing".
void PrintWindowTicks(const char* phase, const MenuSwitch& window, const WindowTicks& ticks) {
    const std::string open = std::string(phase) + "_" + window.key;
    const std::string closed = open + "_closed";
    PrintRow(("bare_read_" + closed).c_str(), Summarise(ticks.closed.bare));
    PrintRow(("tick_" + closed).c_str(), Summarise(ticks.closed.total));
    PrintRow(("bare_read_" + open).c_str(), Summarise(ticks.open.bare));
    PrintRow(("tick_" + open).c_str(), Summarise(ticks.open.total));
    PrintRow(("tick_" + open + "_handler").c_str(), Summarise(ticks.open.handler));
    PrintRow(("tick_" + open + "_repaint").c_str(), Summarise(ticks.open.repaint));
}

void PrintRatio(const char* key, const Summary& tick, const Summary& bare) {
    std::printf("%-22s median=%.2f mean=%.2f\n", key, tick.median / bare.median, tick.mean / bare.mean);
}

// The ticks with the window open against those with it closed, and the spread of the closed
// ticks' halves, which the goal of the ratio allows for.
void PrintWindowRatio(const char* key, const WindowTicks& ticks) {
    const Summary open = Summarise(ticks.open.total);
    const Summary closed = Summarise(ticks.closed.total);
    std::printf("%-22s median=%.3f mean=%.3f spread=%.3f\n", key, open.median / closed.median,
                open.mean / closed.mean, HalvesSpread(ticks.closed.total));
}

int Run() {
    win32::Win32Platform platform;
    win32::FormWindow window(platform);
    window.Create(::GetModuleHandleW(nullptr));
    const HWND form = ::FindWindowW(L"TintavoForm1", nullptr);
    if (!form) {
        std::fputs("tick_bench: the picker window was not created\n", stderr);
        return 1;
    }
    // Only the bench's own ticks run from here on.
    ::KillTimer(form, kSamplingTimerId);

    RECT frame{};
    ::GetWindowRect(form, &frame);
    const int right = ::GetSystemMetrics(SM_CXSCREEN);
    const int bottom = ::GetSystemMetrics(SM_CYSCREEN);
    const POINT middle{(frame.right + right) / 2, (frame.bottom + bottom) / 2};
    const ColourTargets targets({{{{middle.x - kTargetSize, middle.y}, kFirstColour},
                                  {{middle.x + kTargetSize, middle.y}, kSecondColour}}},
                                kTargetSize);
    const TickFixture fixture{platform, window, form, targets, {}};
    // Below the picker, one above the other, clear of the two squares.
    StandardControls plain({frame.left, frame.bottom + 16}, StandardControls::Look::kPlain);
    StandardControls styled({frame.left, frame.bottom + 16 + (frame.bottom - frame.top) + 16},
                            StandardControls::Look::kPicker);
    const StandardReferences standard{plain, styled};

    ScreenPixel pixel;
    const bool shown = PumpUntil(fixture, [&] {
        return pixel.Read(targets[0].centre) == targets[0].colour && pixel.Read(targets[1].centre) == targets[1].colour;
    });
    if (!shown) {
        std::fputs("tick_bench: the two colour squares never showed on the screen\n", stderr);
        return 1;
    }
    ::SetCursorPos(targets[0].centre.x, targets[0].centre.y);
    if (!PumpUntil(fixture, [&] {
            fixture.Tick();
            return CodeShown(fixture) == ColourCode(targets[0].colour);
        })) {
        std::fputs("tick_bench: a tick did not show the colour under the pointer\n", stderr);
        return 1;
    }

    std::printf("Tick benchmark: %d ticks, each after a bare read, following %d warm-up pairs; parts: %d calls "
                "after %d; colours %ls and %ls\n",
                kCalls, kWarmUp, kStepCalls, kStepWarmUp, ColourCode(kFirstColour).c_str(),
                ColourCode(kSecondColour).c_str());
    PrintHeader();
    const TickSamples changing = TimeTicks(fixture, pixel, standard, true);
    const TickSamples steady = TimeTicks(fixture, pixel, standard, false);
    const FocusedTicks focused = TimeFocusedTicks(fixture, pixel, styled);
    const std::vector<double> held = TimeHeldTicks(fixture);
    const TickSamples magnifierReads = TimeMagnifierReads(fixture, pixel);
    const WindowTicks magnifierTicks = TimeTicksWithWindow(fixture, pixel, kMagnifierWindow, false, kCalls);
    const WindowTicks infoTicks = TimeTicksWithWindow(fixture, pixel, kColourInfoWindow, false, kCalls);
    // A quarter as many changing ticks: their figure is information, and each takes far longer.
    const WindowTicks infoChangingTicks = TimeTicksWithWindow(fixture, pixel, kColourInfoWindow, true, kCalls / 4);
    const WindowTicks areaTicks = TimeTicksWithWindow(fixture, pixel, kSevenBySeven, false, kCalls);
    const Summary changingBare = Summarise(changing.bare);
    const Summary changingTick = Summarise(changing.total);
    const Summary steadyBare = Summarise(steady.bare);
    const Summary steadyTick = Summarise(steady.total);
    PrintRow("bare_read_changing", changingBare);
    PrintRow("tick_changing", changingTick);
    PrintRow("tick_changing_handler", Summarise(changing.handler));
    PrintRow("tick_changing_repaint", Summarise(changing.repaint));
    const Summary changingStandard = Summarise(changing.standard);
    PrintRow("standard_changing", changingStandard);
    const Summary changingStyled = Summarise(changing.styled);
    PrintRow("standard_styled_changing", changingStyled);
    const Summary focusedTick = Summarise(focused.picker.total);
    const Summary focusedStyled = Summarise(focused.styled);
    PrintRow("tick_changing_focused", focusedTick);
    PrintRow("standard_styled_changing_focused", focusedStyled);
    PrintRow("bare_read_steady", steadyBare);
    PrintRow("tick_steady", steadyTick);
    PrintRow("tick_steady_handler", Summarise(steady.handler));
    PrintRow("tick_steady_repaint", Summarise(steady.repaint));
    PrintRow("standard_steady", Summarise(steady.standard));
    PrintRow("standard_styled_steady", Summarise(steady.styled));
    PrintRow("tick_held", Summarise(held));
    const Summary magnifierBare = Summarise(magnifierReads.bare);
    const Summary magnifierRead = Summarise(magnifierReads.total);
    const Summary steadyMagnifierBare = Summarise(magnifierTicks.open.bare);
    const Summary steadyMagnifierTick = Summarise(magnifierTicks.open.total);
    PrintRow("bare_read_magnifier", magnifierBare);
    PrintRow("magnifier_read", magnifierRead);
    PrintWindowTicks("steady", kMagnifierWindow, magnifierTicks);
    PrintWindowTicks("steady", kColourInfoWindow, infoTicks);
    PrintWindowTicks("changing", kColourInfoWindow, infoChangingTicks);
    PrintWindowTicks("steady", kSevenBySeven, areaTicks);
    PrintRow("bare_read_cursor", Summarise(TimeBareReadWithCursor(fixture, pixel)));
    TimeTickSteps(fixture, kStepCalls, kStepWarmUp);
    PrintRatio("ratio_changing", changingTick, changingBare);
    PrintRatio("ratio_steady", steadyTick, steadyBare);
    PrintRatio("ratio_changing_standard", changingTick, changingStandard);
    PrintRatio("ratio_changing_styled", changingTick, changingStyled);
    PrintRatio("ratio_changing_focused", focusedTick, focusedStyled);
    PrintRatio("ratio_magnifier_read", magnifierRead, magnifierBare);
    PrintRatio("ratio_steady_magnifier", steadyMagnifierTick, steadyMagnifierBare);
    PrintWindowRatio("ratio_steady_info", infoTicks);
    PrintWindowRatio("ratio_changing_info", infoChangingTicks);
    PrintWindowRatio("ratio_steady_area7", areaTicks);
    CountTickMessages(fixture);
    return 0;
}

}  // namespace
}  // namespace tintavo::bench

int wmain() {
    _setmode(_fileno(stdout), _O_BINARY);
    // As the picker's own start does.
    ::SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    try {
        return tintavo::bench::Run();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tick_bench: %s\n", error.what());
    } catch (...) {
        std::fputs("tick_bench: failed\n", stderr);
    }
    return 1;
}
