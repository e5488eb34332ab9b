// What the text commands keep in the pack's state object: the candidate list
// of the running command and each command's dialog settings, which live until
// the pack is unloaded and are never stored.
#pragma once

#include <cstdint>

#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/kv_types.h"
#include "host/prompt_record.h"
#include "text/text_candidates.h"
#include "text/text_command.h"

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

// Placement flags of PlaceText.
inline constexpr int kPlaceMovesEdited = 0x1;  // the placement moves the edited text
inline constexpr int kPlaceKeepsSpec = 0x2;    // the template keeps its own text spec

// Surround modes.
inline constexpr int kSurroundNone = 0;
inline constexpr int kSurroundBox = 1;
inline constexpr int kSurroundCircle = 2;

// The prompt flag added once a text has been placed; the preview passes it to
// the host's cursor snapping.
inline constexpr int kPromptPlacedOnce = 2;

// What the help dialog of the placement shows: the justification split into
// its parts, and the text format block fields it edits.
struct TextHelpChoices {
  int horizontal = 0;  // 0 left, 1 center, 2 right
  int vertical = 0;    // 0 bottom, 1 middle, 2 top
  int far_side = 0;
  int style = 0;
  float height = 0;
  float angle = 0;
};

// The text editor and its placement (the template itself hangs off the pack
// state).
struct TextEditorState {
  int multiline = 0;
  int surround = kSurroundNone;
  int placement_flags = 0;
  int prompt_flags = kReqAcceptNumber;
  int shortcuts_disabled = 0;
  std::uint8_t last_defaults[kTextSpecBytes] = {};
  double last_cursor[2] = {};
  std::uint32_t last_key_time = 0;
  int ignore_next_number = 0;
  DList* edited_list = nullptr;
  Entity edited = nullptr;  // the text a placement moves
  TextHelpChoices help;
  int edit_debug = 0;  // the text edit command shows each step in a message box
};

struct TextState {
  CandidateList candidates;
  TextCommand running{};  // the command whose rule the walks apply
  double point[2] = {};   // the quick-pick answer; a typed number in [0]
  PromptRecord prompt;
  IncrementSettings increment;
  ReplaceSettings replace;
  SequenceSettings sequence;
  CaseSettings text_case;
  TextEditorState editor;
};

// The text part of the loaded pack's state.
TextState& Text();

}  // namespace vx
