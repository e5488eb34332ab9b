// What the text commands keep in the pack's state object: the candidate list
// of the running command and each command's dialog settings, which live until
// the pack is unloaded and are never stored.
#pragma once

#include <cstdint>

#include "host/kv_types.h"
#include "host/prompt_record.h"
#include "text/text_candidates.h"

namespace vx {

// Pick modes of the dialogs' radio pair.
inline constexpr int kPickSelection = 0;
inline constexpr int kPickQuick = 1;

// Room for the dialogs' text fields: the edit limit and its NUL, with space
// for a replacement that the number keys make longer.
inline constexpr std::size_t kSearchBytes = 201;
inline constexpr std::size_t kReplacementBytes = 256;
inline constexpr std::size_t kFindTextBytes = 61;

struct IncrementSettings {
  std::int32_t value = 1;
  int pick = kPickQuick;
  int group = 0;  // 0 the first group of digits, 1 the last
};

struct ReplaceSettings {
  char search[kSearchBytes] = {};
  char replacement[kReplacementBytes] = {};
  int match = 2;  // 0 all, 1 beginning, 2 part
  int ignore_case = 1;
  int pick = kPickQuick;
};

struct SequenceSettings {
  int find_mode = 0;  // 0 a number in the text, 1 a string
  int choice = 0;     // entry of the number list
  char find_text[kFindTextBytes] = {};
  std::int32_t start = 1;
  std::int32_t increment = 1;
  int fixed_length = 0;
  std::int32_t digits = 3;
  int leading_zero = 0;
  int pick = kPickQuick;
  int sort = 0;  // CandidateOrder
  std::int32_t next = 1;
};

struct CaseSettings {
  int mode = 0;  // 0 lower, 1 upper, 2 capitalized
  int pick = kPickQuick;
};

struct TextCommand;

struct TextState {
  CandidateList candidates;
  const TextCommand* running = nullptr;  // the command whose rule the walks apply
  double point[2] = {};                  // the quick-pick answer; a typed number in [0]
  PromptRecord prompt;
  IncrementSettings increment;
  ReplaceSettings replace;
  SequenceSettings sequence;
  CaseSettings text_case;
};

// The text part of the loaded pack's state.
TextState& Text();

}  // namespace vx
