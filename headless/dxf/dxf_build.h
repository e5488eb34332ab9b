// The import model turned into a drawing's working list: groups get their
// members, symbol instances the members of their block.
#pragma once

#include "headless/dxf/dxf_import_model.h"

namespace vxh {
class Document;
}

namespace vxh::dxf {

// Nesting of blocks the drawing accepts, and the entities expanding blocks
// may make; beyond either the file is refused as bad input.
inline constexpr int kMaxBlockDepth = 64;
inline constexpr std::size_t kMaxBuiltEntities = 2000000;

// Throws BadInput naming the file and the problem. Instances of blocks the
// file does not define are counted in the model's losses and left out.
void BuildDrawing(ImportModel& model, Document& doc, const std::string& file_name);

}  // namespace vxh::dxf
