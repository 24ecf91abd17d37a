#include "persist/profile_document.h"

#include <algorithm>  // std::min
#include <cstdint>
#include <deque>
#include <utility>

#include "base/cp932_text.h"
#include "base/error.h"
#include "persist/profile_line.h"
#include "persist/text_codec.h"

namespace tintrel {
namespace {

using profile_line::Kind;
using profile_line::NameEqual;
using profile_line::NameHash;
using profile_line::NameIndex;
using profile_line::Text;

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kUtf16Mark = "\xFF\xFE";

// Whole lines of the document: a range of the file's text, or a line the program wrote. A run of
// lines that no name reaches (blank lines, comments, duplicate keys, text) is one piece.
struct Piece {
    std::uint64_t begin : 62 = 0;  // offset in the file's text, or index of the written line
    std::uint64_t written : 1 = 0;
    std::uint64_t addLineBreak : 1 = 0;  // the file's last line, which lacked one, now ends in CR LF
    std::uint64_t size = 0;              // of a range of the file's text
};

struct Section {
    Piece header;
    std::vector<Piece> body{};
    // Key name -> index in body of its first key line; made when a name first reaches the section.
    std::unique_ptr<NameIndex> keys{};
    // One past the last entry (a key or text line); new keys go here.
    std::size_t entryEnd = 0;
};

// The line without its line break.
std::string_view LineText(std::string_view line) {
    if (line.ends_with('\n')) {
        line.remove_suffix(1);
    }
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return line;
}

// What a read through the service's 2048-byte buffer returns. The cut never splits a double-byte
// character: a lead byte left alone at the end would turn into a different character on display.
std::string CutToBuffer(std::string_view value) {
    if (value.size() <= ProfileDocument::kMaxValueBytes) {
        return std::string(value);
    }
    std::size_t end = 0;
    while (end + Cp932CharLength(value, end) <= ProfileDocument::kMaxValueBytes) {
        end += Cp932CharLength(value, end);
    }
    return std::string(value.substr(0, end));
}

std::string Concat(std::string_view first, std::string_view second, std::string_view third) {
    std::string text;
    text.reserve(first.size() + second.size() + third.size() + kCrLf.size());
    return text.append(first).append(second).append(third);
}

// A zero byte would make the whole file one whose encoding cannot be told.
bool HoldsBreakOrZero(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != text.npos;
}

// A write must read back as written, and a value must never add lines, sections or keys of its own:
// the header and the key line are parsed back to check that they give the same names. A key with an
// empty name is refused: a section listing does not count it (Wine's even hides the keys after it), so
// it would make a section that holds nothing for the program.
void CheckStorable(std::string_view section, std::string_view key, std::string_view value, Text encoding) {
    const std::string headerText = Concat("[", section, "]");
    const std::string keyText = Concat(key, "=", "");
    const auto header = profile_line::Parse(headerText, encoding);
    const auto keyLine = profile_line::Parse(keyText, encoding);
    const bool storable = !key.empty() && !HoldsBreakOrZero(section) && !HoldsBreakOrZero(key) &&
                          !HoldsBreakOrZero(value) && header.kind == Kind::kHeader && header.name == section &&
                          keyLine.kind == Kind::kKey && keyLine.name == key;
    if (!storable) {
        throw Error("profile file: a section, key or value that the file cannot hold");
    }
}

// UTF-16 file bytes after the mark, little-endian, as generalised UTF-8, converted in slices so that
// no copy of the whole file is made on the way.
std::string Utf16FileText(std::string_view bytes) {
    constexpr std::size_t kSliceUnits = 1 << 16;
    std::string text;
    text.reserve(bytes.size() / 2);
    std::u16string units;
    for (std::size_t pos = 0; pos < bytes.size();) {
        units.clear();
        while (pos < bytes.size() && units.size() < kSliceUnits) {
            units += static_cast<char16_t>(static_cast<unsigned char>(bytes[pos]) |
                                           static_cast<unsigned char>(bytes[pos + 1]) << 8);
            pos += 2;
        }
        // A surrogate pair stays together.
        if (pos < bytes.size() && units.back() >= 0xD800 && units.back() <= 0xDBFF) {
            units.pop_back();
            pos -= 2;
        }
        text += Utf16ToWtf8(units);
    }
    return text;
}

// Appends `text` as UTF-16 bytes, little-endian, converted in slices of whole characters.
void AppendUtf16(std::string& bytes, std::string_view text) {
    constexpr std::size_t kSliceBytes = 1 << 16;
    while (!text.empty()) {
        std::size_t end = std::min(text.size(), kSliceBytes);
        while (end < text.size() && end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            --end;
        }
        end = end == 0 ? text.size() : end;
        for (const char16_t unit : Wtf8ToUtf16(text.substr(0, end))) {
            bytes += static_cast<char>(unit & 0xFF);
            bytes += static_cast<char>(unit >> 8);
        }
        text.remove_prefix(end);
    }
}

}  // namespace

struct ProfileDocument::Content {
    Text encoding = Text::kCp932;
    std::string text;                 // the file's text, never changed
    std::deque<std::string> written;  // lines the program wrote, each with its CR LF; never moved
    std::vector<Piece> preamble;      // lines before the first header: no name reaches them
    std::vector<Section> sections;
    NameIndex sectionIndex{0, NameHash{Text::kCp932}, NameEqual{Text::kCp932}};  // of the first of a name

    std::string_view TextOf(const Piece& piece) const {
        return piece.written ? std::string_view(written[piece.begin])
                             : std::string_view(text).substr(piece.begin, piece.size);
    }

    Piece Write(std::string line) {
        written.push_back(std::move(line).append(kCrLf));
        return Piece{.begin = written.size() - 1, .written = 1};
    }

    profile_line::Parts ParseLine(const Piece& line) const {
        return profile_line::Parse(LineText(TextOf(line)), encoding);
    }

    bool EndsWithLineBreak(const Piece& piece) const {
        const std::string_view line = TextOf(piece);
        return piece.addLineBreak || line.ends_with('\r') || line.ends_with('\n');
    }

    // A name argument in the document's encoding.
    std::string Argument(std::string_view name) const { return Encode(profile_line::Trim(name, " ")); }

    std::string Encode(std::string_view cp932) const {
        return encoding == Text::kCp932 ? std::string(cp932) : Utf16ToWtf8(Cp932ToUtf16(cp932));
    }

    // The first section of the name, its body indexed on first use: a large file of many sections
    // is read for a few of them.
    Section* Find(std::string_view name) {
        const auto found = sectionIndex.find(name);
        if (found == sectionIndex.end()) {
            return nullptr;
        }
        Section& section = sections[found->second];
        if (!section.keys) {
            IndexBody(section);
        }
        return &section;
    }

    // Calls visit(line, text without its break) for each line of `piece`.
    template <class Visit>
    void ForEachLine(const Piece& piece, Visit visit) const {
        if (piece.written) {
            visit(piece, LineText(TextOf(piece)));
            return;
        }
        const std::uint64_t end = piece.begin + piece.size;
        for (std::uint64_t start = piece.begin; start < end;) {
            std::uint64_t stop = std::min<std::uint64_t>(text.find_first_of("\r\n", start), end);
            if (stop < end) {
                stop += text[stop] == '\r' && stop + 1 < end && text[stop + 1] == '\n' ? 2 : 1;
            }
            const Piece line{
                .begin = start, .addLineBreak = stop == end ? piece.addLineBreak : 0u, .size = stop - start};
            visit(line, LineText(TextOf(line)));
            start = stop;
        }
    }

    // Appends `line` to `pieces`, into the last piece when `joins` and the line continues that range of
    // the file.
    static void AppendLine(std::vector<Piece>& pieces, const Piece& line, bool joins) {
        if (joins && !pieces.empty()) {
            Piece& last = pieces.back();
            if (!last.written && !line.written && !last.addLineBreak && last.begin + last.size == line.begin) {
                last.size += line.size;
                last.addLineBreak = line.addLineBreak;
                return;
            }
        }
        pieces.push_back(line);
    }

    // Splits the body into the key lines that names reach and runs of the other lines, and indexes them.
    void IndexBody(Section& section) const {
        std::vector<Piece> lines = std::move(section.body);
        section.body.clear();
        section.keys = std::make_unique<NameIndex>(0, NameHash{encoding}, NameEqual{encoding});
        section.entryEnd = 0;
        bool inRun = false;
        std::uint64_t lastEntryStop = 0;  // where the last entry ends when it lies inside a run
        for (const Piece& piece : lines) {
            ForEachLine(piece, [&](const Piece& line, std::string_view lineText) {
                const auto parts = profile_line::Parse(lineText, encoding);
                const bool reached = parts.kind == Kind::kKey && !section.keys->contains(parts.name);
                if (reached) {
                    section.keys->emplace(parts.name, section.body.size());
                    section.body.push_back(line);
                } else {
                    AppendLine(section.body, line, inRun);
                }
                inRun = !reached;
                if (parts.kind == Kind::kKey || parts.kind == Kind::kText) {
                    section.entryEnd = section.body.size();
                    lastEntryStop = reached ? 0 : line.begin + line.size;
                }
            });
        }
        SplitAfterLastEntry(section, lastEntryStop);
    }

    // The last entry lies inside a run: the run is cut after it, where new keys go.
    static void SplitAfterLastEntry(Section& section, std::uint64_t lastEntryStop) {
        if (lastEntryStop == 0) {
            return;
        }
        Piece& run = section.body[section.entryEnd - 1];
        if (run.written || lastEntryStop >= run.begin + run.size) {
            return;
        }
        const Piece rest{
            .begin = lastEntryStop, .addLineBreak = run.addLineBreak, .size = run.begin + run.size - lastEntryStop};
        run.size = lastEntryStop - run.begin;
        run.addLineBreak = 0;
        section.body.insert(section.body.begin() + static_cast<std::ptrdiff_t>(section.entryEnd), rest);
    }

    void IndexSections() {
        sectionIndex = NameIndex(sections.size(), NameHash{encoding}, NameEqual{encoding});
        for (std::size_t index = 0; index < sections.size(); ++index) {
            sectionIndex.try_emplace(ParseLine(sections[index].header).name, index);
        }
    }

    // Splits the file's text into the lines before the first header and sections of whole runs.
    void Parse() {
        std::vector<Piece>* body = &preamble;
        std::uint64_t runStart = 0;
        ForEachLine(Piece{.size = text.size()}, [&](const Piece& line, std::string_view lineText) {
            if (profile_line::Parse(lineText, encoding).kind != Kind::kHeader) {
                return;
            }
            if (line.begin > runStart) {
                body->push_back(Piece{.begin = runStart, .size = line.begin - runStart});
            }
            sections.push_back(Section{.header = line});
            body = &sections.back().body;
            runStart = line.begin + line.size;
        });
        if (text.size() > runStart) {
            body->push_back(Piece{.begin = runStart, .size = text.size() - runStart});
        }
        IndexSections();
    }

    Piece* LastPiece() {
        if (!sections.empty()) {
            Section& last = sections.back();
            return last.body.empty() ? &last.header : &last.body.back();
        }
        return preamble.empty() ? nullptr : &preamble.back();
    }
};

ProfileDocument::ProfileDocument() : content_(std::make_unique<Content>()) {}

ProfileDocument::ProfileDocument(std::string bytes) : ProfileDocument() {
    content_->text = std::move(bytes);
    content_->Parse();
}

std::optional<ProfileDocument> ProfileDocument::FromFileBytes(std::string bytes) {
    if (bytes.starts_with(kUtf16Mark)) {
        if (bytes.size() % 2 != 0) {
            return std::nullopt;
        }
        ProfileDocument document;
        document.content_->encoding = Text::kWtf8;
        document.content_->text = Utf16FileText(std::string_view(bytes).substr(kUtf16Mark.size()));
        std::string().swap(bytes);
        document.content_->Parse();
        return document;
    }
    if (bytes.starts_with("\xFE\xFF") || bytes.find('\0') != bytes.npos) {
        return std::nullopt;
    }
    return ProfileDocument(std::move(bytes));
}

ProfileDocument::ProfileDocument(ProfileDocument&&) noexcept = default;
ProfileDocument& ProfileDocument::operator=(ProfileDocument&&) noexcept = default;
ProfileDocument::~ProfileDocument() = default;

std::optional<std::string> ProfileDocument::Value(std::string_view section, std::string_view key) const {
    const Section* found = content_->Find(content_->Argument(section));
    if (found == nullptr) {
        return std::nullopt;
    }
    const auto keyLine = found->keys->find(content_->Argument(key));
    if (keyLine == found->keys->end()) {
        return std::nullopt;
    }
    const std::string_view value = profile_line::Unquote(content_->ParseLine(found->body[keyLine->second]).value);
    if (content_->encoding == Text::kCp932) {
        return CutToBuffer(value);
    }
    // Every character gives at least one byte of code page 932 and takes at most four bytes here.
    std::size_t end = std::min(value.size(), 4 * kMaxValueBytes + 4);
    while (end < value.size() && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80) {
        --end;
    }
    return CutToBuffer(Utf16ToCp932(Wtf8ToUtf16(value.substr(0, end))));
}

std::string ProfileDocument::ValueAsWritten(std::string_view value) {
    return CutToBuffer(profile_line::Unquote(profile_line::Trim(value, " \t\v")));
}

bool ProfileDocument::HasKeys(std::string_view section) const {
    // As the service's listing of a section's keys: lines without "=" and comments are none (Windows and
    // Wine agree). A key with an empty name ("=v") is not counted either: how Windows lists it is
    // unverified, and Wine lists it as an empty name that makes a listing starting with it read as
    // empty. Left uncounted, a section holding only such lines is kept, and a named key still counts.
    const Section* found = content_->Find(content_->Argument(section));
    return found != nullptr && found->keys->size() > found->keys->count(std::string_view());
}

void ProfileDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    Content& content = *content_;
    section = profile_line::Trim(section, " ");
    key = profile_line::Trim(key, " ");
    CheckStorable(section, key, value, Text::kCp932);
    const std::string fileSection = content.Encode(section);
    const std::string fileKey = content.Encode(key);
    const std::string fileValue = content.Encode(value);
    if (content.encoding != Text::kCp932) {
        CheckStorable(fileSection, fileKey, fileValue, content.encoding);
    }

    Section* found = content.Find(fileSection);
    if (found == nullptr) {
        if (Piece* last = content.LastPiece(); last != nullptr && !content.EndsWithLineBreak(*last)) {
            last->addLineBreak = 1;
        }
        Section added{.header = content.Write(Concat("[", fileSection, "]"))};
        added.keys = std::make_unique<NameIndex>(0, NameHash{content.encoding}, NameEqual{content.encoding});
        added.body.push_back(content.Write(Concat(fileKey, "=", fileValue)));
        added.keys->emplace(content.ParseLine(added.body.back()).name, 0);
        added.entryEnd = 1;
        content.sectionIndex.emplace(content.ParseLine(added.header).name, content.sections.size());
        content.sections.push_back(std::move(added));
        return;
    }

    if (const auto existing = found->keys->find(fileKey); existing != found->keys->end()) {
        // The line keeps the file's spelling of the name; the index still names its old text, which stays.
        Piece& line = found->body[existing->second];
        line = content.Write(Concat(content.ParseLine(line).name, "=", fileValue));
        return;
    }
    Piece& before = found->entryEnd == 0 ? found->header : found->body[found->entryEnd - 1];
    if (!content.EndsWithLineBreak(before)) {
        before.addLineBreak = 1;
    }
    const Piece line = content.Write(Concat(fileKey, "=", fileValue));
    found->body.insert(found->body.begin() + static_cast<std::ptrdiff_t>(found->entryEnd), line);
    found->keys->emplace(content.ParseLine(line).name, found->entryEnd);
    ++found->entryEnd;
}

void ProfileDocument::EraseSection(std::string_view section) {
    Content& content = *content_;
    const auto found = content.sectionIndex.find(content.Argument(section));
    if (found == content.sectionIndex.end()) {
        return;
    }
    const std::size_t index = found->second;
    std::vector<Piece>& before = index == 0 ? content.preamble : content.sections[index - 1].body;
    const std::size_t firstMoved = before.size();
    for (const Piece& piece : content.sections[index].body) {
        content.ForEachLine(piece, [&](const Piece& line, std::string_view lineText) {
            if (profile_line::Parse(lineText, content.encoding).kind == Kind::kComment) {
                Content::AppendLine(before, line, before.size() > firstMoved);
            }
        });
    }
    content.sections.erase(content.sections.begin() + static_cast<std::ptrdiff_t>(index));
    content.IndexSections();
}

std::vector<std::string_view> ProfileDocument::Parts(std::string& storage) const {
    std::vector<std::string_view> parts;
    // Pieces that follow each other in the file's text go out as one part.
    const auto add = [&](const Piece& piece) {
        const std::string_view text = content_->TextOf(piece);
        if (!parts.empty() && parts.back().data() + parts.back().size() == text.data() && !text.empty()) {
            parts.back() = std::string_view(parts.back().data(), parts.back().size() + text.size());
        } else {
            parts.push_back(text);
        }
        if (piece.addLineBreak) {
            parts.push_back(kCrLf);
        }
    };
    for (const Piece& piece : content_->preamble) {
        add(piece);
    }
    for (const Section& section : content_->sections) {
        add(section.header);
        for (const Piece& piece : section.body) {
            add(piece);
        }
    }
    if (content_->encoding == Text::kCp932) {
        return parts;
    }
    // Each byte here gives at most one UTF-16 unit.
    std::size_t size = kUtf16Mark.size();
    for (const std::string_view part : parts) {
        size += 2 * part.size();
    }
    storage.clear();
    storage.reserve(size);
    storage.assign(kUtf16Mark);
    for (const std::string_view part : parts) {
        AppendUtf16(storage, part);
    }
    return {storage};
}

std::string ProfileDocument::Bytes() const {
    std::string storage;
    std::string bytes;
    for (const std::string_view part : Parts(storage)) {
        bytes += part;
    }
    return bytes;
}

}  // namespace tintrel
