#pragma once

#include <filesystem>

namespace tintrel {

// The executable's own full path, of any length.
std::filesystem::path ExecutablePath();

// Runs the program: creates the main form, the format editor and the palette settings dialog in this
// order, shows the main window and runs the event loop until the main window has closed.
// Returns the exit code.
int RunApplication(const std::filesystem::path& executablePath);

}  // namespace tintrel
