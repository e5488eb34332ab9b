#include <cstring>

#include "headless/host_error.h"
#include "headless/script/pending_request.h"
#include "host/prompt_record.h"
#include "host/win_api.h"
#include "tests/session/fake_pack.h"
#include "tests/session/session_fixture.h"

namespace vxh::testing {
namespace {

class Requests : public SessionTest {
 protected:
  double Double(int index) const {
    double v;
    std::memcpy(&v, Fake().buffer + 8 * index, sizeof v);
    return v;
  }
  FakePack pack;
};

TEST_F(Requests, AnswerGivesStatusAndBuffer) {
  const struct {
    const char* name;
    int kind;
    int flags;
    const char* answer;
    int status;
    double first;  // the first double of the buffer afterwards
  } cases[] = {
      {"point answered", vx::kReqPoint2, 0, "3,4", 0, 3.0},
      {"enter leaves the buffer", vx::kReqPoint2, 0, ";", 2, 99.0},
      {"enter event", vx::kReqReal, 0, "<enter>", 2, 99.0},
      {"escape cancels", vx::kReqPoint2, 0, "<esc>", kStatusCancel, 99.0},
      {"number at a point that takes one", vx::kReqPoint2, vx::kReqAcceptNumber, "45", 3, 45.0},
      {"point at a point that takes numbers", vx::kReqPoint2, vx::kReqAcceptNumber, "1,2", 0, 1.0},
      {"real", vx::kReqReal, 0, "-2.5e1", 0, -25.0},
      {"distance", vx::kReqDistance, 0, "7", 0, 7.0},
      {"angle in degrees becomes radians", vx::kReqAngle, 0, "90", 0, 90 * kDegreesToRadians},
      {"3-D point", vx::kReqPoint3, 0, "1,2,3", 0, 1.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Fake().request.kind = c.kind;
    Fake().request.flags = c.flags;
    Fake().status = -100;  // untouched, so a continuation run inside the request shows
    const double before = 99.0;
    std::memcpy(Fake().buffer, &before, sizeof before);
    Run(std::string("ASK;") + c.answer);
    EXPECT_EQ(Fake().status, c.status);
    EXPECT_FALSE(Fake().continuation_ran_inside_request);
    EXPECT_DOUBLE_EQ(Double(0), c.first);
  }
}

TEST_F(Requests, TextAndIntegerAnswersFillTheBuffer) {
  Fake().request.kind = vx::kReqText;
  Run("ASK;\"two words\"");
  EXPECT_STREQ(reinterpret_cast<const char*>(Fake().buffer), "two words");
  Fake().request.kind = vx::kReqInteger;
  Run("ASK;-12");
  std::int32_t n;
  std::memcpy(&n, Fake().buffer, sizeof n);
  EXPECT_EQ(n, -12);
}

TEST_F(Requests, AThreeDPointWithoutZHasZeroZ) {
  Fake().request.kind = vx::kReqPoint3;
  std::memset(Fake().buffer, 0xFF, 24);
  Run("ASK;1,2");
  EXPECT_EQ(Double(2), 0.0);
}

TEST_F(Requests, CursorAndPickPositionFollowTheAnswer) {
  Run("ASK;5,6");
  const auto* cursor = static_cast<const double*>(vx::RscAdr(vx::kRscCursor));
  EXPECT_EQ(cursor[0], 5);
  EXPECT_EQ(cursor[1], 6);
  const auto* pick = static_cast<const std::uint8_t*>(vx::RscAdr(vx::kRscPick));
  EXPECT_EQ(vx::GetF64(pick, 36 + 8), 6);
}

TEST_F(Requests, MisfitsNameThePlaceThePromptAndTheToken) {
  const struct {
    int kind;
    const char* answer;
    const char* message;
  } cases[] = {
      {vx::kReqPoint2, "45", "test.vxs:2:3: a point x,y (or @dx,dy) for \"Value:\", got \"45\""},
      {vx::kReqPoint2, "1,2,3", "test.vxs:2:3: a 2-D point x,y for \"Value:\", got \"1,2,3\""},
      {vx::kReqReal, "ten", "test.vxs:2:3: a number for \"Value:\", got \"ten\""},
      {vx::kReqInteger, "2.5", "test.vxs:2:3: a whole number for \"Value:\", got \"2.5\""},
      {vx::kReqPick, "all", "test.vxs:2:3: a point x,y near the entity to pick for \"Value:\", got \"all\""},
  };
  for (const auto& c : cases) {
    Fake().request.kind = c.kind;
    EXPECT_EQ(ErrorOf<BadInput>(std::string("ASK\n  ") + c.answer), c.message);
  }
}

TEST_F(Requests, ScriptErrorsNameTheirPlace) {
  EXPECT_EQ(ErrorOf<BadInput>("\n\n  FROB;"), "test.vxs:3:3: unknown command \"FROB\"");
  EXPECT_EQ(ErrorOf<BadInput>("ASK;\n"), "test.vxs:2:1: the script ends while a request waits (\"Value:\")");
  EXPECT_EQ(ErrorOf<BadInput>("<key F13>").rfind("test.vxs:1:1: <key F13>: no such key", 0), 0u);
  EXPECT_EQ(ErrorOf<BadInput>("{ok}"), "test.vxs:1:1: a dialog answer {...} came, but no dialog is open");
  EXPECT_EQ(ErrorOf<BadInput>("<menu 2>"), "test.vxs:1:1: <menu 2> answers a popup menu, but no menu is open");
  EXPECT_EQ(ErrorOf<BadInput>("<yes>"), "test.vxs:1:1: <yes> answers a question, but no question is open");
}

TEST_F(Requests, AfterAnErrorTheNextScriptStartsClean) {
  EXPECT_NE(ErrorOf<BadInput>("ASK;"), "");
  Run("ASK;1,1");
  EXPECT_EQ(Fake().status, 0);
}

TEST_F(Requests, HostMessageAndPromptRecordPrompts) {
  Fake().request.kind = vx::kReqSelect;
  Fake().request.prompt = vx::HostMessage(vx::kMsgSelectEntities);
  Run("ASK;all");
  EXPECT_EQ(TranscriptLines().at(1), "? Select entities:");
  const char* name = "plan";
  vx::PromptRecord record;
  record.text = "Filename [!01]: ";
  record.entry[0].value = name;
  Fake().request = FakeRequest{vx::kReqText1, vx::kModeDefault, vx::kReqPromptRecord, &record};
  Run("ASK;x");
  EXPECT_EQ(TranscriptLines().at(4), "? Filename [plan]: ");
  Fake().request.prompt = vx::HostMessage(1234);
  Fake().request.flags = 0;
  EXPECT_NE(ErrorOf<HostFault>("ASK").find("no message number 1234"), std::string::npos);
}

TEST_F(Requests, ProtocolBreachesAreHostFaults) {
  EXPECT_EQ(ErrorOf<HostFault>("NOREQ"),
            "test.vxs:1:1: command protocol: NOREQ returned with neither a pending request nor CmdEnd");
  EXPECT_EQ(ErrorOf<HostFault>("ENDTWICE"), "test.vxs:1:1: command protocol: ENDTWICE called CmdEnd a second time");
  EXPECT_EQ(ErrorOf<HostFault>("ASKTWICE"),
            "test.vxs:1:1: command protocol: ASKTWICE issued a request while one is pending");
  Run("ABOUT");  // About alone may end without CmdEnd
}

TEST_F(Requests, MessageBoxesAreRecordedOnOneLineEach) {
  Run("BOXES");
  const std::vector<std::string> expected = {"> BOXES", "[Message] Done.\\r\\n\\r\\nAll good", "[Warning] Careful",
                                             "[Error] Broken"};
  EXPECT_EQ(TranscriptLines(), expected);
}

TEST_F(Requests, QuestionsTakeYesOrNoWhenNextElseTheDefault) {
  Run("ASKYN;<no>");
  EXPECT_EQ(Fake().box_answer, vx::kAnswerNo);
  Run("ASKYN;<yes>");
  EXPECT_EQ(Fake().box_answer, vx::kAnswerYes);
  Fake().box_answer = 0;
  Run("ASKYN");
  EXPECT_EQ(Fake().box_answer, vx::kAnswerYes);
  EXPECT_EQ(TranscriptLines().back(), "= <yes> (default)");
}

TEST_F(Requests, ExecScriptCopyRunsAfterTheCommandEnds) {
  Run("EXEC;7,8");
  EXPECT_EQ(Fake().status, 0);
  EXPECT_EQ(Double(0), 7);
  const std::vector<std::string> lines = TranscriptLines();
  EXPECT_EQ(lines.at(0), "> EXEC");
  EXPECT_EQ(lines.at(1), "> ASK");
}

TEST_F(Requests, VariablesSetByTheHostExpandInLaterTokens) {
  Fake().request.kind = vx::kReqReal;
  Run("SETV;ASK;$WIDTH");
  EXPECT_EQ(Double(0), 12.5);
  EXPECT_EQ(TranscriptLines().at(1), "$ Width=12.5");
}

TEST_F(Requests, DragRoutineSeesEveryMoveWithTheCursorAndView) {
  Run("<move 1,1>;DRAG;<move 2,3>;<view 0,0 50,20 500 200>;<move 4,5>;4,5");
  const std::vector<std::string> expected = {"cursor 2,3 view 100", "cursor 4,5 view 50"};
  EXPECT_EQ(Fake().drags, expected);
  EXPECT_EQ(Fake().status, 0);
}

TEST_F(Requests, PickGivesTheNearestEntityWithinTheToleranceOrNone) {
  Run("LINE;0,0;10,0;;LINE;0,1;10,1;;");
  Fake().request.kind = vx::kReqPick;
  Run("ASK;5,0.7");
  vx::Entity picked;
  std::memcpy(&picked, Fake().buffer, sizeof picked);
  EXPECT_EQ(picked, Entities().at(1));
  Run("ASK;5,40");
  std::memcpy(&picked, Fake().buffer, sizeof picked);
  EXPECT_EQ(picked, nullptr);
  EXPECT_EQ(Fake().status, 0);
  EXPECT_EQ(TranscriptLines().back(), "= 5,40 (nothing there)");
}

TEST_F(Requests, HostOperationsOutsideACommand) {
  vx::ExecScriptCopy("LINE;0,0;1,1;;");
  EXPECT_EQ(Entities().size(), 1u) << "with no command running the script runs at once";
  vx::ProgressMsg("Hatching...");
  EXPECT_EQ(TranscriptLines().back(), "~ Hatching...");
  const double value = 3.14159;
  vx::PromptRecord record;
  record.text = "!01";
  record.entry[0] = vx::PromptEntry{&value, vx::kValDouble, 0, vx::kWidthCode, 2};
  char out[32];
  vx::FormSt(&record, 0, nullptr, reinterpret_cast<std::intptr_t>(out));
  EXPECT_STREQ(out, "3.14");
  EXPECT_THROW(vx::CmdEnd(), HostFault);
}

TEST_F(Requests, UnknownResourceIsAFaultNamingIt) {
  try {
    vx::RscAdr(4000);
    FAIL();
  } catch (const HostFault& e) {
    EXPECT_NE(std::string(e.what()).find("4000"), std::string::npos);
  }
  const std::string path = static_cast<const char*>(vx::RscAdr(vx::kRscHostPath));
  ASSERT_FALSE(path.empty());
  EXPECT_TRUE(path.back() == '/' || path.back() == '\\');
}

}  // namespace
}  // namespace vxh::testing
