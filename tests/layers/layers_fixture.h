// Sessions for the layer, order and grouping commands: records built on
// named layers, groups and containers made through the list operations, and
// readers for layer flags and list order.
#pragma once

#include <string>
#include <vector>

#include "headless/drawing/settings_tables.h"
#include "headless/session/host_command_support.h"
#include "host/drawing_list.h"
#include "host/settings_layout.h"
#include "tests/session/session_fixture.h"
#include "tests/support/records.h"

namespace vxh::testing {

using Record = std::vector<std::uint8_t>;

inline Record LineOn(int layer, double x1, double y1, double x2, double y2) {
  Record r = hostcmd::LineRecord({x1, y1}, {x2, y2});
  vx::PutU16(r.data(), vx::kHdrLayer, static_cast<std::uint16_t>(layer));
  return r;
}

inline Record HeaderOnly(int kind, int layer = 0) {
  return vxtest::OnLayer(vxtest::Blank(static_cast<vx::Kind>(kind), vx::kGroupSize), static_cast<std::uint16_t>(layer));
}

class LayersTest : public SessionTest {
 protected:
  vx::DList* Work() { return session.Doc().WorkDL(); }

  int Layer(const std::string& name) { return AddLayer(session.Doc(), name); }

  std::uint32_t Flags(const std::string& name) {
    const std::uint8_t* r = FindRecordByName(session.Doc().Tables(), vx::kTableLayers, vx::kLayerName, name.c_str());
    EXPECT_NE(r, nullptr) << name;
    return r != nullptr ? vx::GetU32(r, vx::kLayerFlags) : 0;
  }

  std::vector<std::uint32_t> AllFlags() {
    std::vector<std::uint32_t> out;
    ForEachRecord(session.Doc().Tables(), vx::kTableLayers,
                  [&](const std::uint8_t* r) { out.push_back(vx::GetU32(r, vx::kLayerFlags)); });
    return out;
  }

  std::string CurrentLayerName() {
    return reinterpret_cast<const char*>(CurrentRecord(session.Doc().Tables(), vx::kTableLayers) + vx::kLayerName);
  }

  // A container of `kind` holding the records as members.
  vx::Entity AddContainer(vx::DList* list, Record head, const std::vector<Record>& members) {
    const vx::Entity e = list->AddRecord(head.data());
    vx::DList* inner = list->MakeMemberList(e);
    for (const Record& m : members) inner->AddRecord(m.data());
    list->Unmark(e);
    inner->Walk(
        [](vx::DList* l, vx::Entity m, std::intptr_t, std::intptr_t) {
          l->Unmark(m);
          return 0;
        },
        0, 0, 0);
    return e;
  }

  vx::Entity Add(const Record& r) {
    const vx::Entity e = Work()->AddRecord(r.data());
    Work()->Unmark(e);
    return e;
  }

  static std::vector<vx::Entity> Members(vx::DList* list, vx::Entity e) {
    std::vector<vx::Entity> out;
    vx::DList* inner = list->MemberList(e);
    if (inner == nullptr) return out;
    inner->Walk(
        [](vx::DList*, vx::Entity m, std::intptr_t a, std::intptr_t) {
          reinterpret_cast<std::vector<vx::Entity>*>(a)->push_back(m);
          return 0;
        },
        0, reinterpret_cast<std::intptr_t>(&out), 0);
    return out;
  }

  // The first y of each line, in list order: the scripts here tell lines
  // apart by their height.
  static std::vector<double> Heights(const std::vector<vx::Entity>& entities) {
    std::vector<double> out;
    for (vx::Entity e : entities) out.push_back(vx::GetF64(e, vx::kLineY1));
    return out;
  }

  std::vector<std::string> LastLines(std::size_t n) const {
    const std::vector<std::string> all = TranscriptLines();
    return std::vector<std::string>(all.end() - static_cast<long>(std::min(n, all.size())), all.end());
  }
};

}  // namespace vxh::testing
