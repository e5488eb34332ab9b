#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "headless/drawing/document.h"
#include "headless/drawing/entity_list.h"
#include "headless/drawing/settings_tables.h"
#include "headless/dxf/drawing_file.h"
#include "headless/dxf/dxf_file.h"
#include "headless/dxf/dxf_records.h"
#include "headless/kvd/kvd_file.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh {
namespace {

using dxf::EntityStyle;
using dxf::P2;

std::filesystem::path TempFile(const std::string& name) {
  return std::filesystem::temp_directory_path() / ("vorlix_dxf_" + std::to_string(::getpid()) + "_" + name);
}

std::vector<vx::Entity> Entities(const EntityList& list) {
  std::vector<vx::Entity> out;
  list.ForEach([&](vx::Entity e) { out.push_back(e); });
  return out;
}

// The drawing written to a DXF file and read back.
DxfImport ThroughDxf(const Document& doc, const std::string& name) {
  const std::filesystem::path path = TempFile(name);
  ExportDxf(doc, path.string());
  DxfImport back = ReadDxf(path.string());
  std::filesystem::remove(path);
  return back;
}

// A drawing with every kind the DXF carries, on a layer of its own, in a
// dashed style and a colour.
std::unique_ptr<Document> EveryKind() {
  auto doc = std::make_unique<Document>();
  const int layer = AddLayer(*doc, "Parts");
  SetLayerFlag(*doc, "Parts", vx::kLayerFrozen, true);
  EntityStyle style;
  style.layer = static_cast<std::uint16_t>(layer);
  style.line_style = 2;  // "Dashed"
  style.colour = 0x0000FF00;
  ListImpl& work = *ListOf(doc->WorkDL(), "test");
  work.Append(dxf::PointRecord(1, 2, 3, style).data());
  work.Append(dxf::LineRecord({0.1, 0.2}, {1e5 / 3, -7.25}, style).data());
  work.Append(dxf::PolyRecord(vx::kKindPath, {{0, 0}, {1, 0}, {1, 1}}, style).data());
  work.Append(dxf::PolyRecord(vx::kKindPolygon, {{0, 0}, {2, 0}, {2, 2}, {0, 2}}, style).data());
  work.Append(dxf::CircleRecord({5, 5}, 1.5, style).data());
  work.Append(dxf::ArcRecord({1, 1}, 2, 0.25, 1.5, style).data());
  work.Append(dxf::EllipseRecord({3, 4}, 5, 2, 0.3, style).data());
  work.Append(dxf::EllipticalArcRecord({3, 4}, 5, 2, 0.3, 0.5, 2.0, style).data());
  work.Append(dxf::CurveRecord(vx::kKindCurvePath, vx::kCurveBezier,
                               {{0, 0}, {1, 2}, {2, 2}, {3, 0}, {4, -2}, {5, -1}, {6, 0}}, style)
                  .data());
  work.Append(dxf::CurveRecord(vx::kKindClosedCurve, vx::kCurveBezier,
                               {{0, 0}, {1, 2}, {2, 2}, {3, 0}, {2, -1}, {1, -1}, {0, 0}}, style)
                  .data());
  work.Append(dxf::CurveRecord(vx::kKindCurvePath, vx::kCurveSpline, {{0, 0}, {1, 2}, {3, 2}, {4, 0}}, style).data());
  work.Append(dxf::CurveRecord(vx::kKindCurvePath, vx::kCurvePSpline, {{0, 0}, {1, 2}, {3, 2}, {4, 0}}, style).data());
  // Texts take the drawing's font and style on the way back: start from them.
  std::uint8_t spec[vx::kTextSpecBytes] = {};
  std::copy_n(CurrentRecord(doc->Tables(), vx::kTableTextDefaults) + vx::kTextDefaultsSpec, vx::kTextSpecBytes, spec);
  vx::PutF32(spec, vx::kSpecHeight, 2.5f);
  vx::PutF32(spec, vx::kSpecWidth, 1.0f);
  vx::PutF32(spec, vx::kSpecAngle, 0.5f);
  vx::PutU8(spec, vx::kSpecJustify, 5);
  work.Append(dxf::TextRecord({7, 8}, spec, "One line \xB0", style).data());
  vx::PutU8(spec, vx::kSpecJustify, 6);
  work.Append(dxf::TextRecord({7, 9}, spec, "Two\r\nlines {a\\b}", style).data());
  const dxf::InstanceMatrix m = {0, -2, 0, 10, 2, 0, 0, 20, 0, 0, 1, 0};
  const vx::Entity symbol = work.Append(dxf::SymbolRecord("Door", m, style).data());
  ListImpl* members = work.MakeMemberList(symbol);
  members->Append(dxf::LineRecord({0, 0}, {1, 0}, style).data());
  members->Append(dxf::CircleRecord({0.5, 0.5}, 0.25, style).data());
  return doc;
}

void ExpectSameRecord(vx::Entity a, vx::Entity b, const std::string& where) {
  const std::uint32_t size = vx::GetU32(a, vx::kHdrSize);
  ASSERT_EQ(size, vx::GetU32(b, vx::kHdrSize)) << where;
  ASSERT_EQ(vx::GetI8(a, vx::kHdrKind), vx::GetI8(b, vx::kHdrKind)) << where;
  EXPECT_EQ(vx::GetU32(a, vx::kHdrAttr6), vx::GetU32(b, vx::kHdrAttr6)) << where;
  EXPECT_EQ(vx::GetU16(a, vx::kHdrLayer), vx::GetU16(b, vx::kHdrLayer)) << where;
  EXPECT_EQ(vx::GetU16(a, vx::kHdrLineStyle), vx::GetU16(b, vx::kHdrLineStyle)) << where;
  // Geometry goes through decimal text: doubles compare to a relative 1e-12,
  // everything else byte for byte.
  const int kind = vx::GetI8(a, vx::kHdrKind);
  std::size_t at = vx::kHeaderBytes;
  while (at < size) {
    const bool text_part =
        (kind == vx::kKindText && at >= vx::kTextSpec) || (kind == vx::kKindSymbol && at >= vx::kSymName) ||
        (kind == vx::kKindCurvePath || kind == vx::kKindClosedCurve ? at < vx::kCurveVertices && at != vx::kCurveSpan
                                                                    : false) ||
        ((kind == vx::kKindPath || kind == vx::kKindPolygon) && at < vx::kPolyVertices);
    if (text_part || at + 8 > size) {
      EXPECT_EQ(a[at], b[at]) << where << " byte " << at;
      ++at;
      continue;
    }
    const double x = vx::GetF64(a, at), y = vx::GetF64(b, at);
    EXPECT_NEAR(x, y, 1e-12 * std::max(1.0, std::fabs(x))) << where << " double at " << at;
    at += 8;
  }
}

TEST(DxfRoundTripTest, EveryKindComesBackAsItWas) {
  const std::unique_ptr<Document> original = EveryKind();
  const DxfImport back = ThroughDxf(*original, "every_kind.dxf");
  EXPECT_EQ(SkippedSummary(back), "");
  const std::vector<vx::Entity> a = Entities(original->Work()), b = Entities(back.doc->Work());
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    ExpectSameRecord(a[i], b[i], "entity " + std::to_string(i));
    const EntityList* ma = original->Work().Members(a[i]);
    if (ma == nullptr) continue;
    const EntityList* mb = back.doc->Work().Members(b[i]);
    ASSERT_NE(mb, nullptr);
    const std::vector<vx::Entity> xa = Entities(*ma), xb = Entities(*mb);
    ASSERT_EQ(xa.size(), xb.size());
    for (std::size_t k = 0; k < xa.size(); ++k) ExpectSameRecord(xa[k], xb[k], "member " + std::to_string(k));
  }
}

TEST(DxfRoundTripTest, GroupsAreWrittenAsTheirMembers) {
  Document doc;
  ListImpl& work = *ListOf(doc.WorkDL(), "test");
  const vx::Entity group = work.Append(dxf::GroupRecord({}).data());
  ListImpl* members = work.MakeMemberList(group);
  members->Append(dxf::LineRecord({0, 0}, {1, 0}, {}).data());
  members->Append(dxf::ArcRecord({0, 0}, 1, 0, 1, {}).data());
  const DxfImport back = ThroughDxf(doc, "group.dxf");
  const std::vector<vx::Entity> entities = Entities(back.doc->Work());
  ASSERT_EQ(entities.size(), 2u);
  EXPECT_EQ(vx::GetI8(entities[0], vx::kHdrKind), vx::kKindLine);
  EXPECT_EQ(vx::GetI8(entities[1], vx::kHdrKind), vx::kKindArc);
}

TEST(DxfRoundTripTest, StraightCurvePathComesBackAsPath) {
  Document doc;
  ListImpl& work = *ListOf(doc.WorkDL(), "test");
  work.Append(dxf::CurveRecord(vx::kKindClosedCurve, vx::kCurveLines, {{0, 0}, {1, 2}, {3, 2}, {0, 0}}, {}).data());
  const DxfImport back = ThroughDxf(doc, "straight.dxf");
  const std::vector<vx::Entity> entities = Entities(back.doc->Work());
  ASSERT_EQ(entities.size(), 1u);
  EXPECT_EQ(vx::GetI8(entities[0], vx::kHdrKind), vx::kKindPolygon);
  EXPECT_EQ(vx::GetU16(entities[0], vx::kPolyCount), 4);
}

TEST(DxfRoundTripTest, KvdToDxfToKvdThroughTheDrawingFiles) {
  const std::filesystem::path kvd = TempFile("in.kvd"), dxf_path = TempFile("mid.DXF"), kvd2 = TempFile("out.kvd");
  SaveDrawing(*EveryKind(), kvd.string());
  SaveDrawing(*LoadDrawing(kvd.string()), dxf_path.string());
  SaveDrawing(*LoadDrawing(dxf_path.string()), kvd2.string());
  const std::unique_ptr<Document> back = LoadKvd(kvd2.string());
  EXPECT_EQ(back->Work().Count(), EveryKind()->Work().Count());
  for (const auto& p : {kvd, dxf_path, kvd2}) std::filesystem::remove(p);
}

// The Python that has ezdxf, or empty.
std::string PythonWithEzdxf() {
  for (const char* python : {"python3", "/usr/bin/python3"}) {
    const std::string probe = std::string(python) + " -c 'import ezdxf' >/dev/null 2>&1";
    if (std::system(probe.c_str()) == 0) return python;
  }
  return "";
}

TEST(DxfRoundTripTest, ExportedFileIsReadByEzdxf) {
  const std::string python = PythonWithEzdxf();
  if (python.empty()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::filesystem::path path = TempFile("for_ezdxf.dxf");
  ExportDxf(*EveryKind(), path.string());
  // ezdxf's own audit finds structural faults; the counts show it saw the entities.
  const std::string script =
      "import ezdxf,sys\n"
      "doc=ezdxf.readfile(sys.argv[1])\n"
      "auditor=doc.audit()\n"
      "kinds=sorted(e.dxftype() for e in doc.modelspace())\n"
      "assert not auditor.has_errors, [str(e.message) for e in auditor.errors]\n"
      "assert kinds.count(\"SPLINE\")==4, kinds\n"
      "assert kinds.count(\"INSERT\")==1 and \"Door\" in doc.blocks, kinds\n"
      "assert doc.layers.get(\"Parts\").is_frozen()\n";
  const int status = std::system((python + " -c '" + script + "' " + path.string()).c_str());
  std::filesystem::remove(path);
  EXPECT_EQ(status, 0);
}

}  // namespace
}  // namespace vxh
