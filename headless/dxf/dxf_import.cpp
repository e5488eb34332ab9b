// Reading a DXF file: a structural pass of our own, then dxflib's reader
// feeding the collector, then the drawing built from what was collected.
#include <dxflib/dl_dxf.h>

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "headless/drawing/document.h"
#include "headless/dxf/dxf_build.h"
#include "headless/dxf/dxf_collector.h"
#include "headless/dxf/dxf_file.h"
#include "headless/dxf/dxf_structure.h"
#include "headless/dxf/dxf_text.h"
#include "headless/host_error.h"

namespace vxh {

namespace {

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw BadInput("DXF file \"" + path + "\" cannot be opened");
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw BadInput("DXF file \"" + path + "\" cannot be read");
  return bytes;
}

// Entity types of the file that became nothing in the drawing, with the
// notes the reader made on the way.
std::vector<std::string> Skipped(const dxf::DxfOutline& outline, const dxf::ImportModel& model) {
  std::vector<std::string> skipped;
  for (const auto& [type, count] : outline.entity_types) {
    const auto converted = model.converted.find(type);
    const int left = count - (converted == model.converted.end() ? 0 : converted->second);
    if (left > 0) skipped.push_back(std::to_string(left) + " " + type);
  }
  for (const auto& [note, count] : model.losses) skipped.push_back(std::to_string(count) + " " + note);
  return skipped;
}

// dxflib's own failures on values it cannot take (a substring past a value's
// end, a number out of range) are standard exceptions: bad input, not a
// fault of this program.
bool ReadWithDxflib(std::istream& stream, dxf::Collector& collector, const std::string& name) {
  DL_Dxf reader;
  try {
    return reader.in(stream, &collector);
  } catch (const BadInput&) {
    throw;
  } catch (const HostFault&) {
    throw;
  } catch (const std::logic_error& e) {
    throw BadInput("DXF file \"" + name + "\": dxflib cannot read it (" + e.what() + ")");
  }
}

void NoteDecoding(const dxf::DxfDecoder& decoder, dxf::ImportModel& model) {
  if (decoder.Escaped() > 0) {
    model.losses["characters code page 1252 cannot hold (kept as \\U+XXXX)"] += decoder.Escaped();
  }
  if (decoder.Lost() > 0)
    model.losses["characters that are not text or beyond \\U+FFFF (became '?')"] += decoder.Lost();
  if (!decoder.UnknownCodePage().empty()) {
    ++model.losses["unknown code page \"" + decoder.UnknownCodePage() + "\" (read as 1252)"];
  }
}

}  // namespace

DxfImport ReadDxfText(const std::string& file_bytes, const std::string& name) {
  // Some programs start a text file with the UTF-8 byte order mark.
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  const std::string bytes =
      file_bytes.starts_with(kByteOrderMark) ? file_bytes.substr(kByteOrderMark.size()) : file_bytes;
  const dxf::DxfOutline outline = dxf::ScanDxf(bytes, name);
  DxfImport result;
  result.doc = std::make_unique<Document>();
  dxf::ImportModel model;
  dxf::DxfDecoder decoder(outline.utf8, outline.code_page);
  {
    dxf::Collector collector(*result.doc, model, name, decoder);
    collector.SetHatchPatterns(outline.hatch_patterns);
    collector.SetMTextRotations(outline.mtext_rotations);
    collector.SetDimensionBlocks(outline.dimension_blocks);
    std::istringstream stream(bytes.substr(0, outline.bytes_through_eof));
    if (!ReadWithDxflib(stream, collector, name)) throw BadInput("DXF file \"" + name + "\": dxflib cannot read it");
    collector.Finish();
    collector.AddAttributeDefinitions(outline.attribute_definitions);
  }
  if (!model.error.empty()) throw BadInput(model.error);
  NoteDecoding(decoder, model);
  dxf::BuildDrawing(model, *result.doc, name);
  result.skipped = Skipped(outline, model);
  return result;
}

DxfImport ReadDxf(const std::string& path) { return ReadDxfText(ReadFileBytes(path), path); }

std::string SkippedSummary(const DxfImport& import) {
  if (import.skipped.empty()) return "";
  std::string text = "not kept:";
  for (std::size_t i = 0; i < import.skipped.size(); ++i) text += (i == 0 ? " " : ", ") + import.skipped[i];
  return text;
}

std::unique_ptr<Document> ImportDxf(const std::string& path, bool strict) {
  DxfImport import = ReadDxf(path);
  if (const std::string summary = SkippedSummary(import); !summary.empty()) {
    if (strict) throw DxfLoss("DXF file \"" + path + "\" (--strict): " + summary);
    std::cerr << "DXF file \"" << path << "\": " << summary << "\n";
  }
  return std::move(import.doc);
}

}  // namespace vxh
