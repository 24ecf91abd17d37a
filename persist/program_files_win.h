#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "base/file_path.h"
#include "palette/pallet_store.h"
#include "persist/pallet_file.h"
#include "persist/profile_document.h"
#include "persist/settings_file.h"

namespace tintrel {

// The program's three files beside its executable: the templates (.fmt), the settings (.ini) and the
// palette (.plt). They are independent: one that cannot be read is reported in a box of its own and
// the others are read all the same. Only a file read at start is written at close: one that could not
// be read must not be replaced by the defaults the run fell back to, unless the user lets the run keep
// it under another name. A save leaves alone what others changed in the two profile files meanwhile.
class ProgramFiles {
public:
    // What the files hold, taken from and given to the program's windows.
    struct Parts {
        std::function<std::string()> FormatText;
        std::function<void(const std::string&)> SetFormatText;
        std::function<Settings()> CurrentSettings;
        std::function<void(const Settings&)> ApplySettings;
        std::function<PalletFileState()> CurrentPalletState;
        // `complete` is false for the state a file that could not be read wholly fell back to.
        std::function<void(const PalletFileState& state, bool complete)> ApplyPalletState;
        PalletStore* Store = nullptr;
    };

    ProgramFiles(FilePath executablePath, Parts parts);

    // Saves that were cut off (the program killed midway) left their temporary files beside ours.
    void RemoveLeftovers() const;
    // The one setting the window needs before the files are read.
    bool ReadStayOnTop() const;

    // Each reads its file and reports in the standard error box what it could not read.
    void LoadFormatList();
    void LoadSettings();
    void LoadPallet();
    // Writes each file the run may write; false when one could not be written (it was reported).
    bool Save();

private:
    FilePath PathOf(std::string_view extension) const;
    void ReadPallet();
    void SaveSettings();
    void SavePallet();
    std::string SettingsBytes(const Settings& settings) const;
    std::string PalletBytes() const;
    // Asked at close for a file that could not be read and that the run changed.
    bool ReplaceUnreadable(std::string_view extension, bool changed) const;

    FilePath executablePath_;
    Parts parts_;

    bool formatListLoaded_ = false;
    bool settingsLoaded_ = false;
    bool palletLoaded_ = false;
    // What such a file would have held right after the start, to tell whether the run changed it.
    std::string formatListAtStart_;
    std::string settingsAtStart_;
    std::string palletAtStart_;
    // The two profile files as read, and what the run started with.
    ProfileDocument settingsAsRead_;
    ProfileDocument palletAsRead_;
    ProfileDocument settingsStarted_;
    ProfileDocument palletStarted_;
};

}  // namespace tintrel
