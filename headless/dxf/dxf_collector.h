// dxflib's callbacks turned into records of the import model. Problems are
// recorded (the first one wins) rather than thrown through dxflib.
#pragma once

#include <dxflib/dl_creationadapter.h>

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "headless/dxf/dxf_geometry.h"
#include "headless/dxf/dxf_import_model.h"
#include "headless/dxf/dxf_structure.h"
#include "headless/dxf/dxf_tables_import.h"
#include "headless/dxf/dxf_text.h"

namespace vxh {
class Document;
}

namespace vxh::dxf {

class Collector : public DL_CreationAdapter {
 public:
  Collector(Document& doc, ImportModel& model, const std::string& file_name, DxfDecoder& decoder);

  // Ends whatever entity is still open; call after dxflib has read the file.
  void Finish();

  void addLayer(const DL_LayerData& data) override;
  void addLinetype(const DL_LinetypeData& data) override;
  void addLinetypeDash(double length) override;
  void addBlock(const DL_BlockData& data) override;
  void endBlock() override;
  void addPoint(const DL_PointData& data) override;
  void addLine(const DL_LineData& data) override;
  void addArc(const DL_ArcData& data) override;
  void addCircle(const DL_CircleData& data) override;
  void addEllipse(const DL_EllipseData& data) override;
  void addPolyline(const DL_PolylineData& data) override;
  void addVertex(const DL_VertexData& data) override;
  void endSequence() override;
  void addSpline(const DL_SplineData& data) override;
  void addControlPoint(const DL_ControlPointData& data) override;
  void addKnot(const DL_KnotData& data) override;
  void addFitPoint(const DL_FitPointData& data) override;
  void addInsert(const DL_InsertData& data) override;
  void addSolid(const DL_SolidData& data) override;
  void addTrace(const DL_TraceData& data) override;
  void add3dFace(const DL_3dFaceData& data) override;
  void addText(const DL_TextData& data) override;
  void addAttribute(const DL_AttributeData& data) override;
  void addMTextChunk(const std::string& text) override;
  void addMText(const DL_MTextData& data) override;
  void addDimAlign(const DL_DimensionData& d, const DL_DimAlignedData&) override { AddDimension(d); }
  void addDimLinear(const DL_DimensionData& d, const DL_DimLinearData&) override { AddDimension(d); }
  void addDimRadial(const DL_DimensionData& d, const DL_DimRadialData&) override { AddDimension(d); }
  void addDimDiametric(const DL_DimensionData& d, const DL_DimDiametricData&) override { AddDimension(d); }
  void addDimAngular(const DL_DimensionData& d, const DL_DimAngular2LData&) override { AddDimension(d); }
  void addDimAngular3P(const DL_DimensionData& d, const DL_DimAngular3PData&) override { AddDimension(d); }
  void addDimOrdinate(const DL_DimensionData& d, const DL_DimOrdinateData&) override { AddDimension(d); }
  void addHatch(const DL_HatchData& data) override;
  void addHatchLoop(const DL_HatchLoopData& data) override;
  void addHatchEdge(const DL_HatchEdgeData& data) override;

  // Pattern lines of the file's HATCHes in file order, which dxflib skips.
  void SetHatchPatterns(std::vector<std::vector<PatternLine>> patterns) { hatch_patterns_ = std::move(patterns); }
  void SetMTextRotations(std::vector<std::optional<double>> degrees) { mtext_rotations_ = std::move(degrees); }
  // The blocks of the file's DIMENSIONs in file order, which dxflib skips.
  void SetDimensionBlocks(std::vector<DimensionBlock> blocks) { dimension_blocks_ = std::move(blocks); }
  // ATTDEFs into their blocks, as attribute texts marked as definitions.
  void AddAttributeDefinitions(const std::vector<AttributeDefinition>& definitions);

 private:
  struct Polyline {
    bool open = false;
    bool ended_by_seqend = false;
    bool closed = false;
    bool mirrored = false;
    bool skip = false;  // meshes and faces
    EntityStyle style;
    std::vector<P2> points;
    std::vector<double> bulges;
  };
  struct Spline {
    bool open = false;
    bool closed = false;
    EntityStyle style;
    BSpline curve;
    std::vector<P2> fit;
  };

  // The fields of a DL_HatchEdgeData its type sets (dxflib leaves the others
  // unset, so the struct is not copied whole).
  struct HatchEdge {
    int type = 0;
    P2 from, to;       // line
    P2 centre, major;  // arc (major.x the radius), elliptical arc
    double ratio = 1, angle1 = 0, angle2 = 0;
    bool ccw = true;
    BSpline spline;                             // spline
    std::vector<std::vector<double>> vertices;  // polyline: x, y, bulge
  };

  struct Hatch {
    bool open = false;
    bool skip = false;      // tilted out of the drawing plane
    bool mirrored = false;  // in the plane seen from below: x runs the other way
    bool solid = false;
    std::string pattern;
    EntityStyle style;
    std::vector<PatternLine> lines;
    std::vector<std::vector<HatchEdge>> loops;
  };

  // Closes a pending polyline or spline before anything else. (dxflib's
  // endSection comes at every entity, so it cannot end one.)
  void FlushPending();
  void FlushPolyline();
  void FlushSpline();
  void FlushHatch();

  bool Finite(const char* type, std::initializer_list<double> values);
  void Fail(const std::string& problem);
  EntityStyle Style();
  EntityStyle StyleOf(const std::string& layer, int colour, int true_colour, const std::string& line_type);
  // The entity's plane: false (and counted) when it is tilted out of the
  // drawing plane; mirrored when its normal points down.
  bool PlaneOf(const char* type, bool& mirrored);
  bool InModel();
  void Add(const char* type, Item item);
  void AddRecord(const char* type, Record record);
  void AddFaceOutline(const char* type, const double* x, const double* y, bool solid_order, std::uint16_t face);
  void AddDimension(const DL_DimensionData& d);
  using TextSpec = std::array<std::uint8_t, vx::kTextSpecBytes>;
  TextSpec SpecOf(double height, double width, double angle, int justify);
  void AddTextItem(const char* type, P2 origin, double height, double width, double angle, int justify,
                   const std::string& text);
  std::string Decode(const std::string& text) { return decoder_.Decode(text); }
  void BuildPolyline(const Polyline& p);
  void BuildSpline(const Spline& s);

  Document& doc_;
  ImportModel& model_;
  std::string file_name_;
  DxfDecoder& decoder_;
  TableImport tables_;
  std::vector<Item>* target_;
  bool paper_block_ = false;
  Polyline polyline_;
  Spline spline_;
  Hatch hatch_;
  std::vector<std::vector<PatternLine>> hatch_patterns_;
  std::size_t next_hatch_ = 0;
  std::vector<std::optional<double>> mtext_rotations_;
  std::size_t next_mtext_ = 0;
  std::vector<DimensionBlock> dimension_blocks_;
  std::size_t next_dimension_ = 0;
  // The INSERT that ATTRIBs which follow belong to: an index into target_.
  std::vector<Item>* insert_list_ = nullptr;
  std::size_t insert_index_ = 0;
  std::vector<double> dashes_;  // of the line type dxflib hands next
  std::string mtext_chunks_;
};

}  // namespace vxh::dxf
