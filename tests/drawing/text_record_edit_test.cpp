// The host editor's reading and rewriting of text-bearing records, checked
// against records built independently: the DXF converter's attribute builder
// and the geometry tests' text builder give what the edited record must be.
#include "headless/drawing/text_record_edit.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "headless/drawing/attribute_layout.h"
#include "headless/dxf/dxf_records.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "tests/support/records.h"

namespace vxh {
namespace {

using Record = std::vector<std::uint8_t>;

std::array<std::uint8_t, vx::kTextSpecBytes> Spec(float height, float angle) {
  std::array<std::uint8_t, vx::kTextSpecBytes> spec{};
  vx::PutF32(spec.data(), vx::kSpecHeight, height);
  vx::PutF32(spec.data(), vx::kSpecWidth, 0.8f);
  vx::PutF32(spec.data(), vx::kSpecAngle, angle);
  vx::PutU8(spec.data(), vx::kSpecJustify, 4);
  return spec;
}

Record DxfAttribute(const std::string& value, const std::string& tag, const std::string& prompt, float height,
                    float angle) {
  dxf::AttributeText a;
  a.point = {3, 4};
  a.second = {7, 8};
  a.value = value;
  a.tag = tag;
  a.prompt = prompt;
  dxf::EntityStyle style;
  style.layer = 2;
  return dxf::AttributeRecord(a, Spec(height, angle).data(), style);
}

TextFields Fields(const std::string& value, const std::string& tag, const std::string& prompt, float height,
                  float angle) {
  return {value, tag, prompt, height, angle};
}

void ExpectSameFields(const TextFields& a, const TextFields& b) {
  EXPECT_EQ(a.text, b.text);
  EXPECT_EQ(a.tag, b.tag);
  EXPECT_EQ(a.prompt, b.prompt);
  EXPECT_EQ(a.height, b.height);
  EXPECT_EQ(a.angle, b.angle);
}

TEST(HostEditorRecord, AnAttributeEditedIsTheAttributeBuiltWithTheNewFields) {
  const struct {
    const char* what;
    const char* value[2];
    const char* tag[2];
    const char* prompt[2];
  } cases[] = {
      {"longer value", {"12", "1200"}, {"ROOM", "ROOM"}, {"Room?", "Room?"}},
      {"shorter value", {"Kitchen", "K"}, {"ROOM", "ROOM"}, {"Room?", "Room?"}},
      {"same length", {"A1", "B2"}, {"T", "T"}, {"P", "P"}},
      {"emptied value", {"A1", ""}, {"T", "T"}, {"P", "P"}},
      {"all three renamed", {"v", "value"}, {"tag", "TG"}, {"", "Which one?"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Record before = DxfAttribute(c.value[0], c.tag[0], c.prompt[0], 2.5f, 0);
    const TextFieldsOrProblem read = ReadTextFields(before.data());
    ASSERT_TRUE(read.fields) << read.problem;
    ExpectSameFields(*read.fields, Fields(c.value[0], c.tag[0], c.prompt[0], 2.5f, 0));
    const TextFields after = Fields(c.value[1], c.tag[1], c.prompt[1], 4, 1.5f);
    const Record edited = WithTextFields(before.data(), after);
    EXPECT_EQ(edited, DxfAttribute(c.value[1], c.tag[1], c.prompt[1], 4, 1.5f));
    ExpectSameFields(*ReadTextFields(edited.data()).fields, after);
  }
}

// An attribute laid out in another order, with bytes of the host between
// and after its strings: each string changes where it stands and those
// bytes move with what follows them.
Record MixedAttribute() {
  Record r = vxtest::Blank(vx::kKindAttribute, kAttrTextStart);
  const std::string tail =
      std::string("P?\0", 3) + "\x01\x02" + std::string("TAG\0", 4) + std::string("val\0", 4) + "\x07\x08\x09";
  r.insert(r.end(), tail.begin(), tail.end());
  vx::PutU32(r.data(), vx::kHdrSize, static_cast<std::uint32_t>(r.size()));
  vx::PutU32(r.data(), kAttrPromptOffset, kAttrTextStart);
  vx::PutU32(r.data(), kAttrTagOffset, kAttrTextStart + 5);
  vx::PutU32(r.data(), kAttrValueOffset, kAttrTextStart + 9);
  vx::PutU8(r.data(), kAttrCacheFlag, 1);
  return r;
}

std::string Tail(const Record& r) { return std::string(r.begin() + kAttrTextStart, r.end()); }

TEST(HostEditorRecord, StringsInAnyOrderChangeInPlaceAndTheHostBytesMoveWithThem) {
  const Record before = MixedAttribute();
  const struct {
    const char* what;
    TextFields fields;
    std::string tail;
  } cases[] = {
      {"longer value", Fields("value!", "TAG", "P?", 0, 0), std::string("P?\0\x01\x02TAG\0value!\0\x07\x08\x09", 19)},
      {"shorter prompt moves the others down", Fields("val", "TAG", "", 0, 0),
       std::string("\0\x01\x02TAG\0val\0\x07\x08\x09", 14)},
      {"longer tag", Fields("val", "LONGTAG", "P?", 0, 0), std::string("P?\0\x01\x02LONGTAG\0val\0\x07\x08\x09", 20)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Record edited = WithTextFields(before.data(), c.fields);
    EXPECT_EQ(Tail(edited), c.tail);
    EXPECT_EQ(vx::GetU32(edited.data(), vx::kHdrSize), edited.size());
    EXPECT_EQ(vx::GetU8(edited.data(), kAttrCacheFlag), 0);
    // Nothing before the strings changes but the size, the offsets and the
    // cache flag.
    Record head(edited.begin(), edited.begin() + kAttrTextStart), old(before.begin(), before.begin() + kAttrTextStart);
    for (std::size_t at : {vx::kHdrSize, kAttrTagOffset, kAttrPromptOffset, kAttrValueOffset})
      for (Record* r : {&head, &old}) vx::PutU32(r->data(), at, 0);
    head[kAttrCacheFlag] = old[kAttrCacheFlag] = 0;
    EXPECT_EQ(head, old);
    ExpectSameFields(*ReadTextFields(edited.data()).fields, c.fields);
  }
}

TEST(HostEditorRecord, AStringTheAttributeLacksIsAddedAtItsEndOnlyWhenItGetsText) {
  Record before = MixedAttribute();
  vx::PutU32(before.data(), kAttrTagOffset, 0);
  const TextFieldsOrProblem read = ReadTextFields(before.data());
  ASSERT_TRUE(read.fields) << read.problem;
  EXPECT_EQ(*read.fields->tag, "");
  EXPECT_EQ(WithTextFields(before.data(), *read.fields), [&] {
    Record same = before;
    same[kAttrCacheFlag] = 0;
    return same;
  }());
  TextFields named = *read.fields;
  named.tag = "NEW";
  const Record edited = WithTextFields(before.data(), named);
  EXPECT_EQ(edited.size(), before.size() + 4);
  EXPECT_EQ(vx::GetU32(edited.data(), kAttrTagOffset), before.size());
  EXPECT_EQ(std::string(edited.end() - 4, edited.end()), std::string("NEW\0", 4));
}

TEST(HostEditorRecord, AnAttributeWhoseStringsDoNotFitIsRefusedWithItsReason) {
  const struct {
    const char* what;
    std::size_t field;
    std::uint32_t at;
  } cases[] = {
      {"value past the end", kAttrValueOffset, 4000},
      {"tag inside the fixed fields", kAttrTagOffset, kAttrSpec},
      {"prompt on the value", kAttrPromptOffset, kAttrTextStart + 9},
      {"value inside the prompt", kAttrValueOffset, kAttrTextStart + 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Record r = MixedAttribute();
    vx::PutU32(r.data(), c.field, c.at);
    const TextFieldsOrProblem read = ReadTextFields(r.data());
    EXPECT_FALSE(read.fields);
    EXPECT_FALSE(read.problem.empty());
  }
  Record unended = MixedAttribute();
  unended.back() = 'x';
  vx::PutU32(unended.data(), kAttrValueOffset, static_cast<std::uint32_t>(unended.size() - 1));
  EXPECT_FALSE(ReadTextFields(unended.data()).fields);
  EXPECT_FALSE(ReadTextFields(vxtest::Blank(vx::kKindAttribute, vx::kAttrFixedBytes - 1).data()).fields);
}

TEST(HostEditorRecord, AShortAttributeHasNoHeightOrAngle) {
  Record r = vxtest::Blank(vx::kKindAttribute, vx::kAttrFixedBytes + 3);
  r[vx::kAttrFixedBytes] = 'A';
  vx::PutU32(r.data(), kAttrValueOffset, vx::kAttrFixedBytes);
  const TextFieldsOrProblem read = ReadTextFields(r.data());
  ASSERT_TRUE(read.fields) << read.problem;
  EXPECT_EQ(read.fields->text, "A");
  EXPECT_FALSE(read.fields->height);
  EXPECT_FALSE(read.fields->angle);
}

TEST(HostEditorRecord, TextsTakeTheirStringHeightAndAngleAndTextLikeEntitiesTheirString) {
  const Record text = vxtest::Text(1, 2, 2.5f, 0.8f, 0, "Old");
  EXPECT_EQ(WithTextFields(text.data(), {"Line 1\r\nLine 2", {}, {}, 5.0f, 0.5f}), [] {
    Record expected = vxtest::Text(1, 2, 5.0f, 0.8f, 0.5f, "Line 1\r\nLine 2");
    expected[vx::kTextCacheFlag] = 0;
    return expected;
  }());
  Record like = vxtest::Blank(vx::kKindTextLike, vx::TextLikeSize(3));
  std::memcpy(like.data() + vx::kTextLikeString, "abc", 3);
  like[vx::kTextLikeCacheFlag] = 1;
  const TextFieldsOrProblem read = ReadTextFields(like.data());
  ASSERT_TRUE(read.fields);
  EXPECT_FALSE(read.fields->height || read.fields->tag);
  const Record edited = WithTextFields(like.data(), {"abcdef", {}, {}, {}, {}});
  ASSERT_EQ(edited.size(), vx::TextLikeSize(6));
  EXPECT_EQ(vx::GetU32(edited.data(), vx::kHdrSize), vx::TextLikeSize(6));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(edited.data() + vx::kTextLikeString)), "abcdef");
  EXPECT_EQ(edited[vx::kTextLikeCacheFlag], 0);
  Record cut = text;
  cut.back() = 'x';  // no NUL where the record ends
  EXPECT_FALSE(ReadTextFields(cut.data()).fields);
}

}  // namespace
}  // namespace vxh
