#include "app/start_arguments.h"

#include <algorithm>

namespace tintrel {

namespace {

bool IsSwitch(const std::wstring& argument, std::wstring_view name) {
    if (argument.size() != name.size() + 1 || (argument[0] != L'/' && argument[0] != L'-')) {
        return false;
    }
    return std::equal(name.begin(), name.end(), argument.begin() + 1, [](wchar_t expected, wchar_t given) {
        return expected == (given >= L'A' && given <= L'Z' ? static_cast<wchar_t>(given - L'A' + L'a') : given);
    });
}

}  // namespace

StartArguments ReadStartArguments(std::span<const std::wstring> arguments) {
    StartArguments read;
    for (const std::wstring& argument : arguments) {
        if (IsSwitch(argument, L"pick")) {
            read.Pick = true;
        } else if (IsSwitch(argument, L"frozen")) {
            read.Pick = true;
            read.Frozen = true;
        } else {
            read.Unknown = argument;
            return read;
        }
    }
    return read;
}

}  // namespace tintrel
