#include "tick_steps.h"

#include <commctrl.h>

#include <array>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench_stats.h"
#include "platform/conversions.h"
#include "platform/window_dc.h"

namespace tintavo::bench {
namespace {

// Calls the step warmUp times untimed, then calls times, and prints the row.
void TimeStep(const TickFixture& fixture, const char* key, int calls, int warmUp,
              const std::function<void(int)>& step) {
    for (int i = 0; i < warmUp; ++i) step(i);
    std::vector<double> samples;
    samples.reserve(static_cast<std::size_t>(calls));
    for (int i = 0; i < calls; ++i) {
        const double start = fixture.clock.NowMs();
        step(i);
        samples.push_back(fixture.clock.NowMs() - start);
    }
    PrintRow(key, Summarise(std::move(samples)));
}

std::array<std::wstring, 3> ComponentTexts(COLORREF colour) {
    return {std::to_wstring(GetRValue(colour)), std::to_wstring(GetGValue(colour)),
            std::to_wstring(GetBValue(colour))};
}

struct MessageCounts {
    int textWrites = 0;
    int scrollUpdates = 0;
    int changeNotifications = 0;
    int paints = 0;
};

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR data) {
    auto& counts = *reinterpret_cast<MessageCounts*>(data);
    switch (message) {
    case WM_SETTEXT: ++counts.textWrites; break;
    case SBM_SETPOS:
    case SBM_SETSCROLLINFO: ++counts.scrollUpdates; break;
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_CHANGE) ++counts.changeNotifications;
        break;
    case WM_PAINT: ++counts.paints; break;
    default: break;
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

constexpr UINT_PTR kCountingSubclassId = 1;

// Counts the messages of every window of the form while it lives.
class CountingScope {
public:
    CountingScope(HWND form, MessageCounts& counts) : windows_{form} {
        for (HWND child = ::GetWindow(form, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            windows_.push_back(child);
        }
        for (const HWND window : windows_) {
            ::SetWindowSubclass(window, &CountingProc, kCountingSubclassId, reinterpret_cast<DWORD_PTR>(&counts));
        }
    }
    ~CountingScope() {
        for (const HWND window : windows_) ::RemoveWindowSubclass(window, &CountingProc, kCountingSubclassId);
    }
    CountingScope(const CountingScope&) = delete;
    CountingScope& operator=(const CountingScope&) = delete;

private:
    std::vector<HWND> windows_;
};

void PrintCounts(const char* key, const MessageCounts& counts) {
    std::printf("%-22s text_writes=%d scroll_updates=%d change_notifications=%d paints=%d\n", key,
                counts.textWrites, counts.scrollUpdates, counts.changeNotifications, counts.paints);
}

// The screen copy exactly as the tick makes it, through the platform's own calls, and two of
// its parts alone; then the one pixel stretched over an image of the swatch's size, the swatch
// invalidated and its middle read back.
void TimeScreenCopy(const TickFixture& fixture, ImageSurface& buffer, ImageSurface& image, HWND swatch, int calls,
                    int warmUp) {
    WindowsApi& api = fixture.platform.Api();
    const Screen& screen = fixture.platform.GetScreen();
    fixture.RestPointer(fixture.targets[0].centre);
    TimeStep(fixture, "step_get_cursor", calls, warmUp, [&](int) {
        CursorPoint cursor;
        api.GetCursorPos(cursor);
    });
    TimeStep(fixture, "step_screen_size", calls, warmUp, [&](int) {
        FloatToLong(screen.Width());
        FloatToLong(screen.Height());
    });
    TimeStep(fixture, "step_copy_screen", calls, warmUp, [&](int) {
        CursorPoint cursor;
        api.GetCursorPos(cursor);
        const WindowHandle capture = api.GetCapture();
        WindowDc source(api, capture);
        api.BitBlt(buffer.Dc(), 0, 0, FloatToLong(screen.Width()), FloatToLong(screen.Height()), source.get(),
                   cursor.x, cursor.y, kSrcCopy);
    });
    TimeStep(fixture, "step_stretch_point", calls, warmUp, [&](int) {
        image.StretchFrom(buffer, {0, 0, image.Width(), image.Height()}, {0, 0, 1, 1});
        ::InvalidateRect(swatch, nullptr, FALSE);
        image.PixelAt(image.Width() / 2, image.Height() / 2);
    });
    fixture.Pump();
}

// The single operations that the tick's cascade repeats, on the window's own controls.
void TimeCascadeParts(const TickFixture& fixture, ImageSurface& image, HWND swatch, int calls, int warmUp) {
    const HWND code = fixture.Control(ControlId::kText2);
    const std::array<std::wstring, 2> codes{ColourCode(fixture.targets[0].colour),
                                            ColourCode(fixture.targets[1].colour)};
    TimeStep(fixture, "step_edit_write", calls, warmUp,
             [&](int i) { ::SetWindowTextW(code, codes[static_cast<std::size_t>(i % 2)].c_str()); });
    const HWND bar = fixture.Control(ControlId::kHScroll1Red);
    const int barPosition = ::GetScrollPos(bar, SB_CTL);
    TimeStep(fixture, "step_scroll_move", calls, warmUp,
             [&](int i) { ::SetScrollPos(bar, SB_CTL, i % 2 == 0 ? 30 : 255, TRUE); });
    ::SetScrollPos(bar, SB_CTL, barPosition, TRUE);
    TimeStep(fixture, "step_swatch_fill", calls, warmUp, [&](int i) {
        image.Fill(fixture.targets[static_cast<std::size_t>(i % 2)].colour);
        ::InvalidateRect(swatch, nullptr, FALSE);
    });
    fixture.Pump();
}

// The whole cascade, entered where a user's typing enters it: a changed text in each component
// box; then the repaint it leaves, split into painting and the copy to the X server.
void TimeCascadeAndRepaint(const TickFixture& fixture, int calls, int warmUp) {
    const std::array<HWND, 3> boxes{fixture.Control(ControlId::kText1Red), fixture.Control(ControlId::kText1Green),
                                    fixture.Control(ControlId::kText1Blue)};
    const std::array<std::array<std::wstring, 3>, 2> texts{ComponentTexts(fixture.targets[0].colour),
                                                           ComponentTexts(fixture.targets[1].colour)};
    std::vector<double> cascade;
    std::vector<double> paint;
    std::vector<double> flush;
    for (int i = 0; i < warmUp + calls; ++i) {
        const auto& values = texts[static_cast<std::size_t>(i % 2)];
        const double start = fixture.clock.NowMs();
        for (std::size_t c = 0; c < boxes.size(); ++c) ::SetWindowTextW(boxes[c], values[c].c_str());
        const double written = fixture.clock.NowMs();
        ::RedrawWindow(fixture.form, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const double painted = fixture.clock.NowMs();
        fixture.Pump();
        const double flushed = fixture.clock.NowMs();
        if (i < warmUp) continue;
        cascade.push_back(written - start);
        paint.push_back(painted - written);
        flush.push_back(flushed - painted);
    }
    PrintRow("step_cascade", Summarise(std::move(cascade)));
    PrintRow("step_paint", Summarise(std::move(paint)));
    PrintRow("step_flush", Summarise(std::move(flush)));
}

}  // namespace

void TimeTickSteps(const TickFixture& fixture, int calls, int warmUp) {
    const HWND swatch = fixture.Control(ControlId::kPicture2);
    RECT swatchArea{};
    ::GetClientRect(swatch, &swatchArea);
    SurfaceFactory& surfaces = fixture.platform.Surfaces();
    const std::unique_ptr<ImageSurface> buffer = surfaces.CreateSurface(1, 1);
    const std::unique_ptr<ImageSurface> image = surfaces.CreateSurface(swatchArea.right, swatchArea.bottom);
    TimeScreenCopy(fixture, *buffer, *image, swatch, calls, warmUp);
    TimeCascadeParts(fixture, *image, swatch, calls, warmUp);
    TimeCascadeAndRepaint(fixture, calls, warmUp);
    // Back to what a tick at the first colour shows.
    fixture.Tick();
}

void CountTickMessages(const TickFixture& fixture) {
    const auto pointTo = [&](std::size_t target) {
        ::SetCursorPos(fixture.targets[target].centre.x, fixture.targets[target].centre.y);
        fixture.Tick();
    };
    pointTo(0);
    MessageCounts changing;
    {
        const CountingScope scope(fixture.form, changing);
        pointTo(1);
    }
    MessageCounts steady;
    {
        const CountingScope scope(fixture.form, steady);
        pointTo(1);
    }
    PrintCounts("counts_changing", changing);
    PrintCounts("counts_steady", steady);
}

}  // namespace tintavo::bench
