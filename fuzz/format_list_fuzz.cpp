// The format list reader: any file reads, every line break comes out as CR LF and nothing else changes.
#include <filesystem>
#include <fstream>

#include "fuzz/fuzz_input.h"
#include "persist/format_list_file.h"

namespace {

std::string WithoutBreaks(std::string_view text) {
    std::string bytes;
    for (const char c : text) {
        if (c != '\r' && c != '\n') {
            bytes += c;
        }
    }
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static const std::filesystem::path path = tintrel::fuzz::ScratchFile("Tintrel.fmt");
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    const auto text = tintrel::ReadFormatListFile(path);
    std::filesystem::remove(path);
    FUZZ_CHECK(text.has_value());
    // A second byte of a double-byte character is never a CR or LF, so the bytes can be checked alone.
    for (std::size_t pos = 0; pos < text->size(); ++pos) {
        FUZZ_CHECK(((*text)[pos] != '\r' || (pos + 1 < text->size() && (*text)[pos + 1] == '\n')));
        FUZZ_CHECK(((*text)[pos] != '\n' || (pos > 0 && (*text)[pos - 1] == '\r')));
    }
    FUZZ_CHECK(WithoutBreaks(*text) == WithoutBreaks(bytes));
    FUZZ_CHECK(tintrel::NormalizeLineBreaks(*text) == *text);
    return 0;
}
