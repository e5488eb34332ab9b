// A scripted dialog answer, the text between the braces of {1059=2.5; 1041;
// press 1}: items separated by ";" or line ends. "ID=VALUE" sets a control
// (the value may be quoted: "a;b"), "ID" alone ticks a check box or selects
// a radio button, "press ID" presses a button ("ok" and "cancel" name 1 and
// 2). Pure parsing.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vxh::dialogs {

struct AnswerItem {
  enum class Kind { kSet, kPress } kind = Kind::kSet;
  int id = 0;
  std::optional<std::string> value;  // kSet: none for "ID" alone
};

// A BadInput naming the item that cannot be read.
std::vector<AnswerItem> ParseDialogAnswer(std::string_view body);

}  // namespace vxh::dialogs
