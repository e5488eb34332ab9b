// The names a resource script may use for ids and styles.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vxh::dialogs {

std::optional<std::uint32_t> RcSymbolValue(std::string_view name);

}  // namespace vxh::dialogs
