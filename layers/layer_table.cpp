#include "layers/layer_table.h"

#include "host/host_api.h"

namespace vx {

int CurrentLayerId() {
  const std::uint8_t* current = GetCurLayer();
  return current != nullptr ? GetU16(current, kLayerId) : -1;
}

void SetLayerFlag(std::uint8_t* layer, std::uint32_t bit, bool on) {
  const std::uint32_t flags = GetU32(layer, kLayerFlags);
  PutU32(layer, kLayerFlags, on ? (flags | bit) : (flags & ~bit));
}

}  // namespace vx
