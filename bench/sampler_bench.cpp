// Times one full sample of the screen as a pointer move over the desktop causes it (capture, pick,
// magnifier repaint, readout, and the paints that follow) against the bare screen copy and pixel read,
// and checks that a sample fits many times into the 1 ms between two events of a 1000 Hz mouse. Both
// are timed with the pointer resting on one colour and with it jumping between two colours at every
// sample, so that every readout text changes; and with the magnifier at 4 and 32 times and with the
// pick averaging 9 by 9 pixels.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <utility>

#include "app/application_win.h"
#include "bench/bench_clock_win.h"
#include "sampler/pick_view_win.h"

namespace {

using tintrel::bench::Seconds;

constexpr int kSamples = 2000;
constexpr int kWidth = 132;
constexpr int kHeight = 68;

// Where the pointer is put before sample `index`: nowhere new when resting, else one of two points of
// different colours in turn (the desktop, and the main window's caption).
void MovePointer(bool jumping, int index) {
    if (jumping) {
        SetCursorPos(index % 2 == 0 ? 600 : 305, 500 - (index % 2) * 285);
    }
}

// GetDC of the screen, one 132 by 68 copy, one pixel read, ReleaseDC: what no sampler can do without.
// `pixelSum` adds up the pixels read, so that the reads cannot be left out.
double BareCopySeconds(bool jumping, unsigned long long& pixelSum) {
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
        pixelSum += GetPixel(memory, kWidth / 2, kHeight / 2);
        ReleaseDC(nullptr, screen);
    }
    const double elapsed = Seconds() - start;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return elapsed;
}

// Times the samples of one magnifier setting, resting and jumping, against the bare copy.
void TimeSetting(const std::filesystem::path& directory, int zoom, int sampleSize) {
    std::FILE* settings = std::fopen((directory / "Tintrel.ini").string().c_str(), "wb");
    std::fprintf(settings, "[Options]\r\nZoom=%d\r\nSample=%d\r\n", zoom, sampleSize);
    std::fclose(settings);
    tintrel::ApplicationForms forms(directory / "Tintrel.exe");
    forms.Create();
    tintrel::TFMain& mainForm = forms.MainForm;
    mainForm.Show();
    forms.DispatchPending();
    // Over the desktop, beside the window.
    SetCursorPos(600, 500);

    const auto perSample = [](double seconds) { return seconds / kSamples * 1e6; };
    for (const bool jumping : {false, true}) {
        unsigned long long pixelSum = 0;
        const double bare = BareCopySeconds(jumping, pixelSum);

        double start = Seconds();
        for (int sample = 0; sample < kSamples; ++sample) {
            MovePointer(jumping, sample);
            mainForm.SampleScreen();
        }
        const double sampleOnly = Seconds() - start;

        start = Seconds();
        for (int sample = 0; sample < kSamples; ++sample) {
            MovePointer(jumping, sample);
            mainForm.SampleScreen();
            forms.DispatchPending();
        }
        const double full = Seconds() - start;

        std::printf("zoom %d, area %dx%d: %d samples of %dx%d pixels, pointer %s (pixel sum %llu, last pick %06lx)\n",
                    zoom, sampleSize, sampleSize, kSamples, kWidth, kHeight,
                    jumping ? "jumping between two colours" : "resting on one colour", pixelSum,
                    static_cast<unsigned long>(mainForm.Color().CurColor));
        std::printf("  bare copy and pixel read      %8.1f us per sample %10.0f per second\n", perSample(bare),
                    kSamples / bare);
        std::printf("  SampleScreen                  %8.1f us per sample %10.0f per second, ratio %5.2f\n",
                    perSample(sampleOnly), kSamples / sampleOnly, sampleOnly / bare);
        std::printf("  SampleScreen and its paints   %8.1f us per sample %10.0f per second, ratio %5.2f\n",
                    perSample(full), kSamples / full, full / bare);
        std::printf("  full samples per 1 ms mouse event interval: %.1f\n", 1000.0 / perSample(full));
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
        view.ShowFrozen();
        GdiFlush();
        total += Seconds() - start;
        view.Hide();
    }
    std::printf("F to the frozen view on a %dx%d screen: %.1f ms\n", GetSystemMetrics(SM_CXVIRTUALSCREEN),
                GetSystemMetrics(SM_CYVIRTUALSCREEN), total / kFreezes * 1000.0);
}

}  // namespace

int main() {
    TimeFreeze();
    const std::filesystem::path directory = std::filesystem::temp_directory_path() / "tintrel-sampler-bench";
    std::filesystem::create_directories(directory);
    for (const auto& [zoom, sampleSize] : {std::pair{4, 1}, std::pair{32, 1}, std::pair{4, 9}}) {
        TimeSetting(directory, zoom, sampleSize);
    }
    std::filesystem::remove_all(directory);
    return 0;
}
