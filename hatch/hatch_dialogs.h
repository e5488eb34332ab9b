// The dialogs reached from the hatch dialog (VXHATCH): the simple line
// pattern editor with its save dialog, the PAT file list and the pattern
// name search, and the draw routine of the pattern previews.
#pragma once

#include "host/host_api.h"

namespace vx {

// DLGHATCHOPT on the settings in use; OK saves them under the name in use.
void RunLinePatternDialog();
// DLGACADPAT: adds and removes registered PAT files.
void RunPatFilesDialog();
// DLGSEARCH starting with `text` (at most 31 characters); on OK `text` takes
// what was typed and the result is true.
bool RunPatternSearchDialog(char* text);

// Draws one entry of the owner-drawn pattern list of the hatch dialog.
void DrawPatternPreview(Dlg* dialog, int control, void* draw_item);

}  // namespace vx
