// Texts of the host's own, reached by message number.
#pragma once

#include <string>

namespace vxh {

// The text of a host message number; a HostFault for a number the headless
// host does not know.
std::string HostMessageText(int number);

// The title shown for a message box style when the caller gives none.
const char* BoxTitleFor(int style);

}  // namespace vxh
