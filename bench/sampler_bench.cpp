// What picking off the screen costs, against the bare screen copy and pixel read that no sampler can do
// without: per pointer event (a move heard during a pick, handled without showing a frame) and per
// shown frame (the capture, the pick, the magnifier, the readout and the paints that follow, which a
// pick does at most once a display refresh). With the pointer resting on one colour and with it
// jumping between two colours at every frame, so that every readout text changes; the magnifier at 4
// and 32 times, the pick of 1 pixel and the average of 9 by 9. And from F to the frozen view, with the
// working set before a frozen pick and after its end.
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <filesystem>

#include "app/application_win.h"
#include "bench/bench_clock_win.h"
#include "sampler/pick_hooks_win.h"
#include "sampler/pick_view_win.h"

namespace {

using tintrel::bench::Seconds;

constexpr int kSamples = 2000;
constexpr int kWidth = 132;
constexpr int kHeight = 68;
constexpr double kMouseHz = 1000;

// Where the pointer is put before sample `index`: nowhere new when resting, else one of two points of
// different colours in turn (the desktop, and the main window's caption).
void MovePointer(bool jumping, int index) {
    if (jumping) {
        SetCursorPos(index % 2 == 0 ? 600 : 305, 500 - (index % 2) * 285);
    }
}

double Microseconds(double seconds, int count) {
    return seconds / count * 1e6;
}

double WorkingSetMegabytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
}

// GetDC of the screen, one 132 by 68 copy, one pixel read, ReleaseDC.
double BareCopySeconds(bool jumping) {
    const HDC reference = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(reference);
    const HBITMAP bitmap = CreateCompatibleBitmap(reference, kWidth, kHeight);
    ReleaseDC(nullptr, reference);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    const double start = Seconds();
    for (int sample = 0; sample < kSamples; ++sample) {
        MovePointer(jumping, sample);
        POINT pointer;
        GetCursorPos(&pointer);
        const HDC screen = GetDC(nullptr);
        BitBlt(memory, 0, 0, kWidth, kHeight, screen, pointer.x - kWidth / 2, pointer.y - kHeight / 2, SRCCOPY);
        GetPixel(memory, kWidth / 2, kHeight / 2);
        ReleaseDC(nullptr, screen);
    }
    const double elapsed = Seconds() - start;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return elapsed;
}

// The window that a pick's hooks tell of the pointer's moves.
HWND PickWindow() {
    return FindWindowExW(HWND_MESSAGE, nullptr, L"TintrelScreenPick", nullptr);
}

void Tell(tintrel::PickHooks::Event event) {
    PostMessageW(PickWindow(), tintrel::PickHooks::kMessage, static_cast<WPARAM>(event), 0);
}

// kSamples moves told to a running pick from anywhere as its hooks tell them, each handled at once.
// Only the moves that come within one display refresh after a shown frame are timed, so that none of
// them shows one; the pointer rests meanwhile, so that no check of the pointer shows one either.
double EventSeconds(tintrel::ApplicationForms& forms) {
    using tintrel::PickHooks;
    forms.MainForm.StartPickAnywhere(false);
    double timed = 0;
    for (int events = 0; events < kSamples;) {
        Sleep(20);
        const ULONGLONG frameAt = GetTickCount64();
        Tell(PickHooks::Event::Move);  // shows a frame, since the last was more than a refresh ago
        forms.DispatchPending();
        for (; events < kSamples && GetTickCount64() < frameAt + 10; ++events) {
            const double start = Seconds();
            Tell(PickHooks::Event::Move);
            forms.DispatchPending();
            timed += Seconds() - start;
        }
    }
    Tell(PickHooks::Event::Cancel);
    forms.DispatchPending();
    return timed;
}

// A posted message that nothing handles, for what the delivery of a move alone costs.
double DeliverySeconds(tintrel::ApplicationForms& forms) {
    const double start = Seconds();
    for (int message = 0; message < kSamples; ++message) {
        PostMessageW(PickWindow(), WM_NULL, 0, 0);
        forms.DispatchPending();
    }
    return Seconds() - start;
}

void WriteSettings(const std::filesystem::path& directory, int zoom, int sampleSize) {
    std::FILE* settings = std::fopen((directory / "Tintrel.ini").string().c_str(), "wb");
    std::fprintf(settings, "[Options]\r\nZoom=%d\r\nSample=%d\r\n", zoom, sampleSize);
    std::fclose(settings);
}

// Times the events and the frames of one magnifier setting, resting and jumping, against the bare copy.
void TimeSetting(const std::filesystem::path& directory, int zoom, int sampleSize, int refreshHz) {
    WriteSettings(directory, zoom, sampleSize);
    tintrel::ApplicationForms forms(directory / "Tintrel.exe");
    forms.Create();
    tintrel::TFMain& mainForm = forms.MainForm;
    mainForm.Show();
    forms.DispatchPending();
    // Over the desktop, beside the window.
    SetCursorPos(600, 500);

    for (const bool jumping : {false, true}) {
        const double bare = Microseconds(BareCopySeconds(jumping), kSamples);
        SetCursorPos(600, 500);
        const double event = Microseconds(EventSeconds(forms), kSamples);
        const double delivery = Microseconds(DeliverySeconds(forms), kSamples);

        const double start = Seconds();
        for (int sample = 0; sample < kSamples; ++sample) {
            MovePointer(jumping, sample);
            mainForm.SampleScreen();
            forms.DispatchPending();
        }
        const double frame = Microseconds(Seconds() - start, kSamples);
        const double busyShare = (kMouseHz * event + refreshHz * frame) / 1e6;

        std::printf("%4d %2dx%-2d %-8s %7.1f %7.1f %5.2f %8.1f %7.1f %5.2f %6.1f %%\n", zoom, sampleSize, sampleSize,
                    jumping ? "changing" : "resting", bare, event, event / bare, delivery, frame, frame / bare,
                    busyShare * 100.0);
    }
    SendMessageW(mainForm.Handle(), WM_CLOSE, 0, 0);
    forms.DispatchPending();
}

// From F to the frozen view on the screen: every monitor copied once, the view shown and painted.
void TimeFreeze() {
    constexpr int kFreezes = 20;
    double total = 0;
    for (int index = 0; index < kFreezes; ++index) {
        tintrel::PickView view;
        const double start = Seconds();
        view.ShowFrozen(nullptr);
        GdiFlush();
        total += Seconds() - start;
        view.Hide();
    }
    std::printf("F to the frozen view on a %dx%d screen: %.1f ms\n", GetSystemMetrics(SM_CXVIRTUALSCREEN),
                GetSystemMetrics(SM_CYVIRTUALSCREEN), total / kFreezes * 1000.0);
}

// The working set before a frozen pick from anywhere, at its height, and after its end; three times,
// since the first picks also load what every later one reuses.
void MeasureFrozenPickMemory(const std::filesystem::path& directory) {
    WriteSettings(directory, 4, 1);
    tintrel::ApplicationForms forms(directory / "Tintrel.exe");
    forms.Create();
    forms.MainForm.Show();
    forms.DispatchPending();
    for (const char* which : {"first", "second", "third"}) {
        const double before = WorkingSetMegabytes();
        forms.MainForm.StartPickAnywhere(true);
        forms.DispatchPending();
        const double during = WorkingSetMegabytes();
        Tell(tintrel::PickHooks::Event::Cancel);
        forms.DispatchPending();
        const double after = WorkingSetMegabytes();
        std::printf("working set, %s frozen pick: %.1f MB before, %.1f MB frozen, %.1f MB after (%+.2f MB)\n", which,
                    before, during, after, after - before);
    }
    SendMessageW(forms.MainForm.Handle(), WM_CLOSE, 0, 0);
    forms.DispatchPending();
}

}  // namespace

int main() {
    TimeFreeze();
    const std::filesystem::path directory = std::filesystem::temp_directory_path() / "tintrel-sampler-bench";
    std::filesystem::create_directories(directory);
    MeasureFrozenPickMemory(directory);
    const HDC screen = GetDC(nullptr);
    const int refresh = GetDeviceCaps(screen, VREFRESH);
    ReleaseDC(nullptr, screen);
    std::printf(
        "Per pointer event and per shown frame, in us and as a ratio to the bare copy; the share of a core\n"
        "that a %.0f Hz mouse takes with a frame at each of the display's %d Hz:\n"
        "zoom area  colour      bare   event ratio delivery   frame ratio  share\n",
        kMouseHz, refresh > 1 ? refresh : 60);
    for (const int zoom : {4, 32}) {
        for (const int sampleSize : {1, 9}) {
            TimeSetting(directory, zoom, sampleSize, refresh > 1 ? refresh : 60);
        }
    }
    std::filesystem::remove_all(directory);
    return 0;
}
