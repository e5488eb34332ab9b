#include "headless/session/host_commands.h"

#include <array>

#include "headless/session/host_commands_list.h"

namespace vxh {

namespace {

struct HostCommand {
  std::string_view name;
  vx::Handler handler;
};

constexpr std::array<HostCommand, 17> kHostCommands{{
    {"LINE", hostcmd::LineCommand},
    {"PATH", hostcmd::PathCommand},
    {"POLY", hostcmd::PolyCommand},
    {"POINT", hostcmd::PointCommand},
    {"BOX", hostcmd::BoxCommand},
    {"RPOLY", hostcmd::RegularPolygonCommand},
    {"CIRP", hostcmd::CircleCommand},
    {"ARCB", hostcmd::ArcCommand},
    {"TEXT", hostcmd::TextCommand},
    {"SYMBOL", hostcmd::SymbolCommand},
    {"LAYER", hostcmd::LayerCommand},
    {"SELECT", hostcmd::SelectCommand},
    {"UNDO", hostcmd::UndoCommand},
    {"REDO", hostcmd::RedoCommand},
    {"OPEN", hostcmd::OpenCommand},
    {"SAVE", hostcmd::SaveCommand},
    {"SNAP", hostcmd::SnapCommand},
}};

}  // namespace

vx::Handler FindHostCommand(std::string_view name) {
  for (const HostCommand& c : kHostCommands)
    if (c.name == name) return c.handler;
  return nullptr;
}

}  // namespace vxh
