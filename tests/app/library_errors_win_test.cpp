// The executable's own reports of misused containers and strings: the library's messages, caught as a
// std::exception is, and std::bad_alloc still for memory.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace tintrel {
namespace {

struct MisuseCase {
    std::string expected;
    std::function<void()> misuse;
};

TEST(LibraryErrors, CarryTheLibrarysMessage) {
    const std::vector<MisuseCase> cases = {
        {"basic_string::at: __n (which is 5) >= this->size() (which is 3)",
         [] { static_cast<void>(std::string("abc").at(5)); }},
        {"basic_string::substr: __pos (which is 4) > this->size() (which is 3)",
         [] { static_cast<void>(std::string("abc").substr(4)); }},
        {"vector::_M_range_check: __n (which is 2) >= this->size() (which is 0)",
         [] { static_cast<void>(std::vector<int>().at(2)); }},
        {"basic_string::_M_create", [] { std::string().reserve(std::string().max_size() + 1); }},
        {"vector::reserve", [] { std::vector<int>().reserve(std::vector<int>().max_size() + 1); }},
    };
    for (const auto& [expected, misuse] : cases) {
        try {
            misuse();
            ADD_FAILURE() << "nothing thrown; expected \"" << expected << "\"";
        } catch (const std::exception& error) {
            EXPECT_EQ(std::string(error.what()), expected);
        }
    }
}

TEST(LibraryErrors, MemoryBeyondTheAddressSpaceIsStillBadAlloc) {
    const std::size_t tooMany = PTRDIFF_MAX / sizeof(int) + std::size_t{1};
    EXPECT_THROW(static_cast<void>(std::allocator<int>().allocate(tooMany)), std::bad_alloc);
}

}  // namespace
}  // namespace tintrel
