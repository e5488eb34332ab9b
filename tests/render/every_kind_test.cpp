// Every kind of entity goes into a picture without error; what cannot be
// drawn is counted, and damaged records never stop the picture.
#include <gtest/gtest.h>

#include "headless/host_error.h"
#include "host/record.h"
#include "tests/render/render_fixture.h"

namespace rendertest {
namespace {

using vxtest::Blank;

constexpr double kPi = 3.14159265358979323846;

Record TextLike(double x, double y, const std::string& s) {
  Record r = Blank(vx::kKindTextLike, vx::TextLikeSize(static_cast<std::uint32_t>(s.size())));
  vx::PutF64(r.data(), vx::kTextLikeX, x);
  vx::PutF64(r.data(), vx::kTextLikeY, y);
  std::memcpy(r.data() + vx::kTextLikeString, s.data(), s.size());
  return r;
}

Record Attribute(double x, double y, const std::string& s) {
  const std::uint32_t at = 118;
  Record r = Blank(vx::kKindAttribute, at + static_cast<std::uint32_t>(s.size()) + 1);
  vx::PutU32(r.data(), vx::kAttrStringOffset, at);
  vx::PutF64(r.data(), vx::kAttrX, x);
  vx::PutF64(r.data(), vx::kAttrY, y);
  std::memcpy(r.data() + at, s.data(), s.size());
  return r;
}

Record Symbol(double dx, double dy) {
  Record r = Blank(vx::kKindSymbol, vx::SymbolSize(1));
  const double m[12] = {1, 0, 0, dx, 0, 1, 0, dy, 0, 0, 1, 0};
  for (int i = 0; i < 12; ++i) vx::PutF64(r.data(), vx::kSymMatrix + 8 * i, m[i]);
  r[vx::kSymName] = 'S';
  return r;
}

Record ArcDimension() {
  Record r = Blank(vx::kKindDimArc, vx::kDimArcSize);
  vx::PutF64(r.data(), vx::kDimArcCentreX, 150);
  vx::PutF64(r.data(), vx::kDimArcRadius, 12);
  vx::PutF64(r.data(), vx::kDimArcSweep, kPi / 3);
  vx::PutF64(r.data(), vx::kDimArcLeader1, 5);
  vx::PutF64(r.data(), vx::kDimArcLeader2, 5);
  return r;
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

class EveryKind : public RenderTest {
 protected:
  // One entity of every kind the picture draws; returns how many.
  int AddEveryKind() {
    const std::vector<std::pair<double, double>> zigzag = {{0, 0}, {5, 8}, {10, 0}, {15, 8}};
    const std::vector<std::pair<double, double>> bezier = {{0, 0}, {3, 9}, {7, 9}, {10, 0}};
    const std::vector<Record> plain = {
        vxtest::Line(0, 0, 10, 10),
        vxtest::Poly(vx::kKindPath, zigzag),
        vxtest::Poly(vx::kKindPolygon, {{20, 0}, {30, 0}, {25, 8}, {20, 0}}),
        vxtest::Circle(40, 5, 5),
        vxtest::Arc(55, 5, 5, 0, 2),
        vxtest::Ellipse(70, 5, 6, 3, 0.3),
        vxtest::EllipticalArc(85, 5, 6, 3, 0.3, 0.5, 3),
        vxtest::Wall(0, 20, 30, 20, 2),
        vxtest::Bezier(bezier),
        vxtest::Text(0, 30, 3, 1, 0, "Text"),
        TextLike(20, 30, "Like"),
        Attribute(40, 30, "Attr"),
        ArcDimension(),
    };
    for (const Record& r : plain) Add(r);
    Record point = Blank(vx::kKindPoint, vx::kPointSize);
    vx::PutF64(point.data(), vx::kPointX, 60);
    vx::PutF64(point.data(), vx::kPointY, 30);
    Add(point);
    int count = static_cast<int>(plain.size()) + 1;
    for (std::uint8_t type = 0; type < 4; ++type) {
      const auto& pts = type == 3 ? bezier : zigzag;
      Add(vxtest::Curve(vx::kKindCurvePath, type, Shifted(pts, 20.0 * type, 40)));
      Add(vxtest::Curve(vx::kKindClosedCurve, type, Shifted(pts, 20.0 * type, 55)));
      count += 2;
    }
    for (vx::Kind kind : {vx::kKindGroup, vx::kKindGlyphContainer, vx::kKindArrowComposite, vx::kKindContainer}) {
      vx::DList* members = doc_.WorkDL()->MakeMemberList(Add(Blank(kind, 64)));
      Add(members, vxtest::Circle(100 + 10.0 * static_cast<int>(kind), 60, 3));
      ++count;
    }
    vx::DList* members = doc_.WorkDL()->MakeMemberList(Add(Symbol(120, 10)));
    Add(members, vxtest::Poly(vx::kKindPolygon, {{0, 0}, {4, 0}, {4, 4}, {0, 0}}));
    return count + 1;
  }

  static std::vector<std::pair<double, double>> Shifted(std::vector<std::pair<double, double>> pts, double dx,
                                                        double dy) {
    for (auto& p : pts) p.first += dx, p.second += dy;
    return pts;
  }
};

TEST_F(EveryKind, EveryKindGoesIntoAnSvgAsPaths) {
  const int kinds = AddEveryKind();
  const auto report = Render("every.svg");
  EXPECT_TRUE(report.left_out.empty());
  const std::string svg = ReadText("every.svg");
  ASSERT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_GE(Count(svg, "<path"), static_cast<std::size_t>(kinds));
}

TEST_F(EveryKind, PngAndPdfAreWrittenToo) {
  AddEveryKind();
  for (const char* name : {"every.png", "every.pdf"}) {
    Render(name);
    EXPECT_GT(std::filesystem::file_size(PathOf(name)), 1000u) << name;
  }
  EXPECT_TRUE(Picture(PathOf("every.png")).Ok());
}

TEST_F(EveryKind, OtherDimensionsAndDamagedRecordsAreCountedNotDrawn) {
  Add(vxtest::Line(0, 0, 10, 10));
  Add(Blank(vx::kKindDimLinear, 240));
  Add(Blank(vx::kKindDimRadial, 250));
  Add(Blank(vx::kKindDimOrdinate, 240));
  Add(vxtest::Curve(vx::kKindCurvePath, 9, {{0, 0}, {1, 1}}));                          // unknown curve type
  Add(vxtest::Curve(vx::kKindCurvePath, 3, {{0, 0}, {1, 1}, {2, 0}, {3, 1}, {4, 0}}));  // no whole segments
  Record short_ellipse = vxtest::Ellipse(0, 0, 5, 3, 0);
  vx::PutU32(short_ellipse.data(), vx::kHdrSize, 60);
  Add(short_ellipse);
  Add(vxtest::Line(0, 0, NAN, 5));
  Add(Blank(vx::kKindDimArc, vx::kDimArcSize));  // radius 0
  Add(Blank(vx::Kind(99), 40));
  const auto report = Render("damaged.svg");
  // A line with a NaN end is skipped quietly, not counted.
  const std::map<int, int> left_out = {{vx::kKindDimLinear, 1},
                                       {vx::kKindDimRadial, 1},
                                       {vx::kKindDimOrdinate, 1},
                                       {vx::kKindCurvePath, 2},
                                       {vx::kKindEllipse, 1},
                                       {vx::kKindDimArc, 1},
                                       {99, 1}};
  EXPECT_EQ(report.left_out, left_out);
  EXPECT_GE(Count(ReadText("damaged.svg"), "<path"), 1u);
}

TEST_F(EveryKind, AnUnknownExtensionIsBadInput) {
  Add(vxtest::Line(0, 0, 10, 10));
  EXPECT_THROW(Render("picture.bmp"), vxh::BadInput);
  EXPECT_THROW(vxh::RenderDrawing(doc_, "/nonexistent-folder/x.png"), vxh::BadInput);
}

}  // namespace
}  // namespace rendertest
