#include "headless/dialogs/template_library.h"

#include <string>

#include "headless/dialogs/embedded_resources.h"
#include "headless/dialogs/rc_parser.h"

namespace vxh::dialogs {

namespace {

struct Library {
  std::vector<DialogTemplate> pack, host;
};

std::vector<DialogTemplate> ParseAll(const std::vector<EmbeddedResource>& resources, const std::string& folder) {
  std::vector<DialogTemplate> all;
  for (const EmbeddedResource& r : resources) {
    std::vector<DialogTemplate> some = ParseResourceScript(r.text, folder + std::string(r.file));
    all.insert(all.end(), some.begin(), some.end());
  }
  return all;
}

const Library& Templates() {
  static const Library library{ParseAll(EmbeddedResources(), "resources/"),
                               ParseAll(HostEmbeddedResources(), "headless/resources/")};
  return library;
}

const DialogTemplate* Find(const std::vector<DialogTemplate>& templates, std::string_view name) {
  for (const DialogTemplate& d : templates)
    if (d.name == name) return &d;
  return nullptr;
}

std::vector<std::string> Names(const std::vector<DialogTemplate>& templates) {
  std::vector<std::string> names;
  for (const DialogTemplate& d : templates) names.push_back(d.name);
  return names;
}

}  // namespace

const DialogTemplate* FindDialogTemplate(std::string_view name) { return Find(Templates().pack, name); }
std::vector<std::string> DialogTemplateNames() { return Names(Templates().pack); }

const DialogTemplate* FindHostDialogTemplate(std::string_view name) { return Find(Templates().host, name); }
std::vector<std::string> HostDialogTemplateNames() { return Names(Templates().host); }

}  // namespace vxh::dialogs
