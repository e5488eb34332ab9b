#include "headless/script/pending_request.h"

#include "host/host_api.h"

namespace vxh {

bool PendingRequest::AcceptsNumber() const { return (flags & vx::kReqAcceptNumber) != 0; }

vx::DragRoutine PendingRequest::Drag() const {
  if (static_cast<std::uintptr_t>(mode) <= vx::kLargestMessageNumber) return nullptr;
  return reinterpret_cast<vx::DragRoutine>(mode);
}

}  // namespace vxh
