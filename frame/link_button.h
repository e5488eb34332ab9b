// The owner-drawn button that shows the product's web address underlined and
// opens it in the browser. Bind it with __BTNCTL(dialog, id,
// LinkButtonPress, LinkButtonDraw).
#pragma once

#include <string_view>

#include "host/host_api.h"

namespace vx {

// Exactly 24 characters: the button is laid out for that many.
inline constexpr std::string_view kProductWebAddress = "https://www.vorlix.test/";
static_assert(kProductWebAddress.size() == 24);

// Opens the address; returns 0 so the dialog stays open.
int LinkButtonPress(Dlg* dialog, int control);
// Draws the address into the button; the device context ends as it began.
void LinkButtonDraw(Dlg* dialog, int control, void* draw_item);

}  // namespace vx
