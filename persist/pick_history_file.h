#pragma once

#include "palette/pick_history.h"
#include "persist/profile_file.h"

namespace tintrel {

// The pick history in the palette file: a section "History" of its own, which older versions ignore,
// with Count=N and the colours C_0 to C_{N-1} in decimal, newest first.

// Reads the section into `history`, whose capacity is set already. A hand-edited or broken section
// gives the colours that can be read, in order: keys that are missing or hold no colour are passed
// over, and a Count that is no number from 0 to the largest history is not trusted to end the list.
void ReadHistorySection(const ProfileFile& file, PickHistory& history);

// Replaces the section with the history's colours, and removes it for an empty history; only when the
// history changed in this run, so that two copies of the program keep each other's history. Pending
// in the file's block, as every write.
void WriteHistorySection(ProfileFile& file, const PickHistory& history);

}  // namespace tintrel
