// The profile-file reader and editor. Field 1 is the file; each further field is a change: "E" and a
// section name erases it, otherwise section, key and value separated by 0x1F are written. Checks that
// an unchanged file gives back its bytes, that a value written reads back when the rules let it, and
// that the bytes written parse to a document that reads as the edited one did.

#include "base/error.h"
#include "fuzz/fuzz_input.h"
#include "persist/profile_document.h"
#include "persist/text_codec.h"

namespace {

using tintrel::ProfileDocument;

// Values that the file gives back as written: no blanks at the ends, no enclosing quotes, short enough.
bool ReadsBack(std::string_view value, bool utf16) {
    const bool blankEnd = !value.empty() && (std::string_view(" \t\v").find(value.front()) != std::string_view::npos ||
                                             std::string_view(" \t\v").find(value.back()) != std::string_view::npos);
    const bool quoted =
        value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
    const bool keepsItsCode = !utf16 || tintrel::Utf16ToCp932(tintrel::Cp932ToUtf16(value)) == value;
    return !blankEnd && !quoted && keepsItsCode && value.size() <= ProfileDocument::kMaxValueBytes;
}

std::vector<std::string_view> Split(std::string_view field) {
    std::vector<std::string_view> parts;
    for (std::size_t pos = 0;;) {
        const auto end = field.find('\x1F', pos);
        parts.push_back(field.substr(pos, end - pos));
        if (end == field.npos || parts.size() == 3) {
            return parts;
        }
        pos = end + 1;
    }
}

void ExpectSameReads(const ProfileDocument& first,
                     const ProfileDocument& second,
                     const std::vector<std::string>& names) {
    for (const auto& section : names) {
        FUZZ_CHECK(first.HasKeys(section) == second.HasKeys(section));
        for (const auto& key : names) {
            const auto value = first.Value(section, key);
            FUZZ_CHECK(value == second.Value(section, key));
            FUZZ_CHECK(!value || value->size() <= ProfileDocument::kMaxValueBytes);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tintrel::fuzz::Fields fields(data, size);
    const std::string file(fields.Next());
    auto document = ProfileDocument::FromFileBytes(file);
    if (!document) {
        const bool utf16 = file.starts_with("\xFF\xFE");
        FUZZ_CHECK((utf16 && file.size() % 2 != 0) ||
                   (!utf16 && (file.starts_with("\xFE\xFF") || file.find('\0') != file.npos)));
        return 0;
    }
    const bool utf16 = file.starts_with("\xFF\xFE");
    FUZZ_CHECK(document->Bytes() == file);

    std::u16string units;
    for (std::size_t pos = 2; utf16 && pos < file.size(); pos += 2) {
        units += static_cast<char16_t>(static_cast<unsigned char>(file[pos]) | static_cast<unsigned char>(file[pos + 1])
                                                                                   << 8);
    }
    std::vector<std::string> names = tintrel::fuzz::NamesIn(utf16 ? tintrel::Utf16ToCp932(units) : file, 24);
    names.push_back("Pallet");
    while (!fields.Done()) {
        const std::string_view change = fields.Next();
        if (change.starts_with('E')) {
            document->EraseSection(change.substr(1));
            names.emplace_back(change.substr(1));
            continue;
        }
        const auto parts = Split(change);
        const std::string_view section = parts[0];
        const std::string_view key = parts.size() > 1 ? parts[1] : "";
        const std::string_view value = parts.size() > 2 ? parts[2] : "";
        names.emplace_back(section);
        names.emplace_back(key);
        try {
            document->Set(section, key, value);
        } catch (const tintrel::Error&) {
            continue;
        }
        if (ReadsBack(value, utf16)) {
            FUZZ_CHECK(document->Value(section, key) == std::string(value));
        }
        FUZZ_CHECK(document->HasKeys(section));
    }
    const auto written = ProfileDocument::FromFileBytes(document->Bytes());
    FUZZ_CHECK(written.has_value());
    FUZZ_CHECK(written->Bytes() == document->Bytes());
    ExpectSameReads(*document, *written, names);
    return 0;
}
