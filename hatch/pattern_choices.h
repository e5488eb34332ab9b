// What the hatch dialog's pattern list offers for each pattern kind, and the
// name field of the options record that each kind selects by.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "hatch/hatch_records.h"
#include "hatch/pat_list.h"

namespace vx {

struct PatternChoice {
  std::string name;
  // What the preview of the entry draws: a host fill style record (kind 1) or
  // a pattern of the PAT list (kind 2); 0 for saved line settings, which the
  // preview reads by name.
  std::intptr_t reference = 0;
};

// The entries of one kind that the search text lets through (an empty search
// text lets everything through), in the order their source gives them. Kind 2
// reads the PAT files first when the list is not loaded.
std::vector<PatternChoice> PatternChoices(std::int32_t kind, const char* search, PatList& patterns);

// The name field of the options record that the kind selects by.
std::string_view ChosenPatternName(const HatchOptions& options, std::int32_t kind);
void SetChosenPatternName(HatchOptions& options, std::int32_t kind, std::string_view name);

// The label over the pattern list: "Available patterns:" without a search
// text, else the search text quoted in "Patterns matching ...:".
std::string PatternListLabel(const char* search);

}  // namespace vx
