#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "host/int_truncation.h"
#include "host/snap.h"

namespace vx {
namespace {

struct SnapCase {
  double step;
  double value;
  double expected;
};

// Quotients between -1 and 0 and below -1 are where truncation and floor part.
TEST(SnapToMultiple, TruncatesTowardZero) {
  const SnapCase cases[] = {
      {2, 3, 4},        // 2.0 exactly: rounds half up
      {2, 2.9, 2},      // 1.95
      {2, -1.5, 0},     // -0.25 truncates to 0, not -1
      {2, -3, -2},      // -1.0
      {2, -3.5, -2},    // -1.25 truncates to -1; floor would give -4
      {2, -4.5, -2},    // -1.75 truncates to -1; floor would give -4
      {2, -5, -4},      // -2.0
      {0.5, 1.3, 1.5},  // 3.1
  };
  for (const SnapCase& c : cases) {
    EXPECT_EQ(SnapToMultiple(c.step, c.value), c.expected) << c.step << " " << c.value;
  }
}

TEST(SnapToMultiple, QuotientBeyond32BitsGivesTheNoResultValue) {
  EXPECT_EQ(SnapToMultiple(1, 3e9), static_cast<double>(kNoInt32Result));
  EXPECT_EQ(SnapToMultiple(0.5, -3e9), 0.5 * kNoInt32Result);
}

struct TruncCase {
  double value;
  std::int32_t expected;
};

TEST(TruncateToInt32, TowardZeroAndDefinedOutsideTheRange) {
  const double inf = std::numeric_limits<double>::infinity();
  const TruncCase cases[] = {
      {-1.99, -1},
      {2147483647.9, 2147483647},
      {-2147483648.9, kNoInt32Result},  // truncates to INT32_MIN itself
      {2147483648.0, kNoInt32Result},
      {-2147483649.0, kNoInt32Result},
      {inf, kNoInt32Result},
      {-inf, kNoInt32Result},
      {std::nan(""), kNoInt32Result},
  };
  for (const TruncCase& c : cases) {
    EXPECT_EQ(TruncateToInt32(c.value), c.expected) << c.value;
  }
}

}  // namespace
}  // namespace vx
