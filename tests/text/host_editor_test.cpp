// The host's own editor (EEdit) behind VXTEDIT for what the pack's dialog
// cannot take: attributes and text-like entities edited through the script's
// answers, one undo step each, and what it refuses.
#include <string>
#include <vector>

#include "headless/drawing/attribute_layout.h"
#include "headless/drawing/text_record_edit.h"
#include "headless/dxf/dxf_records.h"
#include "headless/host_error.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "tests/text/text_fixture.h"

namespace vxh::testing {
namespace {

class HostEditor : public TextTest {
 protected:
  vx::Entity AddAttribute(vx::DList* list, double x, double y, const std::string& value) {
    dxf::AttributeText a;
    a.point = {x, y};
    a.value = value;
    a.tag = "ROOM";
    a.prompt = "Room number?";
    std::uint8_t spec[vx::kTextSpecBytes] = {};
    vx::PutF32(spec, vx::kSpecHeight, 2.5f);
    return Add(list, dxf::AttributeRecord(a, spec, {}));
  }
  static Record Bytes(vx::Entity e) { return Record(e, e + vx::GetU32(e, vx::kHdrSize)); }
  std::vector<Record> Drawing() {
    std::vector<Record> out;
    session.Doc().Work().ForEach([&](vx::Entity e) {
      out.push_back(Bytes(e));
      if (EntityList* members = session.Doc().Work().Members(e))
        members->ForEach([&](vx::Entity m) { out.push_back(Bytes(m)); });
    });
    return out;
  }
  static TextFields FieldsOf(const Record& r) { return *ReadTextFields(r.data()).fields; }
};

TEST_F(HostEditor, AnAttributeIsEditedByTheHostAndOnlyAChangeEndsTheCommand) {
  const struct {
    const char* answer;
    bool changed;
  } cases[] = {
      {R"({103="Room 14"; 101=NR; 102="Which room?"; 104=3.5; 105=90; press ok})", true},
      {R"({103="Room 14"; press cancel})", false},
      {"<esc>", false},
      {"{press ok}", false},  // nothing changed: the editor did nothing
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    session.Doc().Work().ForEach([&](vx::Entity e) { Work()->Remove(e); });
    AddAttribute(Work(), 5, 5, "Room 12");
    const std::vector<Record> before = Drawing();
    const int prompts = LinesWith("Select text to edit: ");
    Run(std::string("VXTEDITDBG;5,5;") + c.answer + (c.changed ? "" : ";<esc>"));
    EXPECT_EQ(LinesWith("02: Error in MyTextEdit - calling normal EEdit"), 1 + (&c - cases));
    // After an edit the host's editor has ended VXTEDIT: no second pick.
    EXPECT_EQ(LinesWith("Select text to edit: ") - prompts, c.changed ? 1 : 2);
    if (!c.changed) {
      EXPECT_EQ(Drawing(), before);
      continue;
    }
    const TextFields f = FieldsOf(Drawing().back());
    EXPECT_EQ(f.text, "Room 14");
    EXPECT_EQ(f.tag, "NR");
    EXPECT_EQ(f.prompt, "Which room?");
    EXPECT_EQ(f.height, 3.5f);
    EXPECT_EQ(f.angle, static_cast<float>(90 * (3.14159265 / 180)));
    Run("UNDO");
    EXPECT_EQ(Drawing(), before);
    Run("REDO");
    EXPECT_EQ(FieldsOf(Drawing().back()).text, "Room 14");
  }
}

TEST_F(HostEditor, AnAttributeInAGroupIsChangedThroughItsGroupAsOneUndoStep) {
  AddAttribute(AddGroup(Work()), 20, 40, "in group");
  const std::vector<Record> before = Drawing();
  Run(R"(VXTEDIT;20,40;{103="in the group, longer"; press ok})");
  EXPECT_EQ(Strings(), (std::vector<std::string>{"in the group, longer"}));
  Run("UNDO");
  EXPECT_EQ(Drawing(), before);
}

TEST_F(HostEditor, FieldsTheRecordLacksAreDisabled) {
  Record like = vxtest::Blank(vx::kKindTextLike, vx::TextLikeSize(4));
  std::memcpy(like.data() + vx::kTextLikeString, "Like", 4);
  Add(Work(), like);
  for (const char* answer : {"{104=3}", "{105=45}", "{101=T}", "{102=P}"}) {
    const std::string error = ErrorOf<BadInput>(std::string("VXTEDIT;0,0;") + answer);
    EXPECT_NE(error.find("disabled"), std::string::npos) << answer << ": " << error;
  }
  Run(R"(VXTEDIT;0,0;{103="Two\nlines"; press ok})");
  EXPECT_EQ(Strings(), (std::vector<std::string>{"Two\r\nlines"}));
}

TEST_F(HostEditor, AHeightThatIsNotAboveZeroIsRefusedAndTheDialogAskedAgain) {
  AddAttribute(Work(), 0, 0, "A");
  Run("VXTEDIT;0,0;{104=0; press ok};{104=-2; press ok};{104=1.5; press ok}");
  EXPECT_EQ(LinesWith("[Error] The height must be a number greater than 0."), 2);
  EXPECT_EQ(LinesWith("{ Edit Text"), 3);
  EXPECT_EQ(FieldsOf(Drawing().back()).height, 1.5f);
}

TEST_F(HostEditor, AnAttributeWhoseStringsDoNotFitIsNamedAndLeftAlone) {
  const vx::Entity e = AddAttribute(Work(), 0, 0, "A");
  vx::PutU32(e, kAttrTagOffset, 5000);
  const std::vector<Record> before = Drawing();
  Run("VXTEDIT;0,0;<esc>");
  EXPECT_EQ(LinesWith("[Warning] The host editor cannot edit this attribute: Its tag does not lie inside the record."),
            1);
  EXPECT_EQ(LinesWith("Select text to edit: "), 2);
  EXPECT_EQ(Drawing(), before);
}

TEST_F(HostEditor, OtherKindsGetAMessageAndNothingDone) {
  const vx::Entity circle = Add(Work(), vxtest::Circle(0, 0, 1));
  EXPECT_EQ(vx::EEdit(circle), 0);
  EXPECT_EQ(LinesWith("[Warning] The host editor edits texts, text-like entities and attributes, not this circle."), 1);
}

}  // namespace
}  // namespace vxh::testing
