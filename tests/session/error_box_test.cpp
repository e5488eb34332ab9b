// When a command ends in an error box and the script goes on as if it had
// worked, the script error that follows names that box: it is the cause.
#include <gtest/gtest.h>

#include "headless/host_error.h"
#include "tests/session/session_fixture.h"

namespace vxh::testing {
namespace {

class ErrorBoxInScriptError : public SessionTest {};

TEST_F(ErrorBoxInScriptError, TheFollowingMisfitNamesTheBox) {
  struct Case {
    const char* script;
    const char* error;  // the whole message after "test.vxs:"
  };
  const Case cases[] = {
      {"BOX; 0,0; 0,5\n2,2\n",
       "2:1: unknown command \"2,2\" (after the error \"A box needs two corners that differ in x and in y\")"},
      {"RPOLY; 2\n",
       "2:1: the script ends while a request waits (\"Number of sides:\") "
       "(after the error \"A regular polygon has 3 to 1024 sides\")"},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorOf<BadInput>(c.script), std::string("test.vxs:") + c.error) << c.script;
}

TEST_F(ErrorBoxInScriptError, ABoxThatTheScriptGotPastIsNotBlamed) {
  const std::string error = ErrorOf<BadInput>("BOX; 0,0; 0,5\nCIRP; 0,0; 1,0\nbogus\n");
  EXPECT_EQ(error, "test.vxs:3:1: unknown command \"bogus\"");
}

TEST_F(ErrorBoxInScriptError, AMessageThatIsNoErrorIsNotBlamed) {
  EXPECT_EQ(ErrorOf<BadInput>("UNDO\nbogus\n"), "test.vxs:2:1: unknown command \"bogus\"");
}

}  // namespace
}  // namespace vxh::testing
