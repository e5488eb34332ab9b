// Session tests of the script utilities: variables are read back the way a
// script reads them, by using them in a later line.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "host/entity_layout.h"
#include "tests/text/text_fixture.h"

namespace vxh::testing {

class ScriptTest : public TextTest {
 protected:
  // The value a script sees for `$name`: a later TEXT line writes it.
  std::string ValueOf(const std::string& name) {
    const std::size_t before = Entities().size();
    Run("TEXT;0,0;\"[\"$" + name + "\"]\"");
    const std::vector<vx::Entity> all = Entities();
    if (all.size() != before + 1) return "<no text>";
    const std::string shown(reinterpret_cast<const char*>(all.back() + vx::kTextString));
    return shown.substr(1, shown.size() - 2);
  }

  bool Transcribed(const std::string& line) const {
    const std::vector<std::string> lines = TranscriptLines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }

  bool NoVariableSet() const {
    const std::vector<std::string> lines = TranscriptLines();
    return std::none_of(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("$ ", 0) == 0; });
  }
};

}  // namespace vxh::testing
