#include "headless/dxf/dxf_tables_import.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "headless/ascii_case.h"
#include "headless/drawing/document.h"
#include "headless/drawing/settings_tables.h"
#include "headless/dxf/dxf_records.h"
#include "headless/host_error.h"
#include "headless/tolerances.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh::dxf {

namespace {

constexpr std::uint16_t kSolidStyle = 1;
constexpr std::size_t kEscapeBytes = 7;  // \U+XXXX

bool IsSolidName(const std::string& key) { return key.empty() || key == "CONTINUOUS"; }

// Bytes of the name that fit a host name field, without cutting a \U+XXXX
// escape in two.
std::string Shortened(const std::string& name, std::size_t room) {
  if (name.size() <= room) return name;
  std::size_t cut = room;
  const std::size_t escape = name.rfind("\\U+", cut - 1);
  if (escape != std::string::npos && escape + kEscapeBytes > cut && escape + kEscapeBytes <= name.size()) cut = escape;
  return name.substr(0, cut);
}

std::vector<std::uint8_t> EmptyTable(int number, const std::vector<std::uint8_t>& keep) {
  std::vector<std::uint8_t> table(vx::FirstRecordOffset(number), 0);
  vx::PutU8(table.data(), vx::kTableNumber, static_cast<std::uint8_t>(number));
  if (number == vx::kTableLineStyles) vx::PutF32(table.data(), vx::kLStyleTableScale, 1.0f);
  if (!keep.empty()) {
    vx::PutU16(table.data(), vx::kTableCurrentId, vx::GetU16(keep.data(), vx::kRecId));
    vx::PutU32(table.data(), vx::kTableCurrentOffset, static_cast<std::uint32_t>(table.size()));
  }
  table.insert(table.end(), keep.begin(), keep.end());
  table.resize(table.size() + 4, 0);
  vx::PutU32(table.data(), vx::kTableLength, static_cast<std::uint32_t>(table.size()));
  return table;
}

int UnusedNumber(SettingsTables& tables, int table, std::size_t field, const char* what) {
  int highest = 0;
  ForEachRecord(tables, table, [&](const std::uint8_t* r) { highest = std::max<int>(highest, vx::GetU16(r, field)); });
  if (highest >= 0xFFFF) throw BadInput(std::string("the drawing has no free ") + what + " number left");
  return highest + 1;
}

std::vector<std::uint8_t> LineStyleRecord(const std::string& name, int number, const std::vector<double>& dashes) {
  const std::size_t count = std::min<std::size_t>(dashes.size(), 0xFFFF);
  const auto size = static_cast<std::uint32_t>(vx::kLStyleDashes + 4 * count);
  std::vector<std::uint8_t> r(size, 0);
  vx::PutU32(r.data(), vx::kRecSize, size);
  vx::PutU16(r.data(), vx::kLStyleNumber, static_cast<std::uint16_t>(number));
  name.copy(reinterpret_cast<char*>(r.data() + vx::kLStyleName), vx::kNameFieldBytes - 1);
  vx::PutU16(r.data(), vx::kLStyleDashCount, static_cast<std::uint16_t>(count));
  for (std::size_t i = 0; i < count; ++i)
    vx::PutF32(r.data(), vx::kLStyleDashes + 4 * i, static_cast<float>(dashes[i]));
  return r;
}

// The pattern data of a line-family fill style, without its id.
std::vector<std::uint8_t> FillRecord(const std::string& name, const std::vector<PatternLine>& lines) {
  std::size_t size = vx::kFillData + vx::kFillDataFamilies;
  for (const PatternLine& l : lines) size += vx::kFamilyFixedBytes + 4 * l.dashes.size();
  std::vector<std::uint8_t> r(size, 0);
  vx::PutU32(r.data(), vx::kRecSize, static_cast<std::uint32_t>(size));
  vx::PutU8(r.data(), vx::kFillType, vx::kFillTypeLineFamilies);
  vx::PutI8(r.data(), vx::kFillDataOffset, static_cast<std::int8_t>(vx::kFillData));
  name.copy(reinterpret_cast<char*>(r.data() + vx::kFillName), vx::kNameFieldBytes - 1);
  std::uint8_t* data = r.data() + vx::kFillData;
  vx::PutF64(data, vx::kFillDataPreview, 1.0);
  vx::PutU32(data, vx::kFillDataCount, static_cast<std::uint32_t>(lines.size()));
  vx::PutF32(data, vx::kFillDataScale, 1.0f);
  std::size_t at = vx::kFillDataFamilies;
  for (const PatternLine& l : lines) {
    double period = 0;
    for (double d : l.dashes) period += std::fabs(d);
    vx::PutF32(data + at, vx::kFamAngle, static_cast<float>(l.angle));
    vx::PutF32(data + at, vx::kFamOriginX, static_cast<float>(l.origin.x));
    vx::PutF32(data + at, vx::kFamOriginY, static_cast<float>(l.origin.y));
    vx::PutF32(data + at, vx::kFamPeriod, static_cast<float>(period));
    vx::PutF32(data + at, vx::kFamSpacing, static_cast<float>(l.spacing));
    vx::PutI32(data + at, vx::kFamDashCount, static_cast<std::int32_t>(l.dashes.size()));
    for (std::size_t i = 0; i < l.dashes.size(); ++i)
      vx::PutF32(data + at, vx::kFamDashes + 4 * i, static_cast<float>(l.dashes[i]));
    at += vx::kFamilyFixedBytes + 4 * l.dashes.size();
  }
  return r;
}

// A shift of whole dash periods (or of continuous lines) changes nothing.
bool ShiftMatters(const PatternLine& l) {
  double period = 0;
  for (double d : l.dashes) period += std::fabs(d);
  if (!(period > 0)) return false;
  const double rest = std::fabs(std::remainder(l.shift, period));
  return rest > tol::kDxfRelative * std::max(1.0, period);
}

}  // namespace

TableImport::TableImport(Document& doc, ImportModel& model) : doc_(doc), model_(model) {
  SettingsTables& tables = doc.Tables();
  tables.Install(vx::kTableLayers, EmptyTable(vx::kTableLayers, {}));
  std::vector<std::uint8_t> solid;
  if (const std::uint8_t* r = FindRecordById(tables, vx::kTableLineStyles, kSolidStyle)) {
    solid.assign(r, r + vx::GetU32(r, vx::kRecSize));
  } else {
    solid = LineStyleRecord("Solid", kSolidStyle, {});
  }
  tables.Install(vx::kTableLineStyles, EmptyTable(vx::kTableLineStyles, solid));
}

std::string TableImport::UniqueHostName(const std::string& dxf_name, int table, std::size_t name_offset,
                                        const char* what) {
  const std::size_t room = vx::kNameFieldBytes - 1;
  const std::string whole = dxf_name.substr(0, dxf_name.find('\0'));
  // Readers refuse a backslash in a table name, so a character the host's
  // code page lacks cannot stay a \U+XXXX escape there.
  std::string plain;
  for (std::size_t i = 0; i < whole.size(); ++i) {
    if (whole.compare(i, 3, "\\U+") == 0 && i + kEscapeBytes <= whole.size()) {
      plain += '_';
      i += kEscapeBytes - 1;
    } else {
      plain += whole[i];
    }
  }
  std::string name = Shortened(plain, room);
  for (int n = 2; FindRecordByName(doc_.Tables(), table, name_offset, name.c_str()) != nullptr; ++n) {
    const std::string suffix = "~" + std::to_string(n);
    name = Shortened(plain, room - suffix.size()) + suffix;
  }
  if (name != whole) ++model_.losses[std::string(what) + " \"" + whole + "\" renamed \"" + name + "\""];
  return name;
}

std::uint16_t TableImport::Layer(const std::string& dxf_name) {
  const std::string key = AsciiUppered(dxf_name.empty() ? "0" : dxf_name);
  if (auto it = layers_.find(key); it != layers_.end()) return it->second;
  const std::string name = UniqueHostName(dxf_name.empty() ? "0" : dxf_name, vx::kTableLayers, vx::kLayerName, "layer");
  const auto id = static_cast<std::uint16_t>(AddLayer(doc_, name));
  layers_[key] = id;
  layer_styles_[id] = kSolidStyle;
  return id;
}

void TableImport::DefineLayer(const std::string& dxf_name, bool hidden, bool frozen, int colour_index,
                              const std::string& line_type) {
  const std::uint16_t id = Layer(dxf_name);
  std::uint16_t flags = 0;
  const std::uint16_t style = LineStyle(line_type, id, flags);
  std::uint8_t* layer = FindRecordById(doc_.Tables(), vx::kTableLayers, id);
  if (layer == nullptr) return;
  std::uint32_t bits = vx::GetU32(layer, vx::kLayerFlags) & ~(vx::kLayerHidden | vx::kLayerFrozen);
  if (hidden) bits |= vx::kLayerHidden;
  if (frozen) bits |= vx::kLayerFrozen;
  vx::PutU32(layer, vx::kLayerFlags, bits);
  if (colour_index >= 1 && colour_index <= 255)
    vx::PutU16(layer, vx::kLayerColour, static_cast<std::uint16_t>(colour_index));
  // A layer's own line type is never "by layer".
  const std::uint16_t own = (flags & (kDxfLineTypeByLayer | kDxfLineTypeByBlock)) != 0 ? kSolidStyle : style;
  vx::PutU16(layer, vx::kLayerLineStyle, own);
  layer_styles_[id] = own;
}

std::uint16_t TableImport::LayerLineStyle(std::uint16_t layer) const {
  const auto it = layer_styles_.find(layer);
  return it == layer_styles_.end() ? kSolidStyle : it->second;
}

std::uint16_t TableImport::LineStyle(const std::string& dxf_name, std::uint16_t layer, std::uint16_t& dxf_flags) {
  const std::string key = AsciiUppered(dxf_name);
  // An entity without a line type is drawn by layer.
  if (key.empty() || key == "BYLAYER") {
    dxf_flags |= kDxfLineTypeByLayer;
    return LayerLineStyle(layer);
  }
  if (key == "BYBLOCK") {
    dxf_flags |= kDxfLineTypeByBlock;
    return kSolidStyle;
  }
  if (IsSolidName(key)) return kSolidStyle;
  if (auto it = line_styles_.find(key); it != line_styles_.end()) return it->second;
  DefineLineStyle(dxf_name, {});
  return line_styles_[key];
}

void TableImport::DefineLineStyle(const std::string& dxf_name, const std::vector<double>& dashes) {
  const std::string key = AsciiUppered(dxf_name);
  if (IsSolidName(key) || key == "BYLAYER" || key == "BYBLOCK" || line_styles_.count(key) != 0) return;
  SettingsTables& tables = doc_.Tables();
  const std::string name = UniqueHostName(dxf_name, vx::kTableLineStyles, vx::kLStyleName, "line type");
  const int number = UnusedNumber(tables, vx::kTableLineStyles, vx::kLStyleNumber, "line style");
  tables.AppendRecord(vx::kTableLineStyles, LineStyleRecord(name, number, dashes));
  line_styles_[key] = static_cast<std::uint16_t>(number);
}

std::uint16_t TableImport::FillStyle(const std::string& pattern_name, const std::vector<PatternLine>& lines) {
  for (const PatternLine& l : lines) {
    if (ShiftMatters(l)) {
      ++model_.losses["HATCH pattern line whose dashes shift from line to line (drawn without the shift)"];
      break;
    }
  }
  const std::string wanted = pattern_name.empty() ? (lines.empty() ? "SOLID" : "HATCH") : pattern_name;
  // The whole DXF name joins the key: two long names alike in the bytes a
  // record holds are two patterns.
  std::vector<std::uint8_t> key = FillRecord("", lines);
  key.insert(key.end(), wanted.begin(), wanted.end());
  if (auto it = fills_.find(key); it != fills_.end()) return it->second;
  SettingsTables& tables = doc_.Tables();
  // The same pattern name at another scale or angle is another fill style.
  std::string name = Shortened(wanted, vx::kNameFieldBytes - 1);
  for (int n = 2; FindRecordByName(tables, vx::kTableFillStyles, vx::kFillName, name.c_str()) != nullptr; ++n) {
    const std::string suffix = "~" + std::to_string(n);
    name = Shortened(wanted, vx::kNameFieldBytes - 1 - suffix.size()) + suffix;
  }
  std::vector<std::uint8_t> record = FillRecord(name, lines);
  const int id = UnusedNumber(tables, vx::kTableFillStyles, vx::kFillId, "fill style");
  vx::PutU16(record.data(), vx::kFillId, static_cast<std::uint16_t>(id));
  tables.AppendRecord(vx::kTableFillStyles, record);
  fills_[std::move(key)] = static_cast<std::uint16_t>(id);
  return static_cast<std::uint16_t>(id);
}

void TableImport::Finish() {
  SettingsTables& tables = doc_.Tables();
  if (layers_.empty()) Layer("0");
  const std::uint8_t* current = FindRecordByName(tables, vx::kTableLayers, vx::kLayerName, "0");
  if (current == nullptr) {
    ForEachRecord(tables, vx::kTableLayers, [&](const std::uint8_t* r) {
      if (current == nullptr) current = r;
    });
  }
  MakeCurrent(tables, vx::kTableLayers, current);
}

}  // namespace vxh::dxf
