// The registered PAT files and the pattern list read from them.
#pragma once

#include <string>
#include <vector>

#include "hatch/pat_list.h"

namespace vx {

// Frees the list, then reads every registered file in the registry's order.
void LoadPatList(PatList& list);
// Reads one file through the host (LoadFile, RelMem); an unreadable or empty
// file adds nothing.
void ReadPatFile(const char* path, PatList& list);
void FreePatList(PatList& list);

void AddPatFile(const char* path);
void DeletePatFile(const char* path);
// The registered file names; false, with `files` as it was, when the key does
// not open.
bool ListPatFiles(std::vector<std::string>& files);

}  // namespace vx
