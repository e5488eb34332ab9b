// Handlers of commands whose family is not built yet: they say so honestly.
#pragma once

#include <cstddef>

namespace vx {

void ShowNotAvailable(std::size_t slot);

template <std::size_t Slot>
void NotAvailable() {
  ShowNotAvailable(Slot);
}

}  // namespace vx
