#include "host/redraw_selection.h"

#include <cstdint>

#include "host/drawing_list.h"
#include "host/entity_layout.h"
#include "host/host_api.h"

namespace vx {
namespace {

int DrawNormally(DList*, Entity entity, std::intptr_t, std::intptr_t) {
  EDraw(0, entity);
  return 0;
}

}  // namespace

void RedrawSelection() {
  GetWorkDL()->Walk(DrawNormally, kWalkSelected);
  ShowChanges();
}

}  // namespace vx
