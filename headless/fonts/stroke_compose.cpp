#include "headless/fonts/stroke_compose.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace vxh {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kGridMax = 126;      // as the Hershey conversion: x 127 cannot end a line
constexpr double kDesignCap = 21;  // the marks below are drawn for capitals 21 units tall
constexpr int kCircleSegments = 16;

struct Pt {
  double x, y;
};
using Polyline = std::vector<Pt>;

// A glyph being built: polylines in font units, x from the pen, y up from
// the baseline.
struct Shape {
  std::vector<Polyline> lines;
  double advance = 0;
};

struct Box {
  double left = 1e9, bottom = 1e9, right = -1e9, top = -1e9;
  double Middle() const { return (left + right) / 2; }
  bool Empty() const { return left > right; }
};

Box InkOf(const Shape& s) {
  Box b;
  for (const Polyline& line : s.lines)
    for (const Pt& p : line) {
      b.left = std::min(b.left, p.x);
      b.right = std::max(b.right, p.x);
      b.bottom = std::min(b.bottom, p.y);
      b.top = std::max(b.top, p.y);
    }
  return b;
}

Shape Moved(Shape s, double dx, double dy) {
  for (Polyline& line : s.lines)
    for (Pt& p : line) p = {p.x + dx, p.y + dy};
  return s;
}

// Scaled about the pen on the baseline; the advance scales along.
Shape Scaled(Shape s, double factor) {
  for (Polyline& line : s.lines)
    for (Pt& p : line) p = {p.x * factor, p.y * factor};
  s.advance *= factor;
  return s;
}

// Turned half round about the middle of its ink (for the Spanish marks).
Shape Turned(Shape s, double drop) {
  const Box b = InkOf(s);
  for (Polyline& line : s.lines)
    for (Pt& p : line) p = {b.left + b.right - p.x, b.bottom + b.top - p.y - drop};
  return s;
}

void Add(Shape& to, const Shape& piece) { to.lines.insert(to.lines.end(), piece.lines.begin(), piece.lines.end()); }

// Pieces side by side, each after the advance of the one before less the
// overlap.
Shape Row(std::initializer_list<Shape> pieces, double overlap = 0) {
  Shape row;
  for (const Shape& piece : pieces) {
    if (!row.lines.empty() || row.advance > 0) row.advance -= overlap;
    Add(row, Moved(piece, row.advance, 0));
    row.advance += piece.advance;
  }
  return row;
}

class Composer {
 public:
  explicit Composer(StrokeFont& font) : font_(font) {
    unit_ = font.em_size / kDesignCap;
    cap_ = font.em_size;
    const Box x = InkOf(Glyph('x'));
    x_height_ = x.Empty() ? cap_ * 0.6 : x.top;
  }

  void Run() {
    for (int code = 0x80; code <= 0xFF; ++code) {
      if (!font_.glyphs[static_cast<std::size_t>(code)].empty()) continue;
      if (code == 0xA0) {
        font_.advance[0xA0] = font_.advance[' '];
        continue;
      }
      const Shape shape = Compose(code);
      if (!shape.lines.empty()) Store(code, shape);
    }
  }

 private:
  // ---- Pieces ---------------------------------------------------------------

  Shape Glyph(unsigned char c) const {
    Shape s;
    s.advance = font_.advance[c];
    Pt at{0, 0};
    for (const StrokeRecord& r : font_.glyphs[c]) {
      const Pt p{static_cast<double>(r.x), static_cast<double>(r.y) - font_.baseline};
      if (r.kind == StrokeRecord::kMove) {
        at = p;
      } else if (r.kind == StrokeRecord::kLine) {
        if (s.lines.empty() || s.lines.back().empty() || s.lines.back().back().x != at.x ||
            s.lines.back().back().y != at.y)
          s.lines.push_back({at});
        s.lines.back().push_back(p);
        at = p;
      } else {
        s.lines.push_back(ArcPoints(p, r));
        at = s.lines.back().back();
      }
    }
    return s;
  }

  static Polyline ArcPoints(Pt centre, const StrokeRecord& r) {
    const int steps = ((r.end - r.start) % 256 + 256) % 256;
    const double start = r.start * kPi / 128, sweep = (steps == 0 ? 256 : steps) * kPi / 128;
    Polyline line;
    for (int i = 0; i <= kCircleSegments; ++i) {
      const double a = start + sweep * i / kCircleSegments;
      line.push_back({centre.x + r.radius * std::cos(a), centre.y + r.radius * std::sin(a)});
    }
    return line;
  }

  // A letter without the strokes wholly above the lower-case height: the
  // dotless i and j that take an accent.
  Shape Dotless(unsigned char c) const {
    Shape s = Glyph(c);
    std::erase_if(s.lines, [&](const Polyline& line) {
      return std::all_of(line.begin(), line.end(), [&](const Pt& p) { return p.y > x_height_ + unit_; });
    });
    return s;
  }

  // Strokes in design units (capitals 21 tall), placed at (x, y) in font units.
  Shape Strokes(std::initializer_list<std::initializer_list<Pt>> lines, double x = 0, double y = 0,
                double advance = 0) const {
    Shape s;
    for (const auto& line : lines) {
      Polyline out;
      for (const Pt& p : line) out.push_back({x + p.x * unit_, y + p.y * unit_});
      s.lines.push_back(std::move(out));
    }
    s.advance = advance * unit_;
    return s;
  }

  // A dot as the Hershey fonts draw one: a small diamond.
  Shape Dot(double x, double y) const { return Strokes({{{0, -1}, {-1, 0}, {0, 1}, {1, 0}, {0, -1}}}, x, y); }

  Shape Circle(double x, double y, double radius) const {
    Shape s;
    Polyline line;
    for (int i = 0; i <= kCircleSegments; ++i) {
      const double a = 2 * kPi * i / kCircleSegments;
      line.push_back({x + radius * unit_ * std::cos(a), y + radius * unit_ * std::sin(a)});
    }
    s.lines.push_back(std::move(line));
    return s;
  }

  // A glyph made small with its top at the capital height (superscripts).
  Shape Raised(unsigned char c, double factor = 0.55) const {
    return Moved(Scaled(Glyph(c), factor), 0, cap_ * (1 - factor));
  }

  // ---- Accents ---------------------------------------------------------------

  enum class Mark { kGrave, kAcute, kCircumflex, kTilde, kDiaeresis, kRing, kCaron, kMacron };

  // The mark centred on x with its foot at y.
  Shape MarkAt(Mark mark, double x, double y) const {
    switch (mark) {
      case Mark::kGrave: return Strokes({{{-1.5, 4}, {1.5, 0}}}, x, y);
      case Mark::kAcute: return Strokes({{{1.5, 4}, {-1.5, 0}}}, x, y);
      case Mark::kCircumflex: return Strokes({{{-3, 0}, {0, 3}, {3, 0}}}, x, y);
      case Mark::kCaron: return Strokes({{{-3, 3}, {0, 0}, {3, 3}}}, x, y);
      case Mark::kTilde: return Strokes({{{-4, 0.5}, {-2.5, 2}, {-1, 2}, {1, 0.5}, {2.5, 0.5}, {4, 2}}}, x, y);
      case Mark::kMacron: return Strokes({{{-4, 1}, {4, 1}}}, x, y);
      case Mark::kRing: return Circle(x, y + 2 * unit_, 2);
      case Mark::kDiaeresis: {
        Shape s = Dot(x - 3 * unit_, y + unit_);
        Add(s, Dot(x + 3 * unit_, y + unit_));
        return s;
      }
    }
    return {};
  }

  Shape Accented(const Shape& base, Mark mark) const {
    const Box ink = InkOf(base);
    Shape s = base;
    Add(s, MarkAt(mark, ink.Middle(), ink.top + 2 * unit_));
    return s;
  }
  Shape Accented(unsigned char base, Mark mark) const {
    return Accented(base == 'i' || base == 'j' ? Dotless(base) : Glyph(base), mark);
  }

  Shape Cedilla(unsigned char base) const {
    Shape s = Glyph(base);
    const Box ink = InkOf(s);
    Add(s, Strokes({{{0.5, 0}, {0, -2}, {1.5, -2.5}, {2, -4}, {1, -5.5}, {-1.5, -5.5}}}, ink.Middle(), 0));
    return s;
  }

  Shape Slashed(unsigned char base) const {
    Shape s = Glyph(base);
    const Box ink = InkOf(s);
    s.lines.push_back({{ink.left - unit_, ink.bottom - unit_}, {ink.right + unit_, ink.top + unit_}});
    return s;
  }

  // Bars across a glyph at the given heights (currency signs).
  Shape Barred(unsigned char base, std::initializer_list<double> heights, double reach_left) const {
    Shape s = Glyph(base);
    const Box ink = InkOf(s);
    for (const double h : heights)
      s.lines.push_back({{ink.left - reach_left * unit_, h * unit_}, {ink.right - 2 * unit_, h * unit_}});
    return s;
  }

  // Two glyphs run together, the second drawn into the first by `overlap`
  // design units (Æ, Œ, æ, œ).
  Shape Ligature(unsigned char a, unsigned char b, double overlap) const {
    return Row({Glyph(a), Glyph(b)}, overlap * unit_);
  }

  Shape Fraction(unsigned char top, unsigned char bottom) const {
    const Shape numerator = Raised(top, 0.5), denominator = Scaled(Glyph(bottom), 0.5);
    Shape s = Row({numerator, Strokes({{{0, -1}, {8, 22}}}, 0, 0, 8), denominator});
    return s;
  }

  Shape Quotes(unsigned char c) const { return Row({Glyph(c), Glyph(c)}, 2 * unit_); }

  // Guillemets: one or two small angles at the middle of the lower case.
  Shape Angles(bool right, int count) const {
    const double tip = right ? 3 : 0, back = right ? 0 : 3;
    Shape s;
    for (int i = 0; i < count; ++i) {
      const double x = (2 + 4 * i) * unit_;
      Add(s, Strokes({{{back, 3}, {tip, 0}, {back, -3}}}, x, x_height_ / 2));
    }
    s.advance = (6 + 4 * count) * unit_;
    return s;
  }

  // ---- The table -------------------------------------------------------------

  Shape Compose(int code) const {
    switch (code) {
      case 0x80: return Barred('C', {9, 12}, 4);  // euro
      case 0x82: return Glyph(',');               // low single quote
      case 0x83: {                                // florin: an f with a tail
        Shape s = Glyph('f');
        const Box ink = InkOf(s);
        Add(s, Strokes({{{0, 0}, {0, -5}, {-1, -7}, {-3, -7}}}, ink.left + 4 * unit_, 0));
        return s;
      }
      case 0x84: return Quotes(',');
      case 0x85: return Row({Glyph('.'), Glyph('.'), Glyph('.')});                    // ellipsis
      case 0x86: return Strokes({{{5, -5}, {5, 21}}, {{1, 14}, {9, 14}}}, 0, 0, 10);  // dagger
      case 0x87: return Strokes({{{5, -5}, {5, 21}}, {{1, 15}, {9, 15}}, {{1, 3}, {9, 3}}}, 0, 0, 10);
      case 0x88: return Strokes({{{2, 17}, {5, 21}, {8, 17}}}, 0, 0, 10);       // modifier circumflex
      case 0x89: return Row({Glyph('%'), Scaled(Glyph('o'), 0.8)}, 2 * unit_);  // per mille
      case 0x8A: return Accented('S', Mark::kCaron);
      case 0x8B: return Angles(false, 1);
      case 0x8C: return Ligature('O', 'E', 6);
      case 0x8E: return Accented('Z', Mark::kCaron);
      case 0x91: return Glyph('`');
      case 0x92: return Glyph('\'');
      case 0x93: return Quotes('`');
      case 0x94: return Quotes('\'');
      case 0x95: {  // bullet
        Shape s = Circle(5 * unit_, x_height_ / 2, 2.5);
        Add(s, Circle(5 * unit_, x_height_ / 2, 1.2));
        s.advance = 10 * unit_;
        return s;
      }
      case 0x96: return Strokes({{{1, 0}, {11, 0}}}, 0, x_height_ / 2, 12);  // en dash
      case 0x97: return Strokes({{{1, 0}, {21, 0}}}, 0, x_height_ / 2, 22);  // em dash
      case 0x98: return Strokes({{{1, 17.5}, {2.5, 19}, {4, 19}, {6, 17.5}, {7.5, 17.5}, {9, 19}}}, 0, 0, 10);
      case 0x99: return Row({Raised('T', 0.5), Raised('M', 0.5)});  // trade mark
      case 0x9A: return Accented('s', Mark::kCaron);
      case 0x9B: return Angles(true, 1);
      case 0x9C: return Ligature('o', 'e', 4);
      case 0x9E: return Accented('z', Mark::kCaron);
      case 0x9F: return Accented('Y', Mark::kDiaeresis);
      case 0xA1: return Turned(Glyph('!'), 5 * unit_);
      case 0xA2: {  // cent
        Shape s = Glyph('c');
        const Box ink = InkOf(s);
        s.lines.push_back({{ink.Middle(), ink.bottom - 2 * unit_}, {ink.Middle(), ink.top + 2 * unit_}});
        return s;
      }
      case 0xA3:  // pound
        return Strokes({{{13, 18}, {12, 20}, {10, 21}, {8, 21}, {6, 20}, {5, 18}, {5, 3}, {4, 1}, {2, 0}},
                        {{2, 11}, {10, 11}},
                        {{2, 0}, {14, 0}}},
                       0, 0, 16);
      case 0xA4: {  // currency sign
        Shape s = Circle(8 * unit_, 9 * unit_, 4);
        Add(s, Strokes({{{2, 3}, {5, 6}}, {{14, 3}, {11, 6}}, {{2, 15}, {5, 12}}, {{14, 15}, {11, 12}}}));
        s.advance = 16 * unit_;
        return s;
      }
      case 0xA5: return Barred('Y', {6, 9}, 0);
      case 0xA6: return Strokes({{{4, -3}, {4, 8}}, {{4, 12}, {4, 23}}}, 0, 0, 8);  // broken bar
      case 0xA7: {  // section: two s, one above the other
        const Shape s = Scaled(Glyph('s'), 0.9);
        Shape out = Moved(s, 0, x_height_ * 0.45);
        Add(out, Moved(s, 0, -x_height_ * 0.45));
        out.advance = s.advance;
        return out;
      }
      case 0xA8:
        return Strokes({{{2, 19}, {3, 20}, {4, 19}, {3, 18}, {2, 19}}, {{8, 19}, {9, 20}, {10, 19}, {9, 18}, {8, 19}}},
                       0, 0, 12);
      case 0xA9: return Encircled('C');
      case 0xAA: return Ordinal('a');
      case 0xAB: return Angles(false, 2);
      case 0xAC: return Strokes({{{2, 10}, {16, 10}, {16, 5}}}, 0, 0, 18);  // not
      case 0xAD: return Glyph('-');                                         // soft hyphen
      case 0xAE: return Encircled('R');
      case 0xAF: return Strokes({{{2, 20}, {10, 20}}}, 0, 0, 12);                 // macron
      case 0xB0: return WithAdvance(Circle(5 * unit_, cap_ - 3 * unit_, 3), 10);  // degree
      case 0xB1: {                                                                // plus-minus
        Shape s = Moved(Glyph('+'), 0, 3 * unit_);
        const Box ink = InkOf(s);
        s.lines.push_back({{ink.left, ink.bottom - 3 * unit_}, {ink.right, ink.bottom - 3 * unit_}});
        return s;
      }
      case 0xB2: return Raised('2');
      case 0xB3: return Raised('3');
      case 0xB4: return Strokes({{{7, 21}, {4, 17}}}, 0, 0, 10);  // acute
      case 0xB5: {                                                // micro: a u with a tail down its left stem
        Shape s = Glyph('u');
        const Box ink = InkOf(s);
        s.lines.push_back({{ink.left, ink.top}, {ink.left, ink.bottom - 7 * unit_}});
        return s;
      }
      case 0xB6:  // pilcrow
        return Strokes({{{8, 0}, {8, 21}}, {{12, 0}, {12, 21}, {6, 21}, {3, 20}, {2, 17}, {3, 14}, {6, 13}, {8, 13}}},
                       0, 0, 15);
      case 0xB7: return WithAdvance(Dot(4 * unit_, x_height_ / 2), 8);  // middle dot
      case 0xB8: return Strokes({{{4.5, 0}, {4, -2}, {5.5, -2.5}, {6, -4}, {5, -5.5}, {2.5, -5.5}}}, 0, 0, 10);
      case 0xB9: return Raised('1');
      case 0xBA: return Ordinal('o');
      case 0xBB: return Angles(true, 2);
      case 0xBC: return Fraction('1', '4');
      case 0xBD: return Fraction('1', '2');
      case 0xBE: return Fraction('3', '4');
      case 0xBF: return Turned(Glyph('?'), 5 * unit_);
      case 0xC0: return Accented('A', Mark::kGrave);
      case 0xC1: return Accented('A', Mark::kAcute);
      case 0xC2: return Accented('A', Mark::kCircumflex);
      case 0xC3: return Accented('A', Mark::kTilde);
      case 0xC4: return Accented('A', Mark::kDiaeresis);
      case 0xC5: return Accented('A', Mark::kRing);
      case 0xC6: return Ligature('A', 'E', 7);
      case 0xC7: return Cedilla('C');
      case 0xC8: return Accented('E', Mark::kGrave);
      case 0xC9: return Accented('E', Mark::kAcute);
      case 0xCA: return Accented('E', Mark::kCircumflex);
      case 0xCB: return Accented('E', Mark::kDiaeresis);
      case 0xCC: return Accented('I', Mark::kGrave);
      case 0xCD: return Accented('I', Mark::kAcute);
      case 0xCE: return Accented('I', Mark::kCircumflex);
      case 0xCF: return Accented('I', Mark::kDiaeresis);
      case 0xD0:
      case 0xF0: return Eth(code == 0xD0);
      case 0xD1: return Accented('N', Mark::kTilde);
      case 0xD2: return Accented('O', Mark::kGrave);
      case 0xD3: return Accented('O', Mark::kAcute);
      case 0xD4: return Accented('O', Mark::kCircumflex);
      case 0xD5: return Accented('O', Mark::kTilde);
      case 0xD6: return Accented('O', Mark::kDiaeresis);
      case 0xD7: return Strokes({{{3, 3}, {13, 13}}, {{13, 3}, {3, 13}}}, 0, 0, 16);  // multiplication
      case 0xD8: return Slashed('O');
      case 0xD9: return Accented('U', Mark::kGrave);
      case 0xDA: return Accented('U', Mark::kAcute);
      case 0xDB: return Accented('U', Mark::kCircumflex);
      case 0xDC: return Accented('U', Mark::kDiaeresis);
      case 0xDD: return Accented('Y', Mark::kAcute);
      case 0xDE:
      case 0xFE: return Thorn(code == 0xDE);
      case 0xDF:  // sharp s
        return Strokes(
            {{{3, 0},   {3, 15}, {4, 18},  {6, 20},  {8, 21},  {10, 21}, {12, 20}, {13, 18}, {13, 16}, {12, 14},
              {10, 13}, {8, 13}, {10, 13}, {13, 12}, {15, 10}, {15, 6},  {14, 3},  {12, 1},  {10, 0},  {8, 0}}},
            0, 0, 18);
      case 0xE0: return Accented('a', Mark::kGrave);
      case 0xE1: return Accented('a', Mark::kAcute);
      case 0xE2: return Accented('a', Mark::kCircumflex);
      case 0xE3: return Accented('a', Mark::kTilde);
      case 0xE4: return Accented('a', Mark::kDiaeresis);
      case 0xE5: return Accented('a', Mark::kRing);
      case 0xE6: return Ligature('a', 'e', 5);
      case 0xE7: return Cedilla('c');
      case 0xE8: return Accented('e', Mark::kGrave);
      case 0xE9: return Accented('e', Mark::kAcute);
      case 0xEA: return Accented('e', Mark::kCircumflex);
      case 0xEB: return Accented('e', Mark::kDiaeresis);
      case 0xEC: return Accented('i', Mark::kGrave);
      case 0xED: return Accented('i', Mark::kAcute);
      case 0xEE: return Accented('i', Mark::kCircumflex);
      case 0xEF: return Accented('i', Mark::kDiaeresis);
      case 0xF1: return Accented('n', Mark::kTilde);
      case 0xF2: return Accented('o', Mark::kGrave);
      case 0xF3: return Accented('o', Mark::kAcute);
      case 0xF4: return Accented('o', Mark::kCircumflex);
      case 0xF5: return Accented('o', Mark::kTilde);
      case 0xF6: return Accented('o', Mark::kDiaeresis);
      case 0xF7: {  // division
        Shape s = Strokes({{{3, 0}, {13, 0}}}, 0, x_height_ / 2, 16);
        Add(s, Dot(8 * unit_, x_height_ / 2 + 4 * unit_));
        Add(s, Dot(8 * unit_, x_height_ / 2 - 4 * unit_));
        return s;
      }
      case 0xF8: return Slashed('o');
      case 0xF9: return Accented('u', Mark::kGrave);
      case 0xFA: return Accented('u', Mark::kAcute);
      case 0xFB: return Accented('u', Mark::kCircumflex);
      case 0xFC: return Accented('u', Mark::kDiaeresis);
      case 0xFD: return Accented('y', Mark::kAcute);
      case 0xFF: return Accented('y', Mark::kDiaeresis);
      default: return {};  // 0x81, 0x8D, 0x8F, 0x90, 0x9D: no character
    }
  }

  Shape WithAdvance(Shape s, double advance) const {
    s.advance = advance * unit_;
    return s;
  }

  Shape Encircled(unsigned char c) const {
    const double radius = 10.5;
    Shape s = Circle(12 * unit_, cap_ / 2, radius);
    Shape letter = Scaled(Glyph(c), 0.5);
    const Box ink = InkOf(letter);
    Add(s, Moved(letter, 12 * unit_ - ink.Middle(), cap_ / 2 - (ink.bottom + ink.top) / 2));
    s.advance = 24 * unit_;
    return s;
  }

  // A small raised letter over a line: ª and º.
  Shape Ordinal(unsigned char c) const {
    Shape s = Moved(Scaled(Glyph(c), 0.6), 0, cap_ - 0.6 * x_height_);
    const Box ink = InkOf(s);
    s.lines.push_back({{ink.left, ink.bottom - 2 * unit_}, {ink.right, ink.bottom - 2 * unit_}});
    return s;
  }

  // Ð is a D with a bar through its stem; ð an o with a crossed rising stroke.
  Shape Eth(bool capital) const {
    if (capital) {
      Shape s = Glyph('D');
      const Box ink = InkOf(s);
      s.lines.push_back({{ink.left - 2 * unit_, cap_ / 2}, {ink.left + 5 * unit_, cap_ / 2}});
      return s;
    }
    Shape s = Glyph('o');
    const Box ink = InkOf(s);
    s.lines.push_back({{ink.right - unit_, ink.top - 2 * unit_}, {ink.Middle() - unit_, cap_}});
    s.lines.push_back({{ink.Middle() - 3 * unit_, cap_ - 4 * unit_}, {ink.right, cap_ - unit_}});
    return s;
  }

  // Þ is a stem with a bowl halfway up; þ a p whose stem rises as high as
  // the b's.
  Shape Thorn(bool capital) const {
    if (capital)
      return Strokes({{{4, 0}, {4, 21}},
                      {{4, 16}, {13, 16}, {16, 15}, {17, 14}, {18, 12}, {18, 9}, {17, 7}, {16, 6}, {13, 5}, {4, 5}}},
                     0, 0, 21);
    Shape s = Glyph('p');
    // The stem is the tallest stroke that reaches below the baseline; it goes
    // on upwards in its own direction, so a slanted stem stays straight.
    const auto height = [](const Polyline& line) {
      const auto [low, high] =
          std::minmax_element(line.begin(), line.end(), [](const Pt& a, const Pt& b) { return a.y < b.y; });
      return low->y < 0 ? high->y - low->y : 0.0;
    };
    const Polyline* stem = nullptr;
    for (const Polyline& line : s.lines)
      if (!line.empty() && height(line) > 0 && (stem == nullptr || height(line) > height(*stem))) stem = &line;
    if (stem == nullptr) return s;
    const auto [bottom, top] =
        std::minmax_element(stem->begin(), stem->end(), [](const Pt& a, const Pt& b) { return a.y < b.y; });
    if (top->y <= bottom->y) return s;
    const double run = (top->x - bottom->x) / (top->y - bottom->y);
    const Box b = InkOf(Glyph('b'));
    const double ascender = b.Empty() ? cap_ : b.top;
    s.lines.push_back({*top, {top->x + run * (ascender - top->y), ascender}});
    return s;
  }

  // ---- Into the font ---------------------------------------------------------

  void Store(int code, Shape shape) {
    // A piece reaching left of the pen starts the glyph at its leftmost point,
    // as the Hershey conversion does.
    const Box ink = InkOf(shape);
    if (ink.left < 0) {
      shape = Moved(shape, -ink.left, 0);
      shape.advance -= ink.left;
    }
    const auto grid = [](double v) { return static_cast<std::uint8_t>(std::clamp<long>(std::lround(v), 0, kGridMax)); };
    auto& records = font_.glyphs[static_cast<std::size_t>(code)];
    for (const Polyline& line : shape.lines) {
      if (line.empty()) continue;
      StrokeRecord::Kind kind = StrokeRecord::kMove;
      for (const Pt& p : line) {
        records.push_back({kind, grid(p.x), grid(p.y + font_.baseline)});
        kind = StrokeRecord::kLine;
      }
      if (line.size() == 1) records.push_back({StrokeRecord::kLine, records.back().x, records.back().y});
    }
    font_.advance[static_cast<std::size_t>(code)] =
        static_cast<std::int8_t>(std::clamp<long>(std::lround(shape.advance), 0, kGridMax));
  }

  StrokeFont& font_;
  double unit_ = 1;
  double cap_ = kDesignCap;
  double x_height_ = 0;
};

}  // namespace

void ComposeCp1252Glyphs(StrokeFont& font) {
  if (font.em_size <= 0) return;
  Composer(font).Run();
}

}  // namespace vxh
