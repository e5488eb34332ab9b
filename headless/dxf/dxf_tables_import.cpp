#include "headless/dxf/dxf_tables_import.h"

#include <algorithm>
#include <cctype>

#include "headless/drawing/document.h"
#include "headless/drawing/settings_tables.h"
#include "headless/host_error.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh::dxf {

namespace {

inline constexpr std::uint16_t kSolidStyle = 1;

std::string Upper(const std::string& s) {
  std::string out = s;
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

int UnusedLineStyleNumber(SettingsTables& tables) {
  int highest = 0;
  ForEachRecord(tables, vx::kTableLineStyles, [&](const std::uint8_t* r) {
    highest = std::max<int>(highest, vx::GetU16(r, vx::kLStyleNumber));
  });
  if (highest >= 0xFFFF) throw BadInput("the drawing has no free line style number left");
  return highest + 1;
}

std::vector<std::uint8_t> LineStyleRecord(const std::string& name, int number, const std::vector<double>& dashes) {
  const std::size_t count = std::min<std::size_t>(dashes.size(), 0xFFFF);
  const auto size = static_cast<std::uint32_t>(vx::kLStyleDashes + 4 * count);
  std::vector<std::uint8_t> r(size, 0);
  vx::PutU32(r.data(), vx::kRecSize, size);
  vx::PutU16(r.data(), vx::kLStyleNumber, static_cast<std::uint16_t>(number));
  name.copy(reinterpret_cast<char*>(r.data() + vx::kLStyleName), name.size());
  vx::PutU16(r.data(), vx::kLStyleDashCount, static_cast<std::uint16_t>(count));
  for (std::size_t i = 0; i < count; ++i) {
    vx::PutF32(r.data(), vx::kLStyleDashes + 4 * i, static_cast<float>(dashes[i]));
  }
  return r;
}

}  // namespace

std::string HostName(const std::string& dxf_name) {
  std::string name = dxf_name.substr(0, dxf_name.find('\0'));
  if (name.size() >= vx::kNameFieldBytes) name.resize(vx::kNameFieldBytes - 1);
  return name.empty() ? "0" : name;
}

std::uint16_t TableImport::Layer(const std::string& dxf_name) {
  const std::string name = HostName(dxf_name);
  const std::string key = Upper(name);
  if (auto it = layers_.find(key); it != layers_.end()) return it->second;
  const auto id = static_cast<std::uint16_t>(AddLayer(doc_, name));
  layers_[key] = id;
  return id;
}

void TableImport::DefineLayer(const std::string& dxf_name, bool hidden, bool frozen, int colour_index) {
  const std::string name = HostName(dxf_name);
  Layer(name);
  SetLayerFlag(doc_, name, vx::kLayerHidden, hidden);
  SetLayerFlag(doc_, name, vx::kLayerFrozen, frozen);
  std::uint8_t* layer = FindRecordByName(doc_.Tables(), vx::kTableLayers, vx::kLayerName, name.c_str());
  if (layer != nullptr && colour_index >= 1 && colour_index <= 255) {
    vx::PutU16(layer, vx::kLayerColour, static_cast<std::uint16_t>(colour_index));
  }
}

std::uint16_t TableImport::LineStyle(const std::string& dxf_name) {
  const std::string key = Upper(dxf_name);
  if (key.empty() || key == "BYLAYER" || key == "BYBLOCK" || key == "CONTINUOUS") return kSolidStyle;
  if (auto it = line_styles_.find(key); it != line_styles_.end()) return it->second;
  DefineLineStyle(dxf_name, {});
  return line_styles_[key];
}

void TableImport::DefineLineStyle(const std::string& dxf_name, const std::vector<double>& dashes) {
  const std::string key = Upper(dxf_name);
  if (key.empty() || key == "BYLAYER" || key == "BYBLOCK" || key == "CONTINUOUS") return;
  const std::string name = HostName(dxf_name);
  SettingsTables& tables = doc_.Tables();
  if (const std::uint8_t* found = FindRecordByName(tables, vx::kTableLineStyles, vx::kLStyleName, name.c_str())) {
    line_styles_[key] = vx::GetU16(found, vx::kLStyleNumber);
    return;
  }
  const int number = UnusedLineStyleNumber(tables);
  tables.AppendRecord(vx::kTableLineStyles, LineStyleRecord(name, number, dashes));
  line_styles_[key] = static_cast<std::uint16_t>(number);
}

}  // namespace vxh::dxf
