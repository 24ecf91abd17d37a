// Reads and writes profile files with both the portable layer and the Windows profile-string service
// (Wine's, when run on Linux) and compares the values they give. Files with constructs that Wine reads
// differently from Windows are left out here; the native tests hold what Windows does with them:
// - a header's name ends at its first "]" and a header may lack its "]" (Wine: last "]", no header);
// - a UTF-8 byte-order mark is part of the first line (Wine skips it);
// - a line without "=" is no key, so "k" before "k=5" leaves 5 to be found (Wine stops at "k");
// - keys before the first header belong to no section (Wine: to the section "", which also hides
//   every "[]" section), so no query here names the section "";
// - a named key after one with an empty name ("=v") makes a section hold keys (Wine lists none: a
//   listing that starts with an empty name reads as empty).
#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>    // std::isalpha
#include <iterator>  // std::size
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "persist/profile_file.h"
#include "tests/persist/test_support.h"

namespace tintrel {
namespace {

using test_support::Escaped;
using test_support::ReadBytes;
using test_support::TemporaryDirectory;
using test_support::WriteBytes;

constexpr char kAbsent[] = "\x01(absent)";
constexpr unsigned kSeed = 20240611;

// "" and the double-byte names ア (83 41), 色 (90 46) and ソ (83 5C, whose second byte is "\").
const std::vector<std::string> kSections = {"Pallet", "Tab1", "tab2", "[x", "", "a b", "\x90\x46", "\x83\x41", "#s"};
const std::vector<std::string> kKeys = {"Top", "C_0_0", "c_15_3", "NAME", "", "#k", "a;b", "\x83\x5C", "x y"};

struct Query {
    std::string section;
    std::string key;
};

std::string FlipCase(std::string name) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC)) {
            ++i;  // the second byte of a double-byte character is no letter
        } else if (std::isalpha(byte)) {
            name[i] = static_cast<char>(byte ^ 0x20);
        }
    }
    return name;
}

// The name as it stands, in the other letter case, or padded with spaces.
std::string Variant(const std::string& name, std::size_t which) {
    return which % 3 == 0 ? name : which % 3 == 1 ? FlipCase(name) : "  " + name + " ";
}

// `text` with every byte beyond ASCII made an "x". Wine's ANSI functions convert UTF-16 files with the
// code page 1252 where a Japanese Windows uses 932, so only ASCII compares in those files.
std::string Ascii(std::string text) {
    for (char& c : text) {
        c = static_cast<unsigned char>(c) >= 0x80 ? 'x' : c;
    }
    return text;
}

// Every pool name in every variant (`every`), or one variant per pair, plus absent names; `ascii`:
// the names made ASCII.
std::vector<Query> Queries(bool every, bool ascii = false) {
    std::vector<Query> queries;
    const auto add = [&](const std::string& section, const std::string& key, std::size_t which) {
        if (!section.empty()) {
            queries.push_back(
                {Variant(ascii ? Ascii(section) : section, which), Variant(ascii ? Ascii(key) : key, which / 3)});
        }
    };
    for (std::size_t s = 0; s < kSections.size(); ++s) {
        for (std::size_t k = 0; k < kKeys.size(); ++k) {
            for (std::size_t which = every ? 0 : s + k; which < (every ? 9 : s + k + 1); ++which) {
                add(kSections[s], kKeys[k], which);
            }
        }
        add(kSections[s], "nokey", s);
    }
    add("Nope", "Top", 0);
    return queries;
}

std::string WindowsRead(const std::filesystem::path& path, const Query& query) {
    char buffer[2048];
    const DWORD length = GetPrivateProfileStringA(query.section.c_str(), query.key.c_str(), kAbsent, buffer,
                                                  sizeof buffer, path.string().c_str());
    return std::string(buffer, length);
}

// Compares the values that the layer reads from `ours` with those that Windows reads from
// `windows` (the same file unless given); reports the case once with its first differences.
void CompareReads(const std::vector<Query>& queries,
                  const std::string& description,
                  const std::filesystem::path& ours,
                  const std::filesystem::path& windows = {}) {
    const ProfileFile layer(ours);
    std::string differences;
    int count = 0;
    for (const auto& query : queries) {
        const std::string layerValue = layer.ReadString(query.section, query.key, kAbsent);
        const std::string windowsValue = WindowsRead(windows.empty() ? ours : windows, query);
        if (layerValue != windowsValue && ++count <= 3) {
            differences += "\n  section " + Escaped(query.section) + ", key " + Escaped(query.key) + ": layer " +
                           Escaped(layerValue).substr(0, 80) + ", Windows " + Escaped(windowsValue).substr(0, 80);
        }
    }
    EXPECT_EQ(count, 0) << description << differences;
}

class Generator {
public:
    explicit Generator(bool ascii = false) : ascii_(ascii) {}

    // `emptyHeaders`: whether headers such as "[ ]" (the section "") may occur.
    std::string File(bool emptyHeaders) {
        std::string file;
        const int lines = Pick(0, 12);
        for (int line = 0; line < lines; ++line) {
            file += Line(emptyHeaders);
            file += line + 1 < lines || Pick(0, 3) > 0 ? OneOf({"\r\n", "\r\n", "\r", "\n"}) : "";
        }
        return file;
    }

    std::string Value() {
        if (Pick(0, 30) == 0) {
            return std::string(static_cast<std::size_t>(Pick(2040, 2060)), 'v') + "!";
        }
        std::string value;
        for (int piece = Pick(0, 6); piece > 0; --piece) {
            value += OneOf(
                {"a", "Z", "0", "9", " ", "  ", "\t", ";", "#", "=", "[", "]", "\"", "'", "\x90\x46", "\x83\x5C", "x"});
        }
        return value;
    }

    std::string Section() { return OneOf(kSections); }
    std::string Key() { return OneOf(kKeys); }
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

private:
    std::string OneOf(const std::vector<std::string>& choices) {
        const std::string& choice = choices[static_cast<std::size_t>(Pick(0, static_cast<int>(choices.size()) - 1))];
        return ascii_ ? Ascii(choice) : choice;
    }

    std::string Line(bool emptyHeaders) {
        const auto blanks = [this] { return OneOf({"", "", "", " ", "\t", "  \t", "\v"}); };
        switch (Pick(0, 9)) {
            case 0:
            case 1: {
                const std::string section = Section();
                const std::string name = section.empty() && !emptyHeaders ? "Tab1" : section;
                return blanks() + "[" + blanks() + name + blanks() + "]" + (Pick(0, 4) == 0 ? " junk" : "");
            }
            case 2:
                return blanks() + ";" + Key() + "=" + Value();
            case 3:
                return blanks();
            case 4:
                return blanks() + "not a key";
            default:
                return blanks() + Key() + blanks() + "=" + Value();
        }
    }

    bool ascii_;
    std::mt19937 random_{kSeed};
};

TEST(ProfileDifferential, ReadsTrickyFilesAsWindowsDoes) {
    const std::string files[] = {
        "",
        "\r\n",
        "[[x]\r\nTop=1\r\n[Tab1]\r\nTop=2\r\n",
        ";Top=1\r\n[Pallet]\r\n;Top=2\r\nTop=3\r\n  ;NAME=x\r\n\t;C_0_0=4\r\n",
        "[Pallet]\r\nTop=;x\r\nNAME=a ; b\r\n",
        "[Pallet]\r\n#Top=1\r\nTop=2\r\n[#s]\r\n#k=3\r\n",
        "[Pallet]\r\nTop=  \"   v   \"  \r\nNAME='\"x\"'\r\nC_0_0=\"x'\r\nc_15_3=\"\r\n",
        "[Pallet]\rTop=1\r[Tab1]\nTop=2\n[tab2]\r\nTop=3",
        "[Pallet]\r\nTop=1\r\ntop=2\r\n[PALLET]\r\nNAME=x\r\n",
        " \t[ \tPallet\v ]\r\n \t\vTop \t\v= \t\vtwo  words \t\v\r\n",
        "[Pallet]\r\nTop=" + std::string(3000, 'v') + "\r\n",
        "[Tab1]\r\nNAME=\x90\x46\x82\x50\r\n[\x90\x46]\r\n\x83\x5C=\x83\x5C\r\n",
        "[Pallet]\r\n=v\r\n[a b]\r\nx y=1\r\n",
        "[Pallet] junk\r\nTop=1\r\n\r\n[Tab1]\r\nTop\r\n",
    };
    TemporaryDirectory directory;
    for (std::size_t index = 0; index < std::size(files); ++index) {
        const auto path = directory / ("tricky" + std::to_string(index) + ".ini");
        WriteBytes(path, files[index]);
        CompareReads(Queries(true), "file " + Escaped(files[index]).substr(0, 200), path);
    }
}

// Whether the service lists any key of the section: what "section exists" stands for.
bool WindowsListsKeys(const std::filesystem::path& path, const std::string& section) {
    char buffer[2048];
    return GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer, sizeof buffer, path.string().c_str()) > 0;
}

TEST(ProfileDifferential, FindsTheSectionsThatWindowsListsKeysFor) {
    const std::string bodies[] = {
        "",
        "k=v\r\n",
        "k=\r\n",
        "text without equals\r\n",
        "; k=v\r\n",
        " \t;k=v\r\n",
        "=v\r\n",
        " \t= v\r\n",
        "  \t \r\n",
        "\v\r\n",
        "\r\n\r\n",
        "#k\r\n",
        "text\r\n=v\r\n;c\r\n",
        "text\r\nk=v\r\n",
    };
    TemporaryDirectory directory;
    for (std::size_t index = 0; index < std::size(bodies); ++index) {
        const auto path = directory / ("exists" + std::to_string(index) + ".ini");
        WriteBytes(path, "[Before]\r\nk=1\r\n[Tab6]\r\n" + bodies[index] + "[After]\r\nk=2\r\n");
        EXPECT_EQ(ProfileFile(path).SectionExists("Tab6"), WindowsListsKeys(path, "Tab6"))
            << "section body " << Escaped(bodies[index]);
    }
}

TEST(ProfileDifferential, ReadsRandomFilesAsWindowsDoes) {
    Generator generator;
    TemporaryDirectory directory;
    for (int index = 0; index < 300; ++index) {
        const std::string file = generator.File(true);
        const auto path = directory / ("random" + std::to_string(index) + ".ini");
        WriteBytes(path, file);
        CompareReads(Queries(false),
                     "seed " + std::to_string(kSeed) + ", file " + std::to_string(index) + ": " + Escaped(file), path);
    }
}

// The file in UTF-16 after the byte-order mark FF FE, the only mark that the service honours.
std::string Utf16File(const std::string& cp932) {
    const int length = MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), wide.data(), length);
    return "\xFF\xFE" + std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
}

// Makes the same random changes with the layer and with the service to copies of `file`, and compares
// what both read afterwards.
void CompareWrites(Generator& generator, const TemporaryDirectory& directory, const std::string& file, int index) {
    const auto ours = directory / ("ours" + std::to_string(index) + ".ini");
    const auto windows = directory / ("windows" + std::to_string(index) + ".ini");
    WriteBytes(ours, file);
    WriteBytes(windows, file);
    std::ostringstream description;
    description << "seed " << kSeed << ", file " << index << ": " << Escaped(file) << "\n  changes:";
    ProfileFile layer(ours);
    for (int change = generator.Pick(1, 12); change > 0; --change) {
        std::string section = generator.Pick(0, 5) == 0 ? "New" : generator.Section();
        section = section.empty() ? "Tab1" : section;
        if (generator.Pick(0, 7) == 0) {
            description << " erase " << Escaped(section) << ";";
            layer.EraseSection(section);
            WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, windows.string().c_str());
            continue;
        }
        std::string key = generator.Pick(0, 5) == 0 ? "Fresh" : generator.Key();
        key = key.empty() ? "Fresh" : key;  // the layer refuses a key with an empty name
        const std::string value = generator.Value();
        description << " " << Escaped(section) << "/" << Escaped(key) << "=" << Escaped(value).substr(0, 40) << ";";
        layer.WriteString(section, key, value);
        WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), windows.string().c_str());
    }
    layer.Commit();
    const bool ascii = file.starts_with("\xFF\xFE");
    CompareReads(Queries(false, ascii), description.str(), ours, windows);
    // Windows reads the files that the layer writes as the layer does.
    CompareReads(Queries(false, ascii), description.str(), ours, ours);
    EXPECT_EQ(ReadBytes(ours).starts_with("\xFF\xFE"), file.starts_with("\xFF\xFE")) << "the encoding stays";
}

TEST(ProfileDifferential, WritesValuesThatReadBackAsWindowsWritesThem) {
    Generator generator;
    TemporaryDirectory directory;
    for (int index = 0; index < 150; ++index) {
        // Wine writes the section "" without its header, which joins its keys to the section before.
        CompareWrites(generator, directory, generator.File(false), index);
    }
}

TEST(ProfileDifferential, ReadsAndWritesUtf16FilesAsWindowsDoes) {
    Generator generator(true);
    TemporaryDirectory directory;
    for (int index = 0; index < 100; ++index) {
        const std::string file = Utf16File(generator.File(false));
        const auto path = directory / ("utf16-" + std::to_string(index) + ".ini");
        WriteBytes(path, file);
        CompareReads(Queries(false, true), "UTF-16 file " + std::to_string(index) + ": " + Escaped(file), path);
        CompareWrites(generator, directory, file, index);
    }
}

}  // namespace
}  // namespace tintrel
