#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

#include "headless/ascii_case.h"
#include "headless/host_error.h"
#include "headless/script/event.h"
#include "headless/script/values.h"

namespace vxh::script {

namespace {

struct EventWord {
  const char* word;
  EventKind kind;
};

constexpr std::array<EventWord, 13> kEventWords{{
    {"esc", EventKind::kEsc},
    {"enter", EventKind::kEnter},
    {"move", EventKind::kMove},
    {"view", EventKind::kView},
    {"yes", EventKind::kYes},
    {"no", EventKind::kNo},
    {"hold", EventKind::kHold},
    {"release", EventKind::kRelease},
    {"key", EventKind::kKey},
    {"down", EventKind::kDown},
    {"up", EventKind::kUp},
    {"rclick", EventKind::kRClick},
    {"menu", EventKind::kMenu},
}};

[[noreturn]] void Fail(const std::string& message) { throw BadInput(message); }

std::optional<EventKind> KindOf(std::string_view word) {
  const std::string lower = AsciiLowered(word);
  for (const EventWord& w : kEventWords)
    if (lower == w.word) return w.kind;
  return std::nullopt;
}

void NoArguments(const Event& e, std::string_view args) {
  if (!args.empty())
    Fail(std::string("<") + EventName(e.kind) + "> takes no arguments, got \"" + std::string(args) + "\"");
}

void ReadPoint(Event& e, std::string_view args) {
  const std::optional<PointText> p = ParsePoint(args);
  if (!p || p->count != 2 || p->relative)
    Fail(std::string("<") + EventName(e.kind) + " x,y> needs a point x,y, got \"" + std::string(args) + "\"");
  e.x = p->x;
  e.y = p->y;
}

// "x1,y1 x2,y2 W H": two corners and the size in pixels.
void ReadView(Event& e, std::string_view args) {
  std::vector<std::string_view> words;
  for (std::string_view w : SplitFields(args, ' '))
    if (!TrimBlanks(w).empty()) words.push_back(TrimBlanks(w));
  const char* usage = "<view x1,y1 x2,y2 W H> needs two corners and the size in pixels";
  if (words.size() != 4) Fail(usage);
  const std::optional<PointText> a = ParsePoint(words[0]);
  const std::optional<PointText> b = ParsePoint(words[1]);
  const std::optional<std::int32_t> w = ParseInteger(words[2]);
  const std::optional<std::int32_t> h = ParseInteger(words[3]);
  if (!a || !b || a->count != 2 || b->count != 2 || a->relative || b->relative || !w || !h) Fail(usage);
  if (a->x == b->x || a->y == b->y) Fail("<view> needs an area that is not empty");
  if (*w <= 0 || *h <= 0) Fail("<view> needs a positive size in pixels");
  e.view = ViewSpec{std::min(a->x, b->x), std::min(a->y, b->y),    std::max(a->x, b->x),
                    std::max(a->y, b->y), static_cast<double>(*w), static_cast<double>(*h)};
}

void ReadKeyName(Event& e, std::string_view args, std::initializer_list<const char*> allowed) {
  e.name = AsciiLowered(args);
  for (const char* name : allowed)
    if (e.name == name) return;
  std::string list;
  for (const char* name : allowed) list += std::string(list.empty() ? "" : "|") + name;
  Fail(std::string("<") + EventName(e.kind) + "> takes " + list + ", got \"" + std::string(args) + "\"");
}

}  // namespace

const char* EventName(EventKind kind) {
  for (const EventWord& w : kEventWords)
    if (w.kind == kind) return w.word;
  return "?";
}

Event ParseEvent(std::string_view body) {
  body = TrimBlanks(body);
  const std::size_t space = body.find_first_of(" \t");
  const std::string_view word = body.substr(0, space);
  const std::string_view args = space == std::string_view::npos ? "" : TrimBlanks(body.substr(space));
  const std::optional<EventKind> kind = KindOf(word);
  if (!kind) Fail("unknown event <" + std::string(body) + ">");
  Event e;
  e.kind = *kind;
  switch (e.kind) {
    case EventKind::kMove:
    case EventKind::kDown:
    case EventKind::kUp: ReadPoint(e, args); break;
    case EventKind::kView: ReadView(e, args); break;
    case EventKind::kHold: ReadKeyName(e, args, {"shift", "ctrl"}); break;
    case EventKind::kRelease: ReadKeyName(e, args, {"shift", "ctrl", "all"}); break;
    case EventKind::kKey:
      if (args.empty()) Fail("<key NAME> needs a key name");
      e.name = std::string(args);
      break;
    case EventKind::kMenu: {
      const std::optional<std::int32_t> n = ParseInteger(args);
      if (!n || *n < 0) Fail("<menu N> needs an item number, got \"" + std::string(args) + "\"");
      e.number = *n;
      break;
    }
    default: NoArguments(e, args);
  }
  return e;
}

}  // namespace vxh::script
