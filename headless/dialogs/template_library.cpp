#include "headless/dialogs/template_library.h"

#include <string>

#include "headless/dialogs/embedded_resources.h"
#include "headless/dialogs/rc_parser.h"

namespace vxh::dialogs {

namespace {

const std::vector<DialogTemplate>& AllTemplates() {
  static const std::vector<DialogTemplate> templates = [] {
    std::vector<DialogTemplate> all;
    for (const EmbeddedResource& r : EmbeddedResources()) {
      std::vector<DialogTemplate> some = ParseResourceScript(r.text, "resources/" + std::string(r.file));
      all.insert(all.end(), some.begin(), some.end());
    }
    return all;
  }();
  return templates;
}

}  // namespace

const DialogTemplate* FindDialogTemplate(std::string_view name) {
  for (const DialogTemplate& d : AllTemplates())
    if (d.name == name) return &d;
  return nullptr;
}

std::vector<std::string> DialogTemplateNames() {
  std::vector<std::string> names;
  for (const DialogTemplate& d : AllTemplates()) names.push_back(d.name);
  return names;
}

}  // namespace vxh::dialogs
