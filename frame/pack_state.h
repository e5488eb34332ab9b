// Everything the pack keeps between the steps of a command and between runs
// lives in one object per loaded pack, made at load and destroyed at unload.
#pragma once

#include <cstdint>

#include "cut/cut_state.h"
#include "hatch/hatch_state.h"
#include "host/win_api.h"
#include "layers/layers_state.h"
#include "measure/measure_state.h"
#include "script/script_state.h"
#include "text/text_state.h"
#include "transform/transform_state.h"

namespace vx {

// The keyboard and mouse hooks of the pack (keyboard_hook.h, mouse_hook.h).
struct HookState {
  HHOOK keyboard = nullptr;
  HHOOK mouse = nullptr;
  // The key that ended the last hooked prompt: a virtual-key code, or '!'.
  // 0 after every keyboard hook installation.
  std::uint8_t last_key = 0;
  // 1 while the keyboard hook lets the command letters through.
  std::uint8_t letters_pass = 0;
  // 1 once the mouse hook saw a right button (and closed the dialog or box).
  std::uint8_t right_click = 0;
};

struct PackState {
  // The text template of the text tools: the pack's only long-lived heap
  // block, allocated by the text tools when they first run.
  void* text_template = nullptr;
  HookState hooks;
  // Selection set and drag state of the interactive transforms.
  TransformState transform;
  // Hatch options and settings records, the PAT pattern list and the boundary
  // list of the running fill.
  HatchState hatch;
  // The layer filter text, the layer and same-as picks and their prompts.
  LayersState layers;
  // Candidate list and dialog settings of the text commands.
  TextState text;
  // Cut settings, boundary records and the detail copy; the multi trim.
  CutFamilyState cut;
  // The dimension scale table and the arc dimension under construction.
  MeasureState measure;
  // Variable names, menu and log file names of the script utilities.
  ScriptState script;
};

// The state of the loaded pack; only valid between load and unload.
PackState& Pack();

}  // namespace vx
