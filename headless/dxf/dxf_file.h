// DXF import and export through dxflib (docs/dxf.md).
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace vxh {

class Document;

struct DxfImport {
  std::unique_ptr<Document> doc;
  // What the drawing could not hold as the file had it, per entity type or
  // table entry, e.g. "1 XLINE", "2 LINE in paper space (...)", "1 layer "X"
  // renamed "Y""; empty when everything was kept.
  std::vector<std::string> skipped;
};

// A --strict read or write that would lose something: nothing is written.
struct DxfLoss : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Throw BadInput naming the file and the problem: unreadable, not an ASCII
// DXF, truncated, a coordinate that is not a finite number.
DxfImport ReadDxf(const std::string& path);
DxfImport ReadDxfText(const std::string& bytes, const std::string& name);
// "not kept: 1 XLINE, 2 ATTDEF"; empty when everything was kept.
std::string SkippedSummary(const DxfImport& import);

// ReadDxf, with the summary of what was not kept on stderr; with `strict`
// anything not kept throws DxfLoss naming it instead.
std::unique_ptr<Document> ImportDxf(const std::string& path, bool strict = false);

// Writes an R2000 DXF through a temporary file beside the target that replaces
// `path` only when it is complete; what the file cannot hold is named on
// stderr, or with `strict` throws DxfLoss and nothing is written. Throws
// WriteFailure when the file cannot be written.
void ExportDxf(const Document& doc, const std::string& path, bool strict = false);

}  // namespace vxh
