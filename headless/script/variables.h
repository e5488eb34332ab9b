// Script variables inside tokens: "$name" (letters, digits, '_'), "${any
// name}", and "$$" for a dollar sign; a '$' followed by anything else stays
// as it is. Quoted segments are never expanded.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "headless/script/token.h"

namespace vxh::script {

using VariableLookup = std::function<std::optional<std::string>(std::string_view name)>;

// Throws BadInput (message without position) for an unknown variable or an
// unterminated "${".
std::string ExpandVariables(const std::vector<Segment>& segments, const VariableLookup& lookup);

}  // namespace vxh::script
