// How much memory loading and saving a large profile file takes, counted at the allocator: this
// program replaces the global operator new and delete.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "persist/profile_file.h"
#include "tests/persist/test_support.h"

namespace {

// Live bytes and their peak since the last ResetPeak().
std::size_t live = 0;
std::size_t peak = 0;

constexpr std::size_t kHeader = alignof(std::max_align_t);

void* Allocate(std::size_t size) {
    auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    *reinterpret_cast<std::size_t*>(block) = size;
    live += size;
    peak = std::max(peak, live);
    return block + kHeader;
}

void Free(void* pointer) noexcept {
    if (pointer != nullptr) {
        auto* block = static_cast<unsigned char*>(pointer) - kHeader;
        live -= *reinterpret_cast<std::size_t*>(block);
        std::free(block);
    }
}

}  // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* pointer) noexcept {
    Free(pointer);
}
void operator delete[](void* pointer) noexcept {
    Free(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
    Free(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept {
    Free(pointer);
}

namespace tintrel {
namespace {

using test_support::TemporaryDirectory;
using test_support::WriteBytes;

std::string Utf16(std::string_view ascii) {
    std::string bytes = "\xFF\xFE";
    for (const char c : ascii) {
        bytes += {c, '\0'};
    }
    return bytes;
}

TEST(ProfileMemory, LoadingAndSavingALargeFileTakeASmallMultipleOfItsSize) {
    constexpr std::size_t kSize = 2 << 20;
    const std::string big(kSize, 'v');
    const struct {
        std::string shape;
        std::string file;
        double limit;  // peak bytes allocated while loading and saving, per byte of the file
    } cases[] = {
        {"one long value", "[s]\r\nk=" + big + "\r\n", 1.2},
        {"one long key name", "[s]\r\n" + big + "=1\r\n", 1.2},
        {"one long header", "[" + big + "]\r\nk=1\r\n", 1.2},
        {"only line breaks", "[s]\r\nk=1\r\n" + std::string(kSize, '\n'), 1.2},
        {"UTF-16", Utf16("[s]\r\nk=" + big.substr(kSize / 2) + "\r\n"), 3.0},
    };
    for (const auto& [shape, file, limit] : cases) {
        TemporaryDirectory directory;
        const auto path = directory / "Tintrel.ini";
        WriteBytes(path, file);
        const std::size_t before = live;
        peak = live;
        {
            ProfileFile profile(path);
            EXPECT_EQ(profile.ReadInteger("s", "k", 2), shape == "only line breaks" ? 1 : 2) << shape;
            profile.WriteInteger("s", "added", 1);
            profile.Commit();
        }
        const double used = static_cast<double>(peak - before) / static_cast<double>(file.size());
        EXPECT_LE(used, limit) << shape << ": " << used << " bytes per byte of a file of " << file.size();
    }
}

}  // namespace
}  // namespace tintrel
