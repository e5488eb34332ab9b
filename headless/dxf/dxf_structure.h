// A first pass over a DXF file's text before dxflib reads it: the file must be
// an ASCII DXF of whole group code / value pairs ending with EOF, with codes
// and lines in the ranges dxflib handles. The pass also counts the entity
// types the file holds, so that the import can say what it skipped.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "headless/dxf/dxf_geometry.h"

namespace vxh::dxf {

// dxflib reads lines into fixed buffers and indexes by group code.
inline constexpr std::size_t kMaxLineBytes = 1023;
inline constexpr int kMaxGroupCode = 1071;

struct DimensionBlock {
  std::string name;  // as the file has it
  P2 definition;
};

// An ATTDEF of a block, its group values as the file has them (dxflib does
// not read ATTDEFs).
struct AttributeDefinition {
  std::string block, layer, line_type, tag, prompt, value;
  int colour = 256;
  P2 point, second;
  double height = 0, angle = 0, width = 1;  // angle in degrees
  int horizontal = 0, vertical = 0, flags = 0;
};

struct DxfOutline {
  std::map<std::string, int> entity_types;  // in ENTITIES and BLOCKS, by type name
  bool utf8 = false;                        // AutoCAD 2007 (AC1021) and later
  std::string code_page;                    // $DWGCODEPAGE, as the file names it
  // Pattern lines of every HATCH in file order (dxflib does not read them).
  std::vector<std::vector<PatternLine>> hatch_patterns;
  // The rotation (code 50, degrees) of every MTEXT in file order, when it has
  // one: dxflib hands it on in degrees or radians depending on which program
  // it believes wrote the file.
  std::vector<std::optional<double>> mtext_rotations;
  // The block that draws each DIMENSION, in file order, with the definition
  // point that tells the DIMENSION dxflib hands over.
  std::vector<DimensionBlock> dimension_blocks;
  std::vector<AttributeDefinition> attribute_definitions;
  // Where the EOF marker's line ends. What follows was never checked (its
  // lines may be longer than dxflib reads, which makes it read forever), so
  // it is not read at all.
  std::size_t bytes_through_eof = 0;
};

// Throws BadInput "DXF file "NAME": PROBLEM" naming the line.
DxfOutline ScanDxf(const std::string& bytes, const std::string& name);

}  // namespace vxh::dxf
