// Scripted sessions of the cut and trim commands, with readers for the
// drawing they leave.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "headless/kvd/kvd_file.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "tests/support/records.h"
#include "tests/transform/transform_fixture.h"

namespace vxh::testing {

class CutTest : public TransformTest {
 protected:
  std::vector<vx::Entity> OfKind(int kind) {
    std::vector<vx::Entity> out;
    for (vx::Entity e : Entities())
      if (KindOf(e) == kind) out.push_back(e);
    return out;
  }

  vx::Entity Add(const vxtest::Record& r) { return session.Doc().WorkDL()->AddRecord(r.data()); }

  // The kernel's length of an entity, as the pieces are measured against it.
  static double LengthOf(vx::Entity e) {
    double length = 0;
    EXPECT_EQ(vx::EGet(e, vx::kQueryLength, nullptr, &length), 1);
    return length;
  }

  std::vector<std::uint8_t> Saved() { return EncodeKvd(session.Doc(), true); }

  // Every live record, in list order.
  std::vector<std::uint8_t> Records() {
    std::vector<std::uint8_t> out;
    for (vx::Entity e : Entities()) out.insert(out.end(), e, e + SizeOf(e));
    return out;
  }
};

}  // namespace vxh::testing
