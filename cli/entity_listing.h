// What `vorlix list` says about a drawing: one entry per entity, as a line of
// text or a JSON object (docs/list_json.md), then the layers and line styles.
// Both forms carry the same fields.
#pragma once

#include <string>

namespace vxh {
class Document;
}

namespace vxcli {

std::string ListText(const vxh::Document& document);
std::string ListJson(const vxh::Document& document);

}  // namespace vxcli
