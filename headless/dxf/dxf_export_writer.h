// Writing entities through dxflib: one DXF entity per record (groups and other
// containers give their members), symbol instances as INSERTs of one BLOCK
// per distinct symbol name.
#pragma once

#include <dxflib/dl_dxf.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "headless/dxf/dxf_geometry.h"
#include "host/kv_types.h"

namespace vxh {
class Document;
class EntityList;
}  // namespace vxh

namespace vxh::dxf {

// A block per symbol name, its members taken from the first instance met.
struct SymbolBlock {
  std::string dxf_name;
  const EntityList* members = nullptr;
};

// Symbols in the order their blocks are written (inner ones first).
std::vector<SymbolBlock> CollectSymbolBlocks(const Document& doc, std::map<std::string, std::string>& dxf_names);

// The host's solid style 1 in the file.
inline constexpr const char* kContinuous = "Continuous";
// A layer record's line style (style 1 for records older than the field).
int LayerLineStyle(const std::uint8_t* layer);

// The OBJECTS section, every object with its owner.
void WriteObjects(DL_WriterA& out);

// A line-family fill style as a HATCH pattern; no lines: solid.
struct FillInfo {
  std::string name;
  std::vector<PatternLine> lines;
};

class EntityWriter {
 public:
  EntityWriter(DL_Dxf& dxf, DL_WriterA& out, const Document& doc, const std::map<std::string, std::string>& blocks);

  void WriteList(const EntityList& list);
  // Entities of a block definition: the attributes of the instance it was
  // taken from belong to that instance, not to the block.
  void SetWritingBlock(bool on) { writing_block_ = on; }
  void Write(const EntityList& list, vx::Entity e);
  // Kinds with no DXF twin, and instance transforms a DXF INSERT cannot hold.
  const std::map<std::string, int>& Skipped() const { return skipped_; }
  // The line type name of a host line style.
  std::string LineType(int style) const;

 private:
  DL_Attributes AttributesOf(vx::Entity e) const;
  std::string LineTypeOf(vx::Entity e) const;
  void WritePoly(vx::Entity e, const DL_Attributes& a, std::size_t count_at, std::size_t points_at, bool closed);
  void WriteText(vx::Entity e, const DL_Attributes& a);
  void WriteEllipse(vx::Entity e, const DL_Attributes& a, bool arc);
  void WriteCurve(vx::Entity e, const DL_Attributes& a);
  void WriteBezierSpline(const std::vector<double>& xy, bool closed, const DL_Attributes& a);
  void WriteSpline(int degree, const std::vector<double>& knots, const std::vector<double>& xy, bool fit, bool closed,
                   const DL_Attributes& a);
  void WriteInsert(const EntityList& list, vx::Entity e, const DL_Attributes& a);
  // `placement` takes an attribute from its instance's coordinates to the
  // drawing's; none for a definition in its block.
  void WriteAttribute(vx::Entity e, const DL_Attributes& a, const std::array<double, 12>* placement);
  void WriteWall(vx::Entity e, const DL_Attributes& a);
  void ReadFillStyles(const Document& doc);
  const FillInfo* FillOf(vx::Entity e) const;
  static bool IsLoop(vx::Entity e);
  void WriteLoop(vx::Entity e, bool first);
  void WriteHatch(const EntityList& list, vx::Entity e, const FillInfo& fill, const DL_Attributes& a);
  bool WriteFace(vx::Entity e, const DL_Attributes& a);

  DL_Dxf& dxf_;
  DL_WriterA& out_;
  const Document& doc_;
  const std::map<std::string, std::string>& blocks_;
  std::map<int, std::string> layers_;       // by id
  std::map<int, int> layer_styles_;         // line style by layer id
  std::map<int, std::string> line_styles_;  // by number
  std::map<int, FillInfo> fills_;           // line-family fill styles by id
  std::map<std::string, int> skipped_;
  bool writing_block_ = false;
};

}  // namespace vxh::dxf
