// A hatch session that watches every dialog each time it waits for an
// answer, with the PAT patterns and saved line patterns the dialog tests
// choose from.
#pragma once

#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "hatch/registry_keys.h"
#include "headless/dialogs/dialog_object.h"
#include "headless/dialogs/dialog_table.h"
#include "tests/hatch/hatch_fixture.h"

namespace vxh::testing {

using dialogs::ControlState;

// One dialog as it stood while it waited for an answer.
struct Waited {
  std::string name;
  std::map<int, ControlState> controls;
  std::map<int, std::vector<win::PaintOp>> painted;

  const ControlState& At(int id) const {
    const auto it = controls.find(id);
    if (it == controls.end()) throw std::out_of_range(name + " has no control " + std::to_string(id));
    return it->second;
  }
  std::vector<std::string> Entries(int id) const {
    std::vector<std::string> out;
    for (const dialogs::ListEntry& e : At(id).entries) out.push_back(e.text);
    return out;
  }
  std::string Selected(int id) const {
    const ControlState& c = At(id);
    return c.selection < 0 || c.selection >= static_cast<int>(c.entries.size()) ? "" : c.entries[c.selection].text;
  }
};

// Five PAT patterns whose names the searches below pick from.
inline constexpr char kPatText[] =
    "*BRICK\n0,0,0,0,.25\n90,0,0,.25,.5,.25,-.25\n"
    "*BRASS\n45,0,0,0,.125\n"
    "*DOTS\n0,0,0,0,.5,0,-.5\n"
    "*GRID\n0,0,0,0,.25\n90,0,0,0,4\n"
    "*BARS\n90,0,0,0,1\n";
inline const std::vector<std::string> kPatNames{"BARS", "BRASS", "BRICK", "DOTS", "GRID"};

class HatchDialogSession : public HatchSession {
 protected:
  HatchDialogSession() {
    dialogs::RunningDialogs("the test").WatchWaiting([this](const vx::Dlg& d) {
      waited_.push_back({d.tpl->name, d.controls, d.painted});
    });
  }

  // Every wait of the dialogs of that template, in order.
  std::vector<Waited> Waits(const std::string& name) const {
    std::vector<Waited> out;
    for (const Waited& w : waited_)
      if (w.name == name) out.push_back(w);
    return out;
  }
  Waited Last(const std::string& name) const {
    const std::vector<Waited> all = Waits(name);
    if (all.empty()) throw std::runtime_error(name + " never waited");
    return all.back();
  }

  std::string WritePat(const std::string& file, const std::string& text) {
    const std::string path = (dir / file).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  void RegisterPat(const std::string& path) { Store(vx::kPatFilesKey, path, nullptr, 0); }

  // Two saved line patterns, "Test" in use, and the PAT file registered.
  void StoreEverything() {
    UseSettings(LineSettings(1.0, vx::kDefaultHatchAngle));
    vx::HatchSettings wide = LineSettings(3.0, 0);
    wide.SetName("Wide");
    Store(vx::kHatchSettingsKey, "Wide", wide.bytes.data(), wide.bytes.size());
    RegisterPat(WritePat("five.pat", kPatText));
  }

  std::vector<std::string> ValueNames(const char* key) const {
    std::vector<std::string> out;
    for (const registry::KeyListing& k : Registry().List(key))
      if (k.key == registry::NormalizeKey(key))
        for (const registry::Value& v : k.values) out.push_back(v.name);
    return out;
  }

  // The whole registry as text, for before-and-after comparisons.
  std::string RegistryText() const {
    std::string out;
    for (const registry::KeyListing& k : Registry().List()) {
      out += k.key + "\n";
      for (const registry::Value& v : k.values)
        out += "  " + v.name + " " + std::string(v.data.begin(), v.data.end()) + "\n";
    }
    return out;
  }

  bool Started(const std::string& command) const {
    for (const std::string& line : TranscriptLines())
      if (line == "> " + command) return true;
    return false;
  }

 private:
  std::vector<Waited> waited_;
};

}  // namespace vxh::testing
