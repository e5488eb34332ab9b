// Selection answers: "all", "window x1,y1 x2,y2", "crossing x1,y1 x2,y2",
// "at x,y", "last", "layer NAME", joined with '+'. Pure parsing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vxh::script {

enum class SelectKind { kAll, kWindow, kCrossing, kAt, kLast, kLayer };

struct SelectTerm {
  SelectKind kind = SelectKind::kAll;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // window and crossing: normalised corners; at: x1, y1
  std::string layer;
};

// Throws BadInput (message without position) naming the term that is wrong.
std::vector<SelectTerm> ParseSelection(std::string_view text);

}  // namespace vxh::script
