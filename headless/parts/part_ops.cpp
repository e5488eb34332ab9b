// PartLoad and PartInsert: parts are drawings held in part lists of the open
// drawing, released by the command that loaded them.
#include <string>

#include "headless/current.h"
#include "headless/drawing/document.h"
#include "headless/drawing/entity_list.h"
#include "headless/host_error.h"
#include "headless/parts/part_files.h"
#include "host/host_api.h"

namespace vx {

namespace {

// A file that cannot be read gives no list; the command decides what to say.
std::unique_ptr<vxh::Document> TryReadPart(const std::string& path) {
  try {
    return vxh::ReadPartDrawing(path);
  } catch (const vxh::BadInput&) {
    return nullptr;
  }
}

}  // namespace

extern "C" DList* KVAPI PartLoad(const char* file_name) {
  if (file_name == nullptr) throw vxh::HostFault("PartLoad: no file name given");
  const std::optional<std::string> path = vxh::FindPartFile(file_name);
  if (!path) return nullptr;
  const std::unique_ptr<vxh::Document> drawing = TryReadPart(*path);
  if (!drawing) return nullptr;
  vxh::EntityList* part = vxh::CurrentDocument().CreateTempList(*path);
  DList* list = part->AsDList();
  drawing->Work().ForEach([list](Entity e) { list->CopyIn(e); });
  return list;
}

// The caller sets the undo mark, so one insertion is one step.
extern "C" int KVAPI PartInsert(DList* part, DList* work, const double* matrix, DList* target) {
  if (part == nullptr || target == nullptr) throw vxh::HostFault("PartInsert: no part or target list given");
  if (matrix == nullptr) throw vxh::HostFault("PartInsert: no matrix given");
  (void)work;  // the host's own reference to the drawing; the target receives the part
  int inserted = 0;
  vxh::FromDList(part)->ForEach([&](Entity e) {
    const Entity copy = ETran(target->CopyIn(e), matrix);
    EDraw(0, copy);
    ++inserted;
  });
  return inserted;
}

}  // namespace vx
