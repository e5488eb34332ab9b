// Writing a drawing as an R2000 DXF through dxflib: header, tables (line
// types, layers, a text style, the tables dxflib's readers expect), one
// block per symbol name, the entities, the objects section.
#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>

#include "headless/drawing/document.h"
#include "headless/drawing/settings_tables.h"
#include "headless/dxf/dxf_export_writer.h"
#include "headless/dxf/dxf_file.h"
#include "headless/files/output_file.h"
#include "headless/host_error.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh {

namespace {

constexpr int kLayerFrozen = 1;  // DXF layer flag
constexpr int kSolidLineStyle = 1;

void WriteLineTypes(DL_Dxf& dxf, DL_WriterA& out, const Document& doc) {
  std::vector<std::pair<std::string, std::vector<double>>> styles;
  ForEachRecord(doc.Tables(), vx::kTableLineStyles, [&](const std::uint8_t* r) {
    if (vx::GetU16(r, vx::kLStyleNumber) == kSolidLineStyle) return;
    std::vector<double> dashes(vx::GetU16(r, vx::kLStyleDashCount));
    for (std::size_t i = 0; i < dashes.size(); ++i) dashes[i] = vx::GetF32(r, vx::kLStyleDashes + 4 * i);
    styles.emplace_back(reinterpret_cast<const char*>(r + vx::kLStyleName), dashes);
  });
  out.tableLinetypes(static_cast<int>(styles.size()) + 3);
  dxf.writeLinetype(out, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
  dxf.writeLinetype(out, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
  dxf.writeLinetype(out, DL_LinetypeData(dxf::kContinuous, "Solid line", 0, 0, 0.0));
  for (auto& [name, dashes] : styles) {
    double length = 0;
    for (double d : dashes) length += std::fabs(d);
    dxf.writeLinetype(out, DL_LinetypeData(name, name, 0, static_cast<int>(dashes.size()), length,
                                           dashes.empty() ? nullptr : dashes.data()));
  }
  out.tableEnd();
}

void WriteLayers(DL_Dxf& dxf, DL_WriterA& out, const Document& doc, const dxf::EntityWriter& names) {
  std::vector<const std::uint8_t*> layers;
  ForEachRecord(doc.Tables(), vx::kTableLayers, [&](const std::uint8_t* r) { layers.push_back(r); });
  out.tableLayers(static_cast<int>(layers.size()));
  for (const std::uint8_t* r : layers) {
    const std::uint32_t flags = vx::GetU32(r, vx::kLayerFlags);
    const int colour = vx::GetU16(r, vx::kLayerColour);
    const bool hidden = (flags & vx::kLayerHidden) != 0;
    dxf.writeLayer(
        out,
        DL_LayerData(reinterpret_cast<const char*>(r + vx::kLayerName), (flags & vx::kLayerFrozen) ? kLayerFrozen : 0,
                     hidden),
        DL_Attributes("", colour >= 1 && colour <= 255 ? colour : 7, -1, -1, names.LineType(dxf::LayerLineStyle(r))));
  }
  out.tableEnd();
}

void WriteTables(DL_Dxf& dxf, DL_WriterA& out, const Document& doc, const dxf::EntityWriter& names,
                 const std::vector<dxf::SymbolBlock>& blocks) {
  out.sectionTables();
  dxf.writeVPort(out);
  WriteLineTypes(dxf, out, doc);
  WriteLayers(dxf, out, doc, names);
  out.tableStyle(1);
  dxf.writeStyle(out, DL_StyleData("STANDARD", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
  out.tableEnd();
  dxf.writeView(out);
  dxf.writeUcs(out);
  out.tableAppid(1);
  dxf.writeAppid(out, "ACAD");
  out.tableEnd();
  dxf.writeDimStyle(out, 2.5, 1.25, 0.625, 0.625, 2.5);
  dxf.writeBlockRecord(out);
  for (const dxf::SymbolBlock& b : blocks) dxf.writeBlockRecord(out, b.dxf_name);
  out.tableEnd();
  out.sectionEnd();
}

void WriteBlocks(DL_Dxf& dxf, DL_WriterA& out, dxf::EntityWriter& writer, const std::vector<dxf::SymbolBlock>& blocks) {
  out.sectionBlocks();
  for (const char* name : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
    dxf.writeBlock(out, DL_BlockData(name, 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(out, name);
  }
  for (const dxf::SymbolBlock& b : blocks) {
    dxf.writeBlock(out, DL_BlockData(b.dxf_name, 0, 0.0, 0.0, 0.0));
    writer.SetWritingBlock(true);
    if (b.members != nullptr) writer.WriteList(*b.members);
    writer.SetWritingBlock(false);
    dxf.writeEndBlock(out, b.dxf_name);
  }
  out.sectionEnd();
}

std::map<std::string, int> WriteDxf(const Document& doc, const std::string& path) {
  DL_Dxf dxf;
  std::unique_ptr<DL_WriterA> out(dxf.out(path.c_str(), DL_Codes::AC1015));
  if (out == nullptr || out->openFailed()) throw BadInput("DXF file \"" + path + "\" cannot be written");
  std::map<std::string, std::string> names;
  const std::vector<dxf::SymbolBlock> blocks = dxf::CollectSymbolBlocks(doc, names);
  dxf::EntityWriter writer(dxf, *out, doc, names);
  dxf.writeHeader(*out);
  out->dxfString(9, "$DWGCODEPAGE");
  out->dxfString(3, "ANSI_1252");
  out->sectionEnd();
  WriteTables(dxf, *out, doc, writer, blocks);
  WriteBlocks(dxf, *out, writer, blocks);
  out->sectionEntities();
  writer.WriteList(doc.Work());
  out->sectionEnd();
  dxf::WriteObjects(*out);
  out->dxfEOF();
  out->close();
  return writer.Skipped();
}

}  // namespace

void ExportDxf(const Document& doc, const std::string& path, bool strict) {
  std::string summary;
  bool refused = false;
  try {
    WriteThroughTemporary(path, [&](const std::string& temporary) {
      const std::map<std::string, int> skipped = WriteDxf(doc, temporary);
      for (const auto& [what, count] : skipped) {
        summary += (summary.empty() ? " " : ", ") + std::to_string(count) + " " + what;
      }
      // Thrown inside the write, so the temporary goes and the target stays.
      refused = strict && !skipped.empty();
      if (refused) throw std::runtime_error("a loss with --strict");
    });
  } catch (const WriteFailure&) {
    if (refused) throw DxfLoss("DXF file \"" + path + "\" (--strict): not written:" + summary);
    throw;
  }
  if (!summary.empty()) std::cerr << "DXF file \"" << path << "\": not written:" << summary << "\n";
}

}  // namespace vxh
