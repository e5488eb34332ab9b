#include "transform/transform_requests.h"

#include "host/host_api.h"
#include "host/redraw_selection.h"

namespace vx {

void AskSelection(Continuation next) {
  ReqData(kReqSelect, nullptr, HostMessage(kMsgSelectEntities), kModeDefault, next, 0, 0);
}

void EndRedrawingSelection() {
  RedrawSelection();
  CmdEnd();
}

}  // namespace vx
