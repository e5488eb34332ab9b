// When a command ends in an error box and the script goes on as if it had
// worked, the script error that follows names that box: it is the cause.
#include <gtest/gtest.h>

#include "headless/host_error.h"
#include "tests/session/session_fixture.h"

namespace vxh::testing {
namespace {

using ErrorBoxInScriptError = SessionTest;

// A box the script got past, or a message that is no error, is not blamed;
// nor is the box of an earlier script.
TEST_F(ErrorBoxInScriptError, TheFollowingMisfitNamesTheBox) {
  const struct {
    const char* script;
    const char* error;  // the whole message after "test.vxs:"
  } cases[] = {
      {"BOX; 0,0; 0,5\n2,2\n",
       "2:1: unknown command \"2,2\" (after the error \"A box needs two corners that differ in x and in y\")"},
      {"RPOLY; 2\n",
       "2:1: the script ends while a request waits (\"Number of sides:\") "
       "(after the error \"A regular polygon has 3 to 1024 sides\")"},
      {"BOX; 0,0; 0,5\nCIRP; 0,0; 1,0\nbogus\n", "3:1: unknown command \"bogus\""},
      {"UNDO\nbogus\n", "2:1: unknown command \"bogus\""},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorOf<BadInput>(c.script), std::string("test.vxs:") + c.error) << c.script;
}

}  // namespace
}  // namespace vxh::testing
