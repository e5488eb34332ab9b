// DXF layers and line types into a drawing's settings tables.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace vxh {
class Document;
}

namespace vxh::dxf {

// Host names are at most 31 bytes; longer DXF names are cut there, and an
// empty one is layer "0".
std::string HostName(const std::string& dxf_name);

class TableImport {
 public:
  explicit TableImport(Document& doc) : doc_(doc) {}

  // The layer's id, adding the layer when the drawing has none of that name.
  std::uint16_t Layer(const std::string& dxf_name);
  void DefineLayer(const std::string& dxf_name, bool hidden, bool frozen, int colour_index);

  // BYLAYER, BYBLOCK and CONTINUOUS are the solid style; a name the drawing
  // lacks is added without dashes unless the file defines it.
  std::uint16_t LineStyle(const std::string& dxf_name);
  // Drawing lengths, positive drawn, negative gap, 0 a dot (the DXF and the
  // host agree). An existing style of that name is kept as it is.
  void DefineLineStyle(const std::string& dxf_name, const std::vector<double>& dashes);

 private:
  Document& doc_;
  std::map<std::string, std::uint16_t> layers_;       // by upper-case name
  std::map<std::string, std::uint16_t> line_styles_;  // by upper-case name
};

}  // namespace vxh::dxf
