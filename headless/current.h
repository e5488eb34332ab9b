// The session's current drawing, for host operations that act on it.
#pragma once

namespace vxh {

class Document;

// The open drawing; a HostFault when no session runs.
Document& CurrentDocument();

}  // namespace vxh
