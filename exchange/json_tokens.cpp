// Design-token files read with a small JSON reader of our own that keeps nothing but the colours: a large
// file costs little more memory than its bytes, and nesting is bounded so that no file can exhaust the stack.
#include <algorithm>
#include <charconv>
#include <string>

#include "base/decimal_parse.h"
#include "exchange/exchange_messages.h"
#include "exchange/exchange_text.h"
#include "exchange/web_palettes.h"

namespace tintrel {

namespace {

constexpr int kMaxDepth = 100;

class JsonReader {
public:
    explicit JsonReader(std::string_view text) : text_(text) {
        if (text_.starts_with("\xEF\xBB\xBF")) {
            pos_ = 3;
        }
    }

    // The next character that is not white space, left in place; 0 at the end.
    char Peek() {
        while (pos_ < text_.size() &&
               (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' || text_[pos_] == '\r')) {
            ++pos_;
        }
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void Expect(char c) {
        if (Peek() != c) {
            Fail();
        }
        ++pos_;
    }
    // Takes `c` when it comes next.
    bool Accept(char c) {
        if (Peek() != c) {
            return false;
        }
        ++pos_;
        return true;
    }
    bool AtEnd() { return Peek() == '\0'; }

    // A string, its escapes undone, as UTF-8.
    std::string String() {
        Expect('"');
        std::string out;
        while (true) {
            if (pos_ >= text_.size() || static_cast<unsigned char>(text_[pos_]) < 0x20) {
                Fail();
            }
            const char c = text_[pos_++];
            if (c == '"') {
                return out;
            }
            if (c != '\\') {
                out += c;
            } else {
                Escape(out);
            }
        }
    }

    double Number() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && std::string_view("+-0123456789.eE").find(text_[pos_]) != std::string_view::npos) {
            ++pos_;
        }
        const auto value = ParseDecimal(text_.substr(start, pos_ - start));
        if (!value) {
            Fail();
        }
        return *value;
    }

    void Literal() {
        for (const std::string_view word : {"true", "false", "null"}) {
            if (text_.compare(pos_, word.size(), word) == 0) {
                pos_ += word.size();
                return;
            }
        }
        Fail();
    }

    void SkipValue(int depth) {
        if (depth > kMaxDepth) {
            Fail();
        }
        const char c = Peek();
        if (c == '{' || c == '[') {
            ++pos_;
            const char close = c == '{' ? '}' : ']';
            if (Accept(close)) {
                return;
            }
            do {
                if (c == '{') {
                    String();
                    Expect(':');
                }
                SkipValue(depth + 1);
            } while (Accept(','));
            Expect(close);
        } else if (c == '"') {
            String();
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            Number();
        } else {
            Literal();
        }
    }

    // Refuses the file, naming the line where reading stopped.
    [[noreturn]] void Fail() const {
        const auto line = std::count(text_.begin(), text_.begin() + static_cast<std::ptrdiff_t>(pos_), '\n') + 1;
        throw ExchangeError(std::string(kFileLinePrefix) + std::to_string(line) + std::string(kLineUnreadable));
    }

private:
    void Escape(std::string& out) {
        if (pos_ >= text_.size()) {
            Fail();
        }
        const char c = text_[pos_++];
        const std::string_view simple = "\"\\/bfnrt";
        const std::string_view meant = "\"\\/\b\f\n\r\t";
        if (const auto at = simple.find(c); at != std::string_view::npos) {
            out += meant[at];
            return;
        }
        if (c != 'u') {
            Fail();
        }
        std::uint32_t unit = Hex4();
        if (unit >= 0xD800 && unit < 0xDC00 && text_.compare(pos_, 2, "\\u") == 0) {
            pos_ += 2;
            const std::uint32_t low = Hex4();
            unit = low >= 0xDC00 && low < 0xE000 ? 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00) : '?';
        } else if (unit >= 0xD800 && unit < 0xE000) {
            unit = '?';
        }
        AppendUtf8(out, unit);
    }

    std::uint32_t Hex4() {
        std::uint32_t value = 0;
        if (text_.size() - pos_ < 4 ||
            std::from_chars(text_.data() + pos_, text_.data() + pos_ + 4, value, 16).ptr != text_.data() + pos_ + 4) {
            Fail();
        }
        pos_ += 4;
        return value;
    }

    static void AppendUtf8(std::string& out, std::uint32_t code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | code >> 6);
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | code >> 12);
            out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | code >> 18);
            out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// What a token's "$value" says of its colour.
struct TokenValue {
    bool LooksLikeColor = false;  // a colour text, or an object with a colour space or components
    bool IsAlias = false;
    std::optional<ColorRef> Color;
};

TokenValue ReadObjectValue(JsonReader& json, int depth) {
    TokenValue value;
    std::string space;
    double components[3] = {};
    std::size_t componentCount = 0;
    bool componentsRead = true;
    std::optional<ColorRef> hex;
    json.Expect('{');
    if (!json.Accept('}')) {
        do {
            const std::string key = json.String();
            json.Expect(':');
            if (key == "colorSpace" && json.Peek() == '"') {
                space = json.String();
                value.LooksLikeColor = true;
            } else if (key == "components" && json.Accept('[')) {
                value.LooksLikeColor = true;
                if (!json.Accept(']')) {
                    do {
                        if (json.Peek() == '"') {
                            componentsRead = json.String() == "none" && componentsRead;
                        } else if (json.Peek() == '-' || (json.Peek() >= '0' && json.Peek() <= '9')) {
                            const double number = json.Number();
                            if (componentCount < 3) {
                                components[componentCount] = number;
                            }
                        } else {
                            json.SkipValue(depth + 1);
                            componentsRead = false;
                        }
                        ++componentCount;
                    } while (json.Accept(','));
                    json.Expect(']');
                }
            } else if (key == "hex" && json.Peek() == '"') {
                hex = ParseCssColor(json.String());
            } else {
                json.SkipValue(depth + 1);
            }
        } while (json.Accept(','));
        json.Expect('}');
    }
    if (space == "srgb" && componentCount == 3 && componentsRead) {
        value.Color = RgbColor(UnitToByte(components[0]), UnitToByte(components[1]), UnitToByte(components[2]));
    } else {
        value.Color = hex;
    }
    return value;
}

TokenValue ReadTokenValue(JsonReader& json, int depth) {
    if (json.Peek() == '{') {
        return ReadObjectValue(json, depth);
    }
    if (json.Peek() != '"') {
        json.SkipValue(depth);
        return {};
    }
    const std::string text = json.String();
    TokenValue value;
    value.Color = ParseCssColor(text);
    value.LooksLikeColor = value.Color.has_value();
    value.IsAlias = text.starts_with('{');
    return value;
}

class TokenWalker {
public:
    TokenWalker(std::string_view text, std::string_view fileName)
        : json_(text), fileNamed_(PageNameFromFileName(fileName)) {}

    PaletteFile Walk() {
        if (json_.Peek() != '{') {
            json_.Fail();
        }
        Group(std::string(), std::string(), 0, 0);
        if (!json_.AtEnd()) {
            json_.Fail();
        }
        return std::move(pages_).Finish();
    }

private:
    // An object named `name`: a token when it has "$value", otherwise a group of tokens and groups. A
    // token's colour goes to the page of the group holding it, `parentName`, told apart from every other
    // object by `parentId`.
    void Group(const std::string& name, const std::string& parentName, std::size_t parentId, int depth) {
        const std::size_t id = ++objects_;
        bool hasValue = false;
        TokenValue value;
        std::optional<std::string> type;
        json_.Expect('{');
        if (!json_.Accept('}')) {
            do {
                const std::string key = json_.String();
                json_.Expect(':');
                if (key == "$value") {
                    hasValue = true;
                    value = ReadTokenValue(json_, depth + 1);
                } else if (key == "$type" && json_.Peek() == '"') {
                    type = json_.String();
                } else if (!key.starts_with('$') && json_.Peek() == '{') {
                    if (depth + 1 > kMaxDepth) {
                        json_.Fail();
                    }
                    Group(key, name, id, depth + 1);
                } else {
                    json_.SkipValue(depth + 1);
                }
            } while (json_.Accept(','));
            json_.Expect('}');
        }
        const bool colorToken = type ? *type == "color" : value.LooksLikeColor;
        if (!hasValue || !colorToken || value.IsAlias) {
            return;
        }
        if (!value.Color) {
            throw ExchangeError(std::string(kUnknownColorModel));
        }
        if (parentId != lastGroup_) {
            lastGroup_ = parentId;
            pages_.BeginPage(parentName.empty() ? fileNamed_ : PageNameFrom(Utf8ToCp932(parentName)));
        }
        pages_.Add(*value.Color);
    }

    JsonReader json_;
    std::string fileNamed_;
    PageGatherer pages_;
    std::size_t objects_ = 0;
    std::size_t lastGroup_ = static_cast<std::size_t>(-1);
};

}  // namespace

PaletteFile ReadJson(std::string_view text, std::string_view fileName) {
    return TokenWalker(text, fileName).Walk();
}

}  // namespace tintrel
