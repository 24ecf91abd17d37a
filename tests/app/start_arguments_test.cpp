#include "app/start_arguments.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace tintrel {
namespace {

TEST(ReadStartArguments, PickFrozenOrTheFirstUnknownArgument) {
    const struct {
        std::vector<std::wstring> Arguments;
        bool Pick;
        bool Frozen;
        const wchar_t* Unknown;
    } cases[] = {
        {{}, false, false, nullptr},
        {{L"/pick"}, true, false, nullptr},
        {{L"/PICK", L"-Frozen"}, true, true, nullptr},
        {{L"/frozen"}, true, true, nullptr},
        {{L"/pick", L"/freeze", L"/x"}, true, false, L"/freeze"},
        {{L"pick"}, false, false, L"pick"},
        {{L"/pickup"}, false, false, L"/pickup"},
        {{L"/"}, false, false, L"/"},
        {{L""}, false, false, L""},
    };
    int index = 0;
    for (const auto& row : cases) {
        const StartArguments read = ReadStartArguments(row.Arguments);
        EXPECT_EQ(read.Pick, row.Pick) << "row " << index;
        EXPECT_EQ(read.Frozen, row.Frozen) << "row " << index;
        EXPECT_EQ(read.Unknown.value_or(L"(none)"), row.Unknown != nullptr ? row.Unknown : L"(none)")
            << "row " << index;
        ++index;
    }
}

}  // namespace
}  // namespace tintrel
