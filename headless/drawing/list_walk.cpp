// The walk operation. A callback may remove, move, resize or free the entity
// it is given, free or resize others, and add entities; the walk goes on
// safely, visits every entity at most once and never visits entities added
// after it started.
#include <cstdint>

#include "headless/drawing/entity_list.h"
#include "headless/drawing/walk_filter.h"

namespace vxh {
namespace {

std::uint64_t walk_counter = 0;

}  // namespace

// Nodes that leave the list during a walk are kept until the last walk of the
// list ends, so the walk can still step over them.
class WalkScope {
 public:
  explicit WalkScope(ListImpl& list) : list_(list) { ++list_.walking_; }
  ~WalkScope() {
    if (--list_.walking_ > 0) return;
    for (EntityNode* n : list_.graveyard_) DestroyNode(n);
    list_.graveyard_.clear();
  }
  WalkScope(const WalkScope&) = delete;
  WalkScope& operator=(const WalkScope&) = delete;

 private:
  ListImpl& list_;
};

int ListImpl::Walk(vx::WalkCallback callback, int filter, std::intptr_t a, std::intptr_t b) {
  if (callback == nullptr) return 0;
  const WalkFilter pass(filter, doc_.Tables());
  const std::uint64_t born_before = next_birth_;
  const std::uint64_t stamp = ++walk_counter;
  WalkScope scope(*this);
  EntityNode* node = head_;
  while (node != nullptr) {
    EntityNode* next = node->next;
    if (node->birth < born_before && node->walk_stamp != stamp && pass.Passes(*node)) {
      node->walk_stamp = stamp;
      if (int result = callback(&dlist_, RecordOf(node), a, b)) return result;
    }
    while (next != nullptr && (!next->linked || next->owner != this)) next = next->successor;
    node = next;
  }
  return 0;
}

}  // namespace vxh
