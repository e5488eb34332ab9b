// VXHIDEF, VXSHOWF, VXTHAWF and VXFREEZEF: one layer-name pattern hides,
// shows, thaws or freezes every matching layer but the current one.
#include <cstring>

#include "frame/pack_state.h"
#include "host/host_api.h"
#include "host/message_boxes.h"
#include "layers/layer_table.h"
#include "layers/layers_commands.h"

namespace vx {

namespace {

void ApplyFilter(std::uint8_t* layer, FilterMode mode) {
  switch (mode) {
    case FilterMode::kHide: return SetLayerFlag(layer, kLayerHidden, true);
    case FilterMode::kShow: return SetLayerFlag(layer, kLayerHidden, false);
    case FilterMode::kThaw: return SetLayerFlag(layer, kLayerFrozen, false);
    case FilterMode::kFreeze: return SetLayerFlag(layer, kLayerFrozen, true);
  }
}

void FilterGiven(int status) {
  LayersState& s = Pack().layers;
  if (status != kStatusAnswered) return CmdEnd();
  if (std::strlen(s.filter_answer) >= kLayerFilterBytes) {
    ShowError("A layer filter has at most 127 characters");
    return CmdEnd();
  }
  std::strcpy(s.filter, s.filter_answer);
  DList* work = GetWorkDL();
  const int current = CurrentLayerId();
  ForEachLayer(work != nullptr ? work->SettingsTable(kTableLayers) : nullptr, [&](std::uint8_t* layer) {
    if (GetU16(layer, kLayerId) == current) return;
    if (StMatch(s.filter, reinterpret_cast<const char*>(layer + kLayerName)) != 0) ApplyFilter(layer, s.filter_mode);
  });
  Redraw();
  ShowChanges();
  CmdEnd();
}

void StartFilter(FilterMode mode) {
  LayersState& s = Pack().layers;
  s.filter_mode = mode;
  std::strcpy(s.filter_answer, s.filter);
  ReqData(kReqText1, s.filter_answer, "Layer filter:", kModeDefault, FilterGiven, 0, 0);
}

}  // namespace

void HideFCommand() { StartFilter(FilterMode::kHide); }
void ShowFCommand() { StartFilter(FilterMode::kShow); }
void ThawFCommand() { StartFilter(FilterMode::kThaw); }
void FreezeFCommand() { StartFilter(FilterMode::kFreeze); }

}  // namespace vx
