#include "persist/text_codec.h"

#include <iconv.h>

#include <cerrno>

#include "base/error.h"

namespace tintrel {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {  // NOLINT(performance-no-int-to-ptr): iconv's failure value
            throw Error("iconv cannot convert code page 932");
        }
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `input`; where a unit of `unitSize` bytes cannot be converted, `replacement` is put.
    std::string Convert(std::string_view input, std::size_t unitSize, std::string_view replacement) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        std::string output(input.size() * 2 + 16, '\0');
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        std::size_t filled = 0;
        while (inLeft > 0) {
            char* out = output.data() + filled;
            std::size_t outLeft = output.size() - filled;
            const std::size_t result = iconv(handle_, &in, &inLeft, &out, &outLeft);
            filled = output.size() - outLeft;
            if (result != static_cast<std::size_t>(-1)) {
                break;
            }
            if (errno == E2BIG) {
                output.resize(output.size() * 2);
            } else {
                // An invalid or unmappable unit, or one cut off at the end.
                const std::size_t skipped = std::min(unitSize, inLeft);
                in += skipped;
                inLeft -= skipped;
                output.replace(filled, replacement.size(), replacement);
                filled += replacement.size();
                if (output.size() - filled < 16) {
                    output.resize(output.size() * 2);
                }
            }
        }
        output.resize(filled);
        return output;
    }

private:
    iconv_t handle_;
};

}  // namespace

std::u16string Cp932ToUtf16(std::string_view text) {
    static Converter converter("UTF-16LE", "CP932");
    const std::string bytes = converter.Convert(text, 1, std::string_view("?\0", 2));
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t index = 0; index < units.size(); ++index) {
        units[index] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * index]) |
                                             static_cast<unsigned char>(bytes[2 * index + 1]) << 8);
    }
    return units;
}

std::string Utf16ToCp932(std::u16string_view text) {
    static Converter converter("CP932", "UTF-16LE");
    std::string bytes(text.size() * 2, '\0');
    for (std::size_t index = 0; index < text.size(); ++index) {
        bytes[2 * index] = static_cast<char>(text[index] & 0xFF);
        bytes[2 * index + 1] = static_cast<char>(text[index] >> 8);
    }
    return converter.Convert(bytes, 2, "?");
}

}  // namespace tintrel
