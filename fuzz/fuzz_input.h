#pragma once

#include <unistd.h>  // getpid

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tintrel::fuzz {

// A broken promise of the code under test: reported and ended like a sanitizer finding, so that the
// fuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

// A fuzz input cut into fields at the byte 0x1E (record separator), so that seeds can be written by
// hand and the fuzzer can join and split fields with one byte.
class Fields {
public:
    Fields(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

    bool Done() const { return done_; }
    // The next field; empty once every field has been taken.
    std::string_view Next() {
        if (done_) {
            return {};
        }
        const auto end = rest_.find('\x1E');
        const std::string_view field = rest_.substr(0, end);
        done_ = end == rest_.npos;
        rest_.remove_prefix(done_ ? rest_.size() : end + 1);
        return field;
    }

private:
    std::string_view rest_;
    bool done_ = false;
};

// Names worth reading from a profile file: the text between "[" and "]" and before "=" of each line,
// as given and with the other letter case, at most `limit` of them.
inline std::vector<std::string> NamesIn(std::string_view file, std::size_t limit) {
    std::vector<std::string> names;
    const auto add = [&](std::string_view name) {
        if (names.size() + 2 <= limit) {
            names.emplace_back(name);
            std::string flipped(name);
            for (char& c : flipped) {
                c = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ? static_cast<char>(c ^ 0x20) : c;
            }
            names.push_back(std::move(flipped));
        }
    };
    while (!file.empty()) {
        const auto end = file.find_first_of("\r\n");
        const std::string_view line = file.substr(0, end);
        file.remove_prefix(end == file.npos ? file.size() : end + 1);
        if (const auto open = line.find('['); open != line.npos) {
            add(line.substr(open + 1, line.find(']', open) - open - 1));
        }
        if (const auto equals = line.find('='); equals != line.npos) {
            add(line.substr(0, equals));
        }
    }
    return names;
}

// A file for this process to write inputs into: in memory where the system has such a folder, so that
// flushing a save costs nothing.
inline std::filesystem::path ScratchFile(std::string_view name) {
    const std::filesystem::path memory = "/dev/shm";
    const auto folder = std::filesystem::is_directory(memory) ? memory : std::filesystem::temp_directory_path();
    return folder / ("tintrel-fuzz-" + std::to_string(::getpid()) + "-" + std::string(name));
}

}  // namespace tintrel::fuzz
