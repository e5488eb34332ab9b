#include "frame/command_table.h"

#include <cstdlib>
#include <cstring>

#include "cut/cut_commands.h"
#include "frame/not_available.h"
#include "hatch/hatch_commands.h"
#include "layers/layers_commands.h"
#include "measure/measure_commands.h"
#include "script/script_commands.h"
#include "text/text_commands.h"
#include "transform/transform_commands.h"

namespace vx {

namespace {

template <std::size_t Slot>
constexpr CommandEntry Pending(std::string_view name) {
  return {name, &NotAvailable<Slot>, false};
}

}  // namespace

const std::array<CommandEntry, kCommandCount> kCommands = {{
    {"VXLAYERS", &LayersCommand, true},
    {"VXHIDEF", &HideFCommand, true},
    {"VXSHOWF", &ShowFCommand, true},
    {"VXTHAWF", &ThawFCommand, true},
    {"VXFREEZEF", &FreezeFCommand, true},
    {"VXMTRIM", &MultiTrimCommand, true},
    {"VXCUT", &CutCommand, true},
    {"VXSAMEAS", &SameAsCommand, true},
    {"VXDIMSCALE", &DimScaleCommand, true},
    {"VXDIMSCALENOW", &DimScaleNowCommand, true},
    {"VXGROUP1", &Group1Command, true},
    {"VXMOVE", &MoveCommand, true},
    {"VXCOPY", &CopyCommand, true},
    {"VXROTATE", &RotateCommand, true},
    {"VXROTATE2", &Rotate2Command, true},
    {"VXSCALE", &ScaleCommand, true},
    {"VXSHEAR", &ShearCommand, true},
    {"VXPART", &PartCommand, true},
    {"VXPARTM", &PartMCommand, true},
    {"VXGETFNAMEM", &GetFileNameCommand, true},
    {"VXGETLAYERNAMEM", &GetLayerNameCommand, true},
    {"VXTEXT", &NewTextCommand, true},
    {"VXTEXTML", &NewTextMultilineCommand, true},
    {"VXTEXTB", &NewTextBoxCommand, true},
    {"VXTEXTC", &NewTextCircleCommand, true},
    {"VXTINC", &IncrementCommand, true},
    {"VXTREPLACE", &ReplaceCommand, true},
    {"VXTEDIT", &TextEditCommand, true},
    {"VXTEDITDBG", &TextEditDebugCommand, true},
    {"VXTCASE", &CaseCommand, true},
    {"VXTSEQ", &SequenceCommand, true},
    {"VXATTREXPL", &AttributeExplodeCommand, true},
    {"VXTEXTEXPL", &TextExplodeCommand, true},
    {"VXFRONT", &FrontCommand, true},
    {"VXBACK", &BackCommand, true},
    Pending<36>("VXHATCH"),
    {"VXHATCHSCAN", &HatchScanCommand, true},
    {"VXHATCHSMART", &HatchSmartCommand, true},
    {"VXHATCHSTANDARD", &HatchStandardCommand, true},
    {"VXHATCHLAST", &HatchLastCommand, true},
    {"VXHEXPLODE", &HatchExplodeCommand, true},
    {"VXHATCHOPTSEL", &HatchOptSelCommand, true},
    {"VXHATCHOPTMOD", &HatchOptModCommand, true},
    {"VXHATCHOPT", &HatchOptCommand, true},
    {"VXDIST", &DistanceCommand, true},
    {"VXLENGTH", &LengthCommand, true},
    {"VXDIMA", &ArcDimensionCommand, true},
    {"VXLOGFILEINIT", &LogFileInitCommand, true},
    {"VXLOGFILEWRITE", &LogFileWriteCommand, true},
    {"VXGVD", &RealVariableCommand, true},
    {"VXKEYSTAT", &KeyStateCommand, true},
    {"VXGTH", &TextHeightCommand, true},
    {"VXCMENU", &CommandMenuCommand, true},
}};

namespace {

// Room for every name, its NUL and the empty name that ends the block.
constexpr std::size_t kNameBlockBytes = 1024;

struct Blocks {
  char names[kNameBlockBytes] = {};
  Handler handlers[kCommandCount + 2] = {};

  Blocks() {
    char* out = names;
    handlers[0] = &AboutHandler;
    for (std::size_t i = 0; i < kCommandCount; ++i) {
      if (out + kCommands[i].name.size() + 2 > names + kNameBlockBytes) std::abort();
      std::memcpy(out, kCommands[i].name.data(), kCommands[i].name.size());
      out += kCommands[i].name.size() + 1;
      handlers[i + 1] = kCommands[i].handler;
    }
  }
};

// Static storage that lives as long as the library: the host keeps pointers.
const Blocks& TheBlocks() {
  static const Blocks blocks;
  return blocks;
}

}  // namespace

const char* CommandNameBlock() { return TheBlocks().names; }
const Handler* HandlerArray() { return TheBlocks().handlers; }

}  // namespace vx
