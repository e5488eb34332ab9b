#include "headless/current.h"

#include "headless/session/session_core.h"

namespace vxh {

Document& CurrentDocument() { return SessionCore::Active("CurrentDocument").Doc(); }

}  // namespace vxh
