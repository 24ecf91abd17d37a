// Times the template engine on one format list line of 1,000,000 bytes: labels are built for every line
// when the list loads, and the selected line is expanded on every readout update, so a slow line
// freezes the window. The brace codes also run at half that length, to show the time grows linearly,
// and one readout refresh with a template of every brace code is timed against the web colour's.
#include <cstdio>
#include <string>

#include "bench/bench_clock_win.h"
#include "color/format_template.h"
#include "color/readout_text.h"

namespace {

using tintrel::bench::Seconds;

constexpr std::size_t kLineBytes = 1'000'000;
constexpr int kRefreshes = 20'000;

// Every brace code once, and a few with their own number of decimals.
constexpr const char* kEveryBraceCode =
    "\\{hsl.h} \\{hsl.s} \\{hsl.l} \\{hsv.h} \\{hsv.s} \\{hsv.v} \\{hwb.h} \\{hwb.w} \\{hwb.b} "
    "\\{lab.l} \\{lab.a} \\{lab.b} \\{lch.l} \\{lch.c} \\{lch.h} \\{lab65.l} \\{lab65.a} \\{lab65.b} "
    "\\{oklab.l} \\{oklab.a} \\{oklab.b} \\{oklch.l} \\{oklch.c} \\{oklch.h} \\{xyz.x} \\{xyz.y} \\{xyz.z} "
    "\\{lum} \\{contrast.white} \\{contrast.black} \\{name} \\{hsl.h:2} \\{oklch.l:4} \\{lab.a:9} ";

std::string Repeated(const std::string& piece, std::size_t bytes = kLineBytes) {
    std::string line;
    line.reserve(bytes + piece.size());
    while (line.size() < bytes) {
        line += piece;
    }
    return line;
}

// Seconds per readout refresh with `formatTemplate` selected, the colour changing at every refresh as
// it does while picking.
double RefreshSeconds(const std::string& formatTemplate, const tintrel::TextOptions& options) {
    tintrel::ColorState color;
    std::size_t textBytes = 0;
    const double start = Seconds();
    for (int i = 0; i < kRefreshes; ++i) {
        tintrel::SetColor(color, i % 2 == 0 ? 0x003C2B1A : 0x00102030 + i);
        textBytes += tintrel::ComposeReadout(color, formatTemplate, tintrel::Notation::Decimal,
                                             tintrel::Notation::Decimal, options)
                         .F.size();
    }
    const double elapsed = Seconds() - start;
    return textBytes > 0 ? elapsed / kRefreshes : 0.0;
}

}  // namespace

int main() {
    tintrel::ColorState color;
    tintrel::SetColor(color, 0x003C2B1A);
    const tintrel::TextOptions options;
    const struct {
        const char* name;
        std::string line;
    } lines[] = {
        {"\\W repeated", Repeated("\\W")},
        {"every code repeated", Repeated("\\\\\\RR\\G%\\B3\\C\\M\\Y\\K\\G\\R\\X\x95\x5C")},
        {"every brace code repeated, half the length", Repeated(kEveryBraceCode, kLineBytes / 2)},
        {"every brace code repeated", Repeated(kEveryBraceCode)},
        {"unclosed and unknown brace codes repeated", Repeated("\\{hsl.h\\{foo}\\{lab.l:}\\{\x95\x5C}\\{name")},
    };
    for (const auto& [name, line] : lines) {
        double start = Seconds();
        const std::size_t textSize = tintrel::ExpandFormat(line, color, options).size();
        const double expand = Seconds() - start;
        start = Seconds();
        const std::size_t labelSize = tintrel::FormatLabel(line).size();
        const double label = Seconds() - start;
        std::printf("%zu bytes of %s\n", line.size(), name);
        std::printf("  ExpandFormat %10.3f s (%zu bytes of text)\n", expand, textSize);
        std::printf("  FormatLabel  %10.3f s (%zu bytes of label)\n", label, labelSize);
        std::fflush(stdout);
    }

    const double web = RefreshSeconds(std::string(tintrel::kWebColorTemplate), options);
    const double braces = RefreshSeconds(kEveryBraceCode, options);
    std::printf("One readout refresh (texts only), %d refreshes each\n", kRefreshes);
    std::printf("  #\\RR\\GG\\BB       %10.2f us\n", web * 1e6);
    std::printf("  every brace code %10.2f us (%.1f times as long)\n", braces * 1e6, braces / web);
    return 0;
}
