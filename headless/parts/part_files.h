// Part files: a drawing read into a part list (PartLoad) and inserted,
// transformed, into the working list (PartInsert).
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace vxh {

class Document;

// The file a part name stands for: "#name" in the host folder; when the name
// does not exist as written, a file of the same folder whose name differs
// only in letter case (the pack adds ".KVD" to bare names). None when
// neither exists.
std::optional<std::string> FindPartFile(const std::string& name);

// The drawing in a part file, .kvd or .dxf by its extension (any case).
// Throws BadInput for a damaged or unreadable file.
std::unique_ptr<Document> ReadPartDrawing(const std::string& path);

}  // namespace vxh
