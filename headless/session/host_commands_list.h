// Handlers of the host's own commands, one per command (host_commands.h
// finds them by name).
#pragma once

namespace vxh::hostcmd {

void LineCommand();
void PathCommand();
void PolyCommand();
void PointCommand();
void BoxCommand();
void RegularPolygonCommand();
void CircleCommand();
void ArcCommand();
void TextCommand();
void SymbolCommand();
void LayerCommand();
void SelectCommand();
void UndoCommand();
void RedoCommand();
void OpenCommand();
void SaveCommand();
void SnapCommand();

}  // namespace vxh::hostcmd
