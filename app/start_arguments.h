#pragma once

#include <optional>
#include <span>
#include <string>

namespace tintrel {

// What the program was asked to do when started: `/pick` picks a colour from anywhere (in the copy
// that already runs from the same folder, if any), `/frozen` with the screen frozen. Case does not
// matter, and `-` may stand for `/`.
struct StartArguments {
    bool Pick = false;
    bool Frozen = false;
    // The first argument that is none of these: the program then starts nothing.
    std::optional<std::wstring> Unknown;
};

// Reads the arguments after the program's own name.
StartArguments ReadStartArguments(std::span<const std::wstring> arguments);

}  // namespace tintrel
