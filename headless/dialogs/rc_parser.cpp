#include "headless/dialogs/rc_parser.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

#include "headless/ascii_case.h"
#include "headless/dialogs/rc_lexer.h"
#include "headless/dialogs/rc_symbols.h"
#include "headless/host_error.h"

namespace vxh::dialogs {

namespace {

constexpr std::uint32_t kWsChild = 0x40000000u;
constexpr std::uint32_t kWsTabStop = 0x00010000u;
constexpr std::uint32_t kButtonTypeMask = 0xFu;

// An argument: a text, or an expression of numbers and names joined by "|"
// ("NOT name" clears bits of the statement's default style).
struct Arg {
  bool is_text = false;
  std::string text;
  std::uint32_t set = 0;
  std::uint32_t cleared = 0;
  int line = 0;
};

// How a control statement lays out its arguments.
enum class Layout { kTextFirst, kNoText, kIcon, kControl };

struct Statement {
  std::string_view keyword;
  Layout layout;
  ControlKind kind;
  std::uint32_t style;  // besides WS_CHILD | WS_VISIBLE
};

constexpr std::array<Statement, 14> kStatements{{
    {"PUSHBUTTON", Layout::kTextFirst, ControlKind::kButton, kWsTabStop},
    {"DEFPUSHBUTTON", Layout::kTextFirst, ControlKind::kButton, kWsTabStop | 0x1u},
    {"LTEXT", Layout::kTextFirst, ControlKind::kStatic, 0x0u},
    {"CTEXT", Layout::kTextFirst, ControlKind::kStatic, 0x1u},
    {"RTEXT", Layout::kTextFirst, ControlKind::kStatic, 0x2u},
    {"GROUPBOX", Layout::kTextFirst, ControlKind::kGroup, 0x7u},
    {"AUTORADIOBUTTON", Layout::kTextFirst, ControlKind::kRadio, 0x9u},
    {"RADIOBUTTON", Layout::kTextFirst, ControlKind::kRadio, 0x4u},
    {"AUTOCHECKBOX", Layout::kTextFirst, ControlKind::kCheck, kWsTabStop | 0x3u},
    {"CHECKBOX", Layout::kTextFirst, ControlKind::kCheck, kWsTabStop | 0x2u},
    {"EDITTEXT", Layout::kNoText, ControlKind::kEdit, kWsTabStop},
    {"COMBOBOX", Layout::kNoText, ControlKind::kCombo, kWsTabStop},
    {"LISTBOX", Layout::kNoText, ControlKind::kList, kWsTabStop | 0x1u},
    {"ICON", Layout::kIcon, ControlKind::kIcon, 0x3u},
}};

class Parser {
 public:
  Parser(std::string_view source, const std::string& file) : file_(file), tokens_(LexResourceScript(source, file)) {}

  std::vector<DialogTemplate> Run() {
    std::vector<DialogTemplate> out;
    while (Peek().kind != RcTokenKind::kEnd) {
      if (IsDialogHeader()) {
        out.push_back(Dialog());
        for (std::size_t i = 0; i + 1 < out.size(); ++i)
          if (out[i].name == out.back().name) Fail(out.back().line, "a second dialog named " + out.back().name);
      } else {
        SkipResource();
      }
    }
    return out;
  }

 private:
  [[noreturn]] void Fail(int line, const std::string& message) const {
    throw BadInput(file_ + ":" + std::to_string(line) + ": " + message);
  }

  const RcToken& Peek(std::size_t ahead = 0) const { return tokens_[std::min(at_ + ahead, tokens_.size() - 1)]; }
  const RcToken& Take() {
    const RcToken& t = Peek();
    if (at_ < tokens_.size() - 1) ++at_;
    return t;
  }
  bool PeekName(std::string_view word, std::size_t ahead = 0) const {
    return Peek(ahead).kind == RcTokenKind::kName && AsciiUppered(Peek(ahead).text) == word;
  }

  bool IsDialogHeader() const { return PeekName("DIALOG", 1) || PeekName("DIALOGEX", 1); }

  // Anything that is not a dialog: a line of its own ("105 ICON "a.ico"",
  // "LANGUAGE 9, 1") or a block (STRINGTABLE BEGIN ... END).
  void SkipResource() {
    const int line = Peek().line;
    while (Peek().kind != RcTokenKind::kEnd && Peek().line == line) {
      if (PeekName("BEGIN")) return SkipBlock();
      Take();
    }
    if (PeekName("BEGIN")) SkipBlock();
  }

  void SkipBlock() {
    int depth = 0;
    do {
      if (Peek().kind == RcTokenKind::kEnd) Fail(Peek().line, "a block is not closed with END");
      if (PeekName("BEGIN")) ++depth;
      if (PeekName("END")) --depth;
      Take();
    } while (depth > 0);
  }

  int Integer(const char* what) {
    const RcToken& t = Take();
    if (t.kind == RcTokenKind::kNumber) return static_cast<int>(t.number);
    if (t.kind == RcTokenKind::kName)
      if (const std::optional<std::uint32_t> v = RcSymbolValue(t.text)) return static_cast<int>(*v);
    Fail(t.line, std::string(what) + " is expected, got \"" + t.text + "\"");
  }

  void Comma(const char* after) {
    if (Take().kind != RcTokenKind::kComma) Fail(Peek().line, std::string("a comma is expected after ") + after);
  }

  DialogTemplate Dialog() {
    DialogTemplate d;
    d.file = file_;
    d.line = Peek().line;
    d.name = Take().text;
    Take();  // DIALOG or DIALOGEX
    d.x = Integer("the dialog's x");
    Comma("x");
    d.y = Integer("the dialog's y");
    Comma("y");
    d.width = Integer("the dialog's width");
    Comma("the width");
    d.height = Integer("the dialog's height");
    if (Peek().kind == RcTokenKind::kComma) {  // DIALOGEX help id
      Take();
      Integer("a help id");
    }
    if (d.width <= 0 || d.height <= 0) Fail(d.line, "the dialog " + d.name + " has no size");
    Options(d);
    if (!PeekName("BEGIN")) Fail(Peek().line, "BEGIN is expected for the controls of " + d.name);
    Take();
    while (!PeekName("END")) {
      if (Peek().kind == RcTokenKind::kEnd) Fail(d.line, "the dialog " + d.name + " is not closed with END");
      d.controls.push_back(Control());
      CheckUniqueId(d);
    }
    Take();
    return d;
  }

  void Options(DialogTemplate& d) {
    for (;;) {
      if (PeekName("CAPTION")) {
        Take();
        const RcToken& t = Take();
        if (t.kind != RcTokenKind::kText) Fail(t.line, "CAPTION needs a text");
        d.title = t.text;
      } else if (PeekName("FONT")) {
        Take();
        d.font_size = Integer("the font size");
        Comma("the font size");
        const RcToken& t = Take();
        if (t.kind != RcTokenKind::kText) Fail(t.line, "FONT needs a face name");
        d.font = t.text;
        while (Peek().kind == RcTokenKind::kComma) {
          Take();
          Integer("a font setting");
        }
      } else if (PeekName("STYLE") || PeekName("EXSTYLE")) {
        Take();
        Expression(0);
      } else if (PeekName("MENU") || PeekName("CLASS")) {
        Take();
        Take();
      } else if (PeekName("LANGUAGE")) {
        Take();
        Integer("a language");
        Comma("the language");
        Integer("a sublanguage");
      } else {
        return;
      }
    }
  }

  Arg Expression(int line) {
    Arg a;
    a.line = line;
    for (;;) {
      bool negate = false;
      if (PeekName("NOT")) {
        Take();
        negate = true;
      }
      const RcToken& t = Take();
      std::uint32_t v = 0;
      if (t.kind == RcTokenKind::kNumber) {
        v = static_cast<std::uint32_t>(t.number);
      } else if (t.kind == RcTokenKind::kName && RcSymbolValue(t.text)) {
        v = *RcSymbolValue(t.text);
      } else {
        Fail(t.line, "a number or a known style name is expected, got \"" + t.text + "\"");
      }
      if (negate) {
        a.cleared |= v;
      } else {
        a.set |= v;
      }
      if (Peek().kind != RcTokenKind::kBar) return a;
      Take();
    }
  }

  std::vector<Arg> Args() {
    std::vector<Arg> args;
    for (;;) {
      const int line = Peek().line;
      if (Peek().kind == RcTokenKind::kText) {
        Arg a;
        a.is_text = true;
        a.text = Take().text;
        a.line = line;
        args.push_back(a);
      } else {
        args.push_back(Expression(line));
      }
      if (Peek().kind != RcTokenKind::kComma) return args;
      Take();
    }
  }

  static int Int(const Arg& a) { return static_cast<int>(a.set); }

  void Need(const std::vector<Arg>& args, std::size_t least, std::size_t most, const std::string& keyword,
            int line) const {
    if (args.size() < least || args.size() > most)
      Fail(line, keyword + " takes " + std::to_string(least) + " to " + std::to_string(most) + " arguments, got " +
                     std::to_string(args.size()));
  }

  void TextArg(const Arg& a, const std::string& keyword) const {
    if (!a.is_text) Fail(a.line, keyword + " needs its text first");
  }

  void Place(ControlTemplate& c, const std::vector<Arg>& args, std::size_t from) const {
    for (std::size_t i = from; i < from + 4 && i < args.size(); ++i)
      if (args[i].is_text) Fail(args[i].line, "a position or size is a number, not a text");
    c.x = Int(args[from]);
    c.y = Int(args[from + 1]);
    if (from + 3 < args.size()) {
      c.width = Int(args[from + 2]);
      c.height = Int(args[from + 3]);
    }
  }

  static void ApplyStyle(ControlTemplate& c, const std::vector<Arg>& args, std::size_t at) {
    if (at < args.size()) c.style = (c.style | args[at].set) & ~args[at].cleared;
  }

  ControlTemplate Control() {
    const RcToken& keyword_token = Take();
    const std::string keyword = AsciiUppered(keyword_token.text);
    const int line = keyword_token.line;
    if (keyword_token.kind != RcTokenKind::kName)
      Fail(line, "a control is expected, got \"" + keyword_token.text + "\"");
    std::vector<Arg> args = Args();
    ControlTemplate c;
    c.line = line;
    c.style = kWsChild | kWsVisible;
    if (keyword == "CONTROL") return GenericControl(c, args, line);
    const auto it =
        std::find_if(kStatements.begin(), kStatements.end(), [&](const Statement& s) { return s.keyword == keyword; });
    if (it == kStatements.end()) Fail(line, "unknown control statement " + keyword_token.text);
    c.kind = it->kind;
    c.style |= it->style;
    c.default_button = keyword == "DEFPUSHBUTTON";
    switch (it->layout) {
      case Layout::kTextFirst:
        Need(args, 6, 8, keyword, line);
        TextArg(args[0], keyword);
        c.text = args[0].text;
        c.id = Int(args[1]);
        Place(c, args, 2);
        ApplyStyle(c, args, 6);
        break;
      case Layout::kNoText:
        Need(args, 5, 7, keyword, line);
        if (args[0].is_text) Fail(line, keyword + " takes no text");
        c.id = Int(args[0]);
        Place(c, args, 1);
        ApplyStyle(c, args, 5);
        break;
      case Layout::kIcon:
        Need(args, 4, 8, keyword, line);
        c.text = args[0].is_text ? args[0].text : std::to_string(Int(args[0]));
        c.id = Int(args[1]);
        Place(c, args, 2);
        ApplyStyle(c, args, 6);
        break;
      case Layout::kControl: break;
    }
    if (c.kind == ControlKind::kButton && (c.style & kButtonTypeMask) == 0xBu) c.kind = ControlKind::kOwnerButton;
    return c;
  }

  ControlTemplate GenericControl(ControlTemplate& c, const std::vector<Arg>& args, int line) {
    Need(args, 8, 9, "CONTROL", line);
    c.text = args[0].is_text ? args[0].text : std::to_string(Int(args[0]));
    c.id = Int(args[1]);
    if (!args[2].is_text) Fail(args[2].line, "CONTROL needs a window class text as its third argument");
    ApplyStyle(c, args, 3);
    Place(c, args, 4);
    c.kind = KindOfClass(AsciiUppered(args[2].text), c.style, line);
    c.default_button = c.kind == ControlKind::kButton && (c.style & kButtonTypeMask) == 0x1u;
    return c;
  }

  ControlKind KindOfClass(const std::string& cls, std::uint32_t style, int line) const {
    if (cls == "EDIT") return ControlKind::kEdit;
    if (cls == "LISTBOX") return ControlKind::kList;
    if (cls == "COMBOBOX") return ControlKind::kCombo;
    if (cls == "STATIC") return (style & kButtonTypeMask) == 0x3u ? ControlKind::kIcon : ControlKind::kStatic;
    if (cls != "BUTTON") Fail(line, "unknown window class \"" + cls + "\"");
    switch (style & kButtonTypeMask) {
      case 0x0:
      case 0x1: return ControlKind::kButton;
      case 0x2:
      case 0x3:
      case 0x5:
      case 0x6: return ControlKind::kCheck;
      case 0x4:
      case 0x9: return ControlKind::kRadio;
      case 0x7: return ControlKind::kGroup;
      case 0xB: return ControlKind::kOwnerButton;
      default: Fail(line, "unknown button style " + std::to_string(style & kButtonTypeMask));
    }
  }

  void CheckUniqueId(const DialogTemplate& d) const {
    const ControlTemplate& last = d.controls.back();
    if (last.id == kNoId) return;
    for (std::size_t i = 0; i + 1 < d.controls.size(); ++i)
      if (d.controls[i].id == last.id)
        Fail(last.line, "the id " + std::to_string(last.id) + " is used twice in " + d.name);
  }

  const std::string& file_;
  std::vector<RcToken> tokens_;
  std::size_t at_ = 0;
};

}  // namespace

std::vector<DialogTemplate> ParseResourceScript(std::string_view source, const std::string& file) {
  return Parser(source, file).Run();
}

}  // namespace vxh::dialogs
