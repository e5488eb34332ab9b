#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "headless/geometry/matrix.h"
#include "headless/geometry/matrix_stack.h"
#include "headless/host_error.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "tests/session/session_fixture.h"
#include "tests/support/records.h"

namespace {

using namespace vx;

constexpr double kPi = 3.14159265358979323846;

class MatrixStackTest : public vxh::testing::SessionTest {
 protected:
  const vxh::MatrixStack& Stack() { return vxh::RunningMatrixStack("the test"); }
};

struct SequenceCase {
  const char* name;
  std::function<void()> build;
  double in[2];
  double expected[2];
};

TEST_F(MatrixStackTest, CallsApplyInTheOrderTheyAreMade) {
  // Each case's calls are joined by commas to read as one sequence.
  const std::vector<SequenceCase> cases = {
      {"translate then rotate", [] { CTMT2(1, 0), CTMR2(kPi / 2); }, {1, 0}, {0, 2}},
      {"rotate then translate", [] { CTMR2(kPi / 2), CTMT2(1, 0); }, {1, 0}, {1, 1}},
      {"scale then translate", [] { CTMS2(2, 3), CTMT2(1, 1); }, {1, 1}, {3, 4}},
      {"translate then scale", [] { CTMT2(1, 1), CTMS2(2, 3); }, {1, 1}, {4, 6}},
      // B + s·R(A)·(p − F) with F = (2,1), A = 90°, s = 3, B = (10,20).
      {"placement drag", [] { CTMT3(-2, -1, 0), CTMR2(kPi / 2), CTMS3(3, 3, 3), CTMT3(10, 20, 0); }, {3, 1}, {10, 23}},
      {"identity resets", [] { CTMT2(5, 5), CTMI2(), CTMT2(1, 2); }, {0, 0}, {1, 2}},
  };
  for (const auto& c : cases) {
    CTMI3();
    c.build();
    double p[2] = {c.in[0], c.in[1]};
    TRNP2(p);
    EXPECT_NEAR(p[0], c.expected[0], 1e-12) << c.name;
    EXPECT_NEAR(p[1], c.expected[1], 1e-12) << c.name;
  }
}

TEST_F(MatrixStackTest, StoredMatrixIsRowMajorWithTheShearTermSecond) {
  CTMI2();
  double n[16];
  STCTM(n);
  n[1] = 0.6;  // x' = x + 0.6·y
  CTMI2();
  CTMMUL2(n);
  double p[2] = {10, 5};
  TRNP2(p);
  EXPECT_DOUBLE_EQ(p[0], 13);
  EXPECT_DOUBLE_EQ(p[1], 5);

  CTMI3();
  CTMT3(7, 8, 9);
  double m[16];
  STCTM(m);
  EXPECT_EQ((std::vector<double>{m[3], m[7], m[11], m[15]}), (std::vector<double>{7, 8, 9, 1}));
}

TEST_F(MatrixStackTest, PushAndPopRestoreTheMatrix) {
  CTMT2(1, 2);
  CTMPSH();
  CTMR2(1.0);
  CTMPSH();
  CTMI2();
  EXPECT_EQ(Stack().saved.size(), 2u);
  CTMPOP();
  CTMPOP();
  EXPECT_EQ(Stack().saved.size(), 0u);
  EXPECT_EQ(Stack().current, vxh::Translation(1, 2, 0));
}

TEST_F(MatrixStackTest, PopOnAnEmptyStackIsAHostFault) {
  try {
    CTMPOP();
    FAIL() << "no fault";
  } catch (const vxh::HostFault& fault) {
    EXPECT_NE(std::string(fault.what()).find("CTMPOP"), std::string::npos);
  }
}

TEST_F(MatrixStackTest, SymbolTransformMapsWithItsFourthColumnAsTranslation) {
  // Rotated 90° and scaled by 2, inserted at (5, 6).
  const double rows[12] = {0, -2, 0, 5, 2, 0, 0, 6, 0, 0, 1, 0};
  CTMI2();
  LDSymTM(rows);
  double p[4] = {1, 0, 0, 1};
  TRNP2M(p, 2);
  EXPECT_EQ(std::vector<double>(p, p + 4), (std::vector<double>{5, 8, 3, 6}));
}

TEST_F(MatrixStackTest, NullPointersAreHostFaults) {
  EXPECT_THROW(STCTM(nullptr), vxh::HostFault);
  EXPECT_THROW(CTMMUL2(nullptr), vxh::HostFault);
  EXPECT_THROW(TRNP2(nullptr), vxh::HostFault);
  EXPECT_THROW(TRNP2M(nullptr, 3), vxh::HostFault);
  EXPECT_THROW(TRNP2M(nullptr, -1), vxh::HostFault);
}

TEST(MatrixMath, ComposeWithInverseIsIdentity) {
  const std::vector<vxh::Matrix> matrices = {
      vxh::Compose(vxh::RotationZ(0.7), vxh::Translation(3, -4, 1)),
      vxh::Compose(vxh::Scaling(2, -3, 0.5), vxh::RotationZ(-2.1)),
      vxh::LoadMatrix(std::array<double, 16>{1, 0.6, 0, 2, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}.data()),
  };
  for (const auto& m : matrices) {
    const auto inverse = vxh::Inverse(m);
    ASSERT_TRUE(inverse.has_value());
    const vxh::Matrix product = vxh::Compose(m, *inverse);
    const vxh::Matrix identity = vxh::Identity();
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(product[i], identity[i], 1e-12) << i;
  }
  EXPECT_FALSE(vxh::Inverse(vxh::Scaling(0, 1, 1)).has_value());
}

// An attribute-like text carried into the drawing the way the text tools do:
// ETran without a matrix uses the current one.
TEST_F(MatrixStackTest, ETranWithoutAMatrixTransformsByTheCurrentOne) {
  vxtest::Record attribute = vxtest::Attribute(5, 0);
  CTMI2();
  CTMR2(kPi / 2);
  CTMT2(100, 0);
  EXPECT_EQ(ETran(attribute.data(), nullptr), attribute.data());
  EXPECT_NEAR(GetF64(attribute.data(), kAttrX), 100, 1e-12);
  EXPECT_NEAR(GetF64(attribute.data(), kAttrY), 5, 1e-12);
}

}  // namespace
