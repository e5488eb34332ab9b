// Session tests of the text commands: drawings built record by record (texts,
// attribute-like texts, groups and symbol instances with members), and
// readers for the strings the commands left.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "headless/drawing/settings_tables.h"
#include "host/drawing_list.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "tests/session/session_fixture.h"
#include "tests/support/records.h"

namespace vxh::testing {

using Record = std::vector<std::uint8_t>;

// An instance transform: rotation by `angle` about the origin, then a shift.
using InstanceRows = std::array<double, 12>;
inline InstanceRows Placement(double angle, double dx, double dy) {
  const double c = std::cos(angle), s = std::sin(angle);
  return {c, -s, 0, dx, s, c, 0, dy, 0, 0, 1, 0};
}

inline Record SymbolRecord(const InstanceRows& rows, const std::string& name = "S") {
  Record r = vxtest::Blank(vx::kKindSymbol, vx::SymbolSize(static_cast<std::uint32_t>(name.size())));
  for (std::size_t i = 0; i < rows.size(); ++i) vx::PutF64(r.data(), vx::kSymMatrix + 8 * i, rows[i]);
  std::memcpy(r.data() + vx::kSymName, name.data(), name.size());
  return r;
}

// An attribute-like text of `size` bytes with its string at `string_at` (0:
// none) and the two part offsets; the bytes from the fixed fields on are
// numbered so that moves show.
inline Record AttributeRecord(std::uint32_t size, std::uint32_t string_at, const std::string& text, std::uint32_t first,
                              std::uint32_t second, double x = 0, double y = 0) {
  Record r = vxtest::Blank(vx::kKindAttribute, size);
  for (std::size_t i = vx::kAttrFixedBytes; i < size; ++i) r[i] = static_cast<std::uint8_t>('a' + i % 26);
  vx::PutU32(r.data(), vx::kAttrPart1, first);
  vx::PutU32(r.data(), vx::kAttrPart2, second);
  vx::PutU32(r.data(), vx::kAttrStringOffset, string_at);
  vx::PutF64(r.data(), vx::kAttrX, x);
  vx::PutF64(r.data(), vx::kAttrY, y);
  if (string_at != 0) std::memcpy(r.data() + string_at, text.c_str(), text.size() + 1);
  return r;
}

class TextTest : public SessionTest {
 protected:
  vx::DList* Work() { return session.Doc().WorkDL(); }

  vx::Entity Add(vx::DList* list, const Record& r) { return list->AddRecord(r.data()); }
  vx::Entity AddText(vx::DList* list, double x, double y, const std::string& s) {
    return Add(list, vxtest::Text(x, y, 2.5f, 1.0f, 0.0f, s));
  }
  vx::Entity AddText(double x, double y, const std::string& s) { return AddText(Work(), x, y, s); }

  // A container and the list of its members.
  vx::DList* AddGroup(vx::DList* list) {
    return list->MakeMemberList(Add(list, vxtest::Blank(vx::kKindGroup, vx::kGroupSize)));
  }
  vx::DList* AddSymbol(vx::DList* list, const InstanceRows& rows) {
    return list->MakeMemberList(Add(list, SymbolRecord(rows)));
  }

  void PutOnLayer(vx::Entity e, const std::string& layer, std::uint32_t flag) {
    const int id = AddLayer(session.Doc(), layer);
    if (flag != 0) SetLayerFlag(session.Doc(), layer, flag, true);
    vx::PutU16(e, vx::kHdrLayer, static_cast<std::uint16_t>(id));
  }

  // The strings of every text-bearing entity, members included, in list order.
  std::vector<std::string> Strings() { return StringsOf(Work()); }

  static std::vector<std::string> StringsOf(vx::DList* list) {
    std::vector<std::string> out;
    list->Walk(&CollectStrings, vx::kWalkAll, reinterpret_cast<std::intptr_t>(&out), 0);
    return out;
  }

 private:
  static int CollectStrings(vx::DList* list, vx::Entity e, std::intptr_t a, std::intptr_t) {
    auto* out = reinterpret_cast<std::vector<std::string>*>(a);
    switch (vx::GetI8(e, vx::kHdrKind)) {
      case vx::kKindText: out->emplace_back(reinterpret_cast<const char*>(e + vx::kTextString)); break;
      case vx::kKindTextLike: out->emplace_back(reinterpret_cast<const char*>(e + vx::kTextLikeString)); break;
      case vx::kKindAttribute: {
        const std::uint32_t at = vx::GetU32(e, vx::kAttrStringOffset);
        out->emplace_back(at != 0 ? reinterpret_cast<const char*>(e + at) : "");
        break;
      }
      default:
        if (vx::DList* members = list->MemberList(e)) members->Walk(&CollectStrings, vx::kWalkAll, a, 0);
    }
    return 0;
  }
};

}  // namespace vxh::testing
