// vorlix menu FILE --out PICTURE: the popup menu that VXCMENU shows for a
// command menu file, as a picture.
#include <algorithm>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/guarded.h"
#include "cli/output.h"
#include "headless/dialogs/menu_picture.h"
#include "headless/files/output_file.h"
#include "headless/files/whole_file.h"
#include "headless/host_error.h"
#include "script/menu_file.h"

namespace vxcli {

int MenuPicture(const std::string& file, const std::string& out) {
  return Guarded([&] {
    RequireOutputType(out, kDialogPictureTypes);
    const std::vector<std::uint8_t> bytes = vxh::ReadInputFile(file, "menu file");
    const std::string_view data(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::vector<vxh::dialogs::MenuLine> lines;
    for (const vx::MenuEntry& entry : vx::ReadMenuEntries(data)) lines.push_back({entry.separator, entry.label});
    if (std::none_of(lines.begin(), lines.end(), [](const vxh::dialogs::MenuLine& l) { return !l.separator; })) {
      throw vxh::BadInput("the menu file \"" + file + "\" has no items to show");
    }
    vxh::WriteThroughTemporary(out,
                               [&](const std::string& temporary) { vxh::dialogs::DrawMenuPicture(lines, temporary); });
  });
}

}  // namespace vxcli
