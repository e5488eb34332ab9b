// DXF layers, line types and hatch patterns into a drawing's settings
// tables. An imported drawing has the layers and line types of its file and
// no others: the layer table starts empty and the line style table holds only
// "Solid" (style 1, the DXF's CONTINUOUS), so that writing the drawing back
// gives the tables it was read from.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "headless/dxf/dxf_import_model.h"

namespace vxh {
class Document;
}

namespace vxh::dxf {

class TableImport {
 public:
  // Empties the layer and line style tables of a new drawing.
  TableImport(Document& doc, ImportModel& model);

  // The layer's id, adding the layer when the drawing has none of that name.
  // A name longer than a host name field holds gets a shortened unique name,
  // reported in the model's losses.
  std::uint16_t Layer(const std::string& dxf_name);
  void DefineLayer(const std::string& dxf_name, bool hidden, bool frozen, int colour_index,
                   const std::string& line_type);
  // The line style of the layer (style 1 for an unknown id).
  std::uint16_t LayerLineStyle(std::uint16_t layer) const;

  // The style number for an entity's line type on a layer; BYLAYER gives the
  // layer's style and BYBLOCK the solid style, each with its mark in
  // `dxf_flags` so the file writes them back as they were.
  std::uint16_t LineStyle(const std::string& dxf_name, std::uint16_t layer, std::uint16_t& dxf_flags);
  // Drawing lengths, positive drawn, negative gap, 0 a dot (the DXF and the
  // host agree).
  void DefineLineStyle(const std::string& dxf_name, const std::vector<double>& dashes);

  // A fill style holding the pattern (no lines: solid), named after it; the
  // same pattern twice gives the same style.
  std::uint16_t FillStyle(const std::string& pattern_name, const std::vector<PatternLine>& lines);

  // Layer "0" when the file gave no layer at all; "0" (or the first layer)
  // current.
  void Finish();

 private:
  std::string UniqueHostName(const std::string& dxf_name, int table, std::size_t name_offset, const char* what);

  Document& doc_;
  ImportModel& model_;
  std::map<std::string, std::uint16_t> layers_;               // by upper-case DXF name
  std::map<std::uint16_t, std::uint16_t> layer_styles_;       // layer id -> line style
  std::map<std::string, std::uint16_t> line_styles_;          // by upper-case DXF name
  std::map<std::vector<std::uint8_t>, std::uint16_t> fills_;  // by pattern data and name
};

}  // namespace vxh::dxf
