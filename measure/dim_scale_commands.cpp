#include "frame/dialog_helpers.h"
#include "frame/entry_point.h"
#include "frame/pack_state.h"
#include "host/host_api.h"
#include "host/prompt_record.h"
#include "measure/dim_scale_table.h"
#include "measure/measure_commands.h"

namespace vx {

namespace {

constexpr char kTemplate[] = "IDD_DLGSCALEDIM";
constexpr int kScaleEdit = 1038;
constexpr int kEditWidth = 15;
constexpr int kTickMask = 1;

struct EntryControls {
  int tick;
  int factor;
};
constexpr std::array<EntryControls, kDimScaleEntries> kControls = {{
    {1049, 1043},
    {1050, 1044},
    {1051, 1045},
    {1052, 1046},
    {1053, 1047},
    {1054, 1048},
    {1055, 1056},
    {1057, 1058},
}};

DimScaleState& Table() { return Pack().measure.scale; }

// A factor edit is open exactly while its entry is ticked.
void EnableFactors(Dlg* d) {
  for (std::size_t i = 0; i < kControls.size(); ++i)
    EnableControl(d, kControls[i].factor, Table().entries[i].on & kTickMask);
}

void TickChanged(Dlg* d, int) { EnableFactors(d); }

bool AskTable(DimScaleState& table) {
  Dlg* d = DefDlg(kTemplate, 0, 0, EnableFactors, 0, 0);
  __EDCTL(d, kScaleEdit, &table.scale, kValFloat, kEditWidth, kDefaultDecimals);
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    __CHKCTL(d, kControls[i].tick, &table.entries[i].on, kTickMask, TickChanged);
    __EDCTL(d, kControls[i].factor, &table.entries[i].factor, kValFloat, kEditWidth, kDefaultDecimals);
  }
  const int result = Dialog(d, PackRegistration().module, 0);
  RelDlg(d);
  return result == kIdOk;
}

}  // namespace

void DimScaleCommand() {
  DimScaleState& table = Table();
  table.scale = DefaultDimScale(GetWorkDL());
  ReadDimScale(table);
  // Cancel leaves the table as it was before the dialog edited it.
  const DimScaleState before = table;
  if (AskTable(table)) {
    WriteDimScale(table);
    ApplyDimScale(GetWorkDL(), table, table.scale);
  } else {
    table = before;
  }
  CmdEnd();
}

void DimScaleNowCommand() {
  DimScaleState& table = Table();
  table.scale = DefaultDimScale(GetWorkDL());
  ReadDimScale(table);
  ApplyDimScale(GetWorkDL(), table, table.scale);
  CmdEnd();
}

}  // namespace vx
