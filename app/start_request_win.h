#pragma once

#include <windows.h>

#include <optional>

#include "base/file_path.h"

namespace tintrel {

// Has the copy of the program that runs from the folder of `executablePath` (another process) start a
// pick from anywhere, frozen when `frozen`. False when no such copy runs.
bool HandOverPick(const FilePath& executablePath, bool frozen);

// Whether a WM_COPYDATA asks for a pick, and then whether frozen.
std::optional<bool> PickRequested(const COPYDATASTRUCT& data);

}  // namespace tintrel
