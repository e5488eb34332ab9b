#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <set>

#include "headless/drawing/address_set.h"

namespace {

const void* Address(std::uintptr_t value) { return reinterpret_cast<const void*>(value); }

struct Workload {
  const char* name;
  std::uintptr_t stride;  // 16: neighbouring records; 4096: page-aligned ones; 7: no alignment
  int span;               // how many distinct addresses are drawn from
};

class AddressSetAgainstReference : public testing::TestWithParam<Workload> {};

// Random inserts and erases (with growth, runs that wrap around the table
// and backward shifts) must agree with an ordinary set at every step.
TEST_P(AddressSetAgainstReference, AgreesAfterEveryChange) {
  const Workload w = GetParam();
  auto key_of = [&](int i) { return 0x10000 + w.stride * static_cast<std::uintptr_t>(i); };
  vxh::AddressSet set;
  std::set<std::uintptr_t> reference;
  std::mt19937 random(7);
  std::uniform_int_distribution<int> pick(1, w.span);
  for (int step = 0; step < 40000; ++step) {
    const std::uintptr_t key = key_of(pick(random));
    if (random() % 3 == 0) {
      ASSERT_EQ(set.Erase(Address(key)), reference.erase(key) == 1) << "step " << step;
    } else {
      ASSERT_EQ(set.Insert(Address(key)), reference.insert(key).second) << "step " << step;
    }
    const std::uintptr_t probe = key_of(pick(random));
    ASSERT_EQ(set.Contains(Address(probe)), reference.count(probe) == 1) << "step " << step;
  }
  ASSERT_EQ(set.Size(), reference.size());
  for (int i = 1; i <= w.span; ++i) EXPECT_EQ(set.Contains(Address(key_of(i))), reference.count(key_of(i)) == 1);
}

INSTANTIATE_TEST_SUITE_P(Workloads, AddressSetAgainstReference,
                         testing::Values(Workload{"neighbouring_records", 16, 3000},
                                         Workload{"page_aligned", 4096, 500}, Workload{"unaligned", 7, 20000}),
                         [](const testing::TestParamInfo<Workload>& info) { return info.param.name; });

TEST(AddressSet, NullIsNeverAMember) {
  vxh::AddressSet set;
  EXPECT_FALSE(set.Contains(nullptr));
  EXPECT_FALSE(set.Insert(nullptr));
  EXPECT_FALSE(set.Contains(nullptr));
  EXPECT_FALSE(set.Erase(nullptr));
  EXPECT_EQ(set.Size(), 0u);
}

}  // namespace
