// How the host asks the C library to treat memory it frees.
#pragma once

namespace vxh {

// Keeps freed heap memory for the next records instead of handing the top of
// the heap back to the system after every large free. A command that makes
// and drops thousands of records (a hatch, a drag preview, an undone step)
// would otherwise fault the same pages in again each time: a sixth of a
// hatch's time went to that. Called once per session; harmless to repeat.
void KeepFreedMemory();

}  // namespace vxh
