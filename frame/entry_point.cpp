#include "frame/entry_point.h"

#include <cstdlib>
#include <memory>

#include "frame/command_table.h"
#include "frame/layout_checks.h"  // checked wherever the pack is built
#include "frame/pack_state.h"
#include "host/host_api.h"

namespace vx {

namespace {

RegistrationRecord g_record{0, 0, "Vorlix release 1026", nullptr, nullptr, 0, nullptr};
std::unique_ptr<PackState> g_state;

void FreeLongLivedBlocks(PackState& state) {
  std::free(state.text_template);
  state.text_template = nullptr;
}

}  // namespace

PackState& Pack() {
  if (!g_state) std::abort();  // a handler ran while the pack was not loaded
  return *g_state;
}

RegistrationRecord& PackRegistration() { return g_record; }

void PackAttach(void* module) {
  g_state = std::make_unique<PackState>();
  g_record.names = CommandNameBlock();
  g_record.handlers = HandlerArray();
  g_record.module = module;
  XPRegister(&g_record);
}

void PackDetach() {
  XPUnRegister(&g_record);
  if (g_state) FreeLongLivedBlocks(*g_state);
  g_state.reset();
}

}  // namespace vx
