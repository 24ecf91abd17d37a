// Times the template engine on one format list line of 1,000,000 bytes: labels are built for every line
// when the list loads, and the selected line is expanded on every readout update, so a slow line
// freezes the window.
#include <cstdio>
#include <string>

#include "bench/bench_clock_win.h"
#include "color/format_template.h"

namespace {

using tintrel::bench::Seconds;

constexpr std::size_t kLineBytes = 1'000'000;

std::string Repeated(const std::string& piece) {
    std::string line;
    line.reserve(kLineBytes + piece.size());
    while (line.size() < kLineBytes) {
        line += piece;
    }
    return line;
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
    return 0;
}
