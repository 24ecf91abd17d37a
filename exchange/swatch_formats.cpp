#include "exchange/swatch_formats.h"

#include <cstdint>
#include <utility>

#include "exchange/big_endian.h"
#include "exchange/colour_spaces.h"
#include "exchange/exchange_messages.h"
#include "exchange/exchange_text.h"

namespace tintrel {

namespace {

using detail::BigEndianReader;
using detail::PutF32;
using detail::PutU16;
using detail::PutU32;

constexpr std::uint16_t kGroupStart = 0xC001;
constexpr std::uint16_t kGroupEnd = 0xC002;
constexpr std::uint16_t kColorEntry = 0x0001;

std::uint32_t Read16(std::string_view bytes, std::size_t pos) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[pos]) << 8 |
                                      static_cast<unsigned char>(bytes[pos + 1]));
}

// A swatch name: its length in UTF-16 units with the closing zero, the units, the zero.
void PutName(std::string& out, std::string_view nameCp932, bool wideLength) {
    const std::string units = Cp932ToUtf16BigEndian(nameCp932);
    const auto length = static_cast<std::uint32_t>(units.size() / 2 + 1);
    if (wideLength) {
        PutU32(out, length);
    } else {
        PutU16(out, length);
    }
    out += units;
    PutU16(out, 0);
}

std::string TakeName(BigEndianReader& reader, std::uint64_t units) {
    std::string_view bytes = reader.TakeClaimed(units * 2);
    if (bytes.size() >= 2 && bytes[bytes.size() - 2] == '\0' && bytes.back() == '\0') {
        bytes.remove_suffix(2);
    }
    return Utf16BigEndianToCp932(bytes);
}

void AddAseBlock(std::string& out, std::uint16_t type, const std::string& body) {
    PutU16(out, type);
    PutU32(out, static_cast<std::uint32_t>(body.size()));
    out += body;
}

ColorRef ReadAseColor(BigEndianReader& block) {
    const std::string_view model = block.Take(4);
    if (model == "RGB ") {
        const double red = block.F32();
        const double green = block.F32();
        const double blue = block.F32();
        return RgbColor(UnitToByte(red), UnitToByte(green), UnitToByte(blue));
    }
    if (model == "CMYK") {
        const double cyan = block.F32();
        const double magenta = block.F32();
        const double yellow = block.F32();
        const double black = block.F32();
        return CmykToColor(cyan, magenta, yellow, black);
    }
    if (model == "LAB ") {
        const double lightness = block.F32();
        const double a = block.F32();
        const double b = block.F32();
        return LabToColor(lightness * 100.0, a, b);
    }
    if (model == "Gray") {
        const int gray = UnitToByte(block.F32());
        return RgbColor(gray, gray, gray);
    }
    throw ExchangeError(std::string(kUnknownColorModel));
}

// The 10 bytes of one colour of a swatch file: the colour space and four 16-bit components.
ColorRef ReadAcoColor(BigEndianReader& reader) {
    const std::uint16_t space = reader.U16();
    const std::uint16_t w = reader.U16();
    const std::uint16_t x = reader.U16();
    const std::uint16_t y = reader.U16();
    const std::uint16_t z = reader.U16();
    switch (space) {
        case 0:
            return RgbColor(UnitToByte(w / 65535.0), UnitToByte(x / 65535.0), UnitToByte(y / 65535.0));
        case 1:
            return HsbToColor(w / 65535.0 * 360.0, x / 65535.0, y / 65535.0);
        case 2:  // 0 is full ink
            return CmykToColor(1.0 - w / 65535.0, 1.0 - x / 65535.0, 1.0 - y / 65535.0, 1.0 - z / 65535.0);
        case 7:
            return LabToColor(w / 100.0, static_cast<std::int16_t>(x) / 100.0, static_cast<std::int16_t>(y) / 100.0);
        case 8: {  // 0 is white, 10000 black
            const int gray = UnitToByte(1.0 - w / 10000.0);
            return RgbColor(gray, gray, gray);
        }
        default:
            throw ExchangeError(std::string(kUnknownColorModel));
    }
}

// True when `section`, a version 2 section, holds every colour and name its count claims.
bool WholeVersion2(std::string_view section) {
    if (section.size() < 4) {
        return false;
    }
    const std::size_t count = Read16(section, 2);
    std::size_t pos = 4;
    for (std::size_t index = 0; index < count; ++index) {
        if (section.size() - pos < 14) {
            return false;
        }
        const std::uint64_t nameBytes =
            (std::uint64_t{Read16(section, pos + 10)} << 16 | Read16(section, pos + 12)) * 2;
        pos += 14;
        if (nameBytes > section.size() - pos) {
            return false;
        }
        pos += static_cast<std::size_t>(nameBytes);
    }
    return true;
}

}  // namespace

std::string WriteAse(const std::vector<ExchangePage>& pages) {
    std::string out = "ASEF";
    PutU16(out, 1);
    PutU16(out, 0);
    std::uint32_t blocks = 0;
    std::string body;
    for (const ExchangePage& page : pages) {
        std::string group;
        PutName(group, page.Name, false);
        AddAseBlock(body, kGroupStart, group);
        for (const ColorRef color : page.Colors) {
            std::string swatch;
            PutName(swatch, HexName(color), false);
            swatch += "RGB ";
            const auto value = static_cast<std::uint32_t>(color);
            PutF32(swatch, static_cast<float>((value & 0xFF) / 255.0));
            PutF32(swatch, static_cast<float>((value >> 8 & 0xFF) / 255.0));
            PutF32(swatch, static_cast<float>((value >> 16 & 0xFF) / 255.0));
            PutU16(swatch, 0);  // global
            AddAseBlock(body, kColorEntry, swatch);
        }
        AddAseBlock(body, kGroupEnd, {});
        blocks += static_cast<std::uint32_t>(page.Colors.size()) + 2;
    }
    PutU32(out, blocks);
    return out + body;
}

PaletteFile ReadAse(std::string_view bytes, std::string_view fileName) {
    BigEndianReader reader(bytes);
    if (reader.Take(4) != "ASEF") {
        throw ExchangeError(std::string(kNotAPalette));
    }
    reader.U32();  // version
    const std::uint32_t blockCount = reader.U32();
    // Every block takes at least its 6 header bytes.
    if (blockCount > reader.Remaining() / 6) {
        throw ExchangeError(std::string(kClaimsTooMuch));
    }
    PageGatherer groups;
    ExchangePage loose{PageNameFromFileName(fileName), 0, {}};
    bool inGroup = false;
    for (std::uint32_t index = 0; index < blockCount; ++index) {
        const std::uint16_t type = reader.U16();
        BigEndianReader block(reader.TakeClaimed(reader.U32()));
        if (type == kGroupStart) {
            groups.BeginPage(PageNameFrom(TakeName(block, block.U16())));
            inGroup = true;
        } else if (type == kGroupEnd) {
            inGroup = false;
        } else if (type == kColorEntry) {
            TakeName(block, block.U16());
            const ColorRef color = ReadAseColor(block);
            if (inGroup) {
                groups.Add(color);
            } else {
                loose.Add(color);
            }
        }
    }
    PaletteFile file = std::move(groups).Finish();
    if (!loose.Colors.empty()) {
        file.Pages.insert(file.Pages.begin(), std::move(loose));
        if (file.Pages.size() > kMaxKeptPages) {
            file.Pages.pop_back();
            ++file.PagesNotKept;
        }
    }
    return file;
}

std::string WriteAco(const ExchangePage& page) {
    std::string out;
    for (const std::uint32_t version : {1U, 2U}) {
        PutU16(out, version);
        PutU16(out, static_cast<std::uint32_t>(page.Colors.size()));
        for (const ColorRef color : page.Colors) {
            const auto value = static_cast<std::uint32_t>(color);
            PutU16(out, 0);  // RGB
            PutU16(out, (value & 0xFF) * 257);
            PutU16(out, (value >> 8 & 0xFF) * 257);
            PutU16(out, (value >> 16 & 0xFF) * 257);
            PutU16(out, 0);
            if (version == 2) {
                PutName(out, HexName(color), true);
            }
        }
    }
    return out;
}

PaletteFile ReadAco(std::string_view bytes, std::string_view fileName) {
    BigEndianReader reader(bytes);
    PaletteFile file{{ExchangePage{PageNameFromFileName(fileName), 0, {}}}};
    ExchangePage& page = file.Pages.front();
    const std::uint16_t version = reader.U16();
    if (version != 1 && version != 2) {
        throw ExchangeError(std::string(kNotAPalette));
    }
    std::uint16_t count = reader.U16();
    if (count > reader.Remaining() / 10) {
        throw ExchangeError(std::string(kClaimsTooMuch));
    }
    if (version == 1) {
        for (std::uint16_t index = 0; index < count; ++index) {
            page.Add(ReadAcoColor(reader));
        }
        // Whatever follows that does not start as version 2 does is not ours to read.
        const std::string_view rest = bytes.substr(bytes.size() - reader.Remaining());
        if (rest.empty() || rest[0] != '\0' || (rest.size() >= 2 && rest[1] != '\2')) {
            return file;
        }
        if (!WholeVersion2(rest)) {
            // The colours are all there; only their names, which the palette has no place for, are not.
            file.NamesLost = rest.size() >= 4 ? static_cast<std::size_t>(Read16(rest, 2)) : count;
            return file;
        }
        reader.Take(2);
        count = reader.U16();
        page = ExchangePage{page.Name, 0, {}};
    }
    for (std::uint16_t index = 0; index < count; ++index) {
        page.Add(ReadAcoColor(reader));
        TakeName(reader, reader.U32());
    }
    return file;
}

}  // namespace tintrel
