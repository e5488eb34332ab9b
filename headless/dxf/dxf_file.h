// DXF import and export through dxflib (docs/dxf.md).
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace vxh {

class Document;

struct DxfImport {
  std::unique_ptr<Document> doc;
  // What the drawing could not hold, e.g. "3 HATCH", "1 IMAGE"; empty when
  // everything was converted.
  std::vector<std::string> skipped;
};

// Throw BadInput naming the file and the problem: unreadable, not an ASCII
// DXF, truncated, a coordinate that is not a finite number.
DxfImport ReadDxf(const std::string& path);
DxfImport ReadDxfText(const std::string& bytes, const std::string& name);
// "skipped 3 HATCH, 1 IMAGE"; empty when nothing was skipped.
std::string SkippedSummary(const DxfImport& import);

// ReadDxf, with the summary of what was skipped on stderr.
std::unique_ptr<Document> ImportDxf(const std::string& path);

// Writes an R2000 DXF through a temporary file beside the target. Throws
// WriteFailure when the file cannot be written.
void ExportDxf(const Document& doc, const std::string& path);

}  // namespace vxh
