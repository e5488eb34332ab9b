#include "headless/script/selection_expr.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "headless/ascii_case.h"
#include "headless/host_error.h"
#include "headless/script/values.h"

namespace vxh::script {

namespace {

[[noreturn]] void Fail(const std::string& message) { throw BadInput(message); }

PointText AbsolutePoint(std::string_view text, std::string_view term) {
  const std::optional<PointText> p = ParsePoint(text);
  if (!p || p->count != 2 || p->relative)
    Fail("selection \"" + std::string(term) + "\": \"" + std::string(text) + "\" is not a point x,y");
  return *p;
}

void ReadBox(SelectTerm& t, std::string_view args, std::string_view term) {
  const std::size_t space = args.find_first_of(" \t");
  if (space == std::string_view::npos) Fail("selection \"" + std::string(term) + "\" needs two corners x1,y1 x2,y2");
  const PointText a = AbsolutePoint(TrimBlanks(args.substr(0, space)), term);
  const PointText b = AbsolutePoint(TrimBlanks(args.substr(space)), term);
  t.x1 = std::min(a.x, b.x);
  t.y1 = std::min(a.y, b.y);
  t.x2 = std::max(a.x, b.x);
  t.y2 = std::max(a.y, b.y);
}

SelectTerm ParseTerm(std::string_view term) {
  term = TrimBlanks(term);
  const std::size_t space = term.find_first_of(" \t");
  const std::string_view word = term.substr(0, space);
  const std::string_view args = space == std::string_view::npos ? "" : TrimBlanks(term.substr(space));
  SelectTerm t;
  if (SameIgnoringCase(word, "all") || SameIgnoringCase(word, "last")) {
    t.kind = SameIgnoringCase(word, "all") ? SelectKind::kAll : SelectKind::kLast;
    if (!args.empty()) Fail("selection \"" + std::string(word) + "\" takes nothing after it");
  } else if (SameIgnoringCase(word, "window") || SameIgnoringCase(word, "crossing")) {
    t.kind = SameIgnoringCase(word, "window") ? SelectKind::kWindow : SelectKind::kCrossing;
    ReadBox(t, args, term);
  } else if (SameIgnoringCase(word, "at")) {
    t.kind = SelectKind::kAt;
    const PointText p = AbsolutePoint(args, term);
    t.x1 = p.x;
    t.y1 = p.y;
  } else if (SameIgnoringCase(word, "layer")) {
    t.kind = SelectKind::kLayer;
    if (args.empty()) Fail("selection \"layer\" needs a layer name");
    t.layer = std::string(args);
  } else {
    Fail("unknown selection \"" + std::string(term) +
         "\" (use all, window, crossing, at, last or layer, joined with +)");
  }
  return t;
}

}  // namespace

std::vector<SelectTerm> ParseSelection(std::string_view text) {
  std::vector<SelectTerm> terms;
  for (std::string_view term : SplitFields(text, '+')) {
    if (TrimBlanks(term).empty()) Fail("empty selection term in \"" + std::string(text) + "\"");
    terms.push_back(ParseTerm(term));
  }
  return terms;
}

}  // namespace vxh::script
