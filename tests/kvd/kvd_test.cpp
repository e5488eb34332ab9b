#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "headless/drawing/document.h"
#include "headless/drawing/settings_tables.h"
#include "headless/host_error.h"
#include "headless/kvd/kvd_file.h"
#include "headless/kvd/kvd_layout.h"
#include "host/settings_layout.h"
#include "tests/drawing/drawing_fixture.h"

namespace vxh {
namespace {

using testing::AddLines;
using testing::WalkOrder;

using Bytes = std::vector<std::uint8_t>;

// Lines, a text, a selected polygon, a removed line and a group holding a
// group, with tags and a layer added to the tables.
std::unique_ptr<Document> SampleDrawing() {
  auto doc = std::make_unique<Document>();
  AddLayer(*doc, "Walls");
  vx::DList* work = doc->WorkDL();
  AddLines(work, 2);
  vx::Entity text = work->AddRecord(vxtest::BareText("Room 1\r\nOffice").data());
  FromDList(work)->SetTag(text, doc->NewTag());
  vx::Entity poly = work->NewRecord(vx::kKindPolygon, vx::PolySize(3));
  vx::PutU16(poly, vx::kPolyCount, 3);
  vx::PutF64(poly, vx::kPolyVertices + 16, 4.0);
  work->Commit(poly);
  work->Remove(AddLines(work, 1, 50)[0]);
  vx::Entity outer = work->AddRecord(vxtest::Group().data());
  vx::DList* members = work->MakeMemberList(outer);
  AddLines(members, 2, 10);
  vx::Entity inner = members->AddRecord(vxtest::Group().data());
  AddLines(members->MakeMemberList(inner), 1, 20);
  return doc;
}

// Where the working list's entity count sits: after the header and tables.
std::size_t EntityCountOffset(const Bytes& file) {
  std::size_t at = kKvdHeaderBytes;
  for (std::size_t i = 0; i < SettingsTables::Numbers().size(); ++i) {
    at += kKvdTableHeadBytes + vx::GetU32(file.data(), at + 1);
  }
  return at;
}

TEST(KvdTest, EncodingADecodedDrawingGivesTheSameBytes) {
  auto doc = SampleDrawing();
  for (bool keep_removed : {false, true}) {
    const Bytes first = EncodeKvd(*doc, keep_removed);
    auto loaded = DecodeKvd(first.data(), first.size(), "sample.kvd");
    EXPECT_EQ(EncodeKvd(*loaded, true), first);
    EXPECT_EQ(loaded->FileName(), "sample.kvd");
  }
  auto loaded = DecodeKvd(EncodeKvd(*doc).data(), EncodeKvd(*doc).size(), "x.kvd");
  EXPECT_EQ(loaded->Work().Count(), 5u) << "removed entities are left out of a saved drawing";
  EXPECT_TRUE(WalkOrder(loaded->WorkDL(), vx::kWalkSelected).empty()) << "selection is not saved";
  EXPECT_EQ(FindLayer(*loaded, "Walls"), 5);
}

TEST(KvdTest, TagsAndNestedMembersSurviveAFile) {
  auto doc = SampleDrawing();
  std::vector<vx::Entity> found;
  doc->Work().ForEach([&](vx::Entity e) { found.push_back(e); });
  doc->Work().SetSelected(found[0], true);
  const std::uint32_t next = doc->NextTag();
  const std::string path = ::testing::TempDir() + "tags.kvd";
  SaveKvd(*doc, path);
  auto loaded = LoadKvd(path);
  std::remove(path.c_str());
  EXPECT_EQ(loaded->NextTag(), next);
  std::vector<vx::Entity> entities;
  loaded->Work().ForEach([&](vx::Entity e) { entities.push_back(e); });
  ASSERT_EQ(entities.size(), 5u);
  EXPECT_EQ(loaded->Work().State(entities[2]).tag, next - 1);
  EXPECT_EQ(loaded->Work().State(entities[0]).tag, 0u);
  EntityList* outer = loaded->Work().Members(entities.back());
  ASSERT_NE(outer, nullptr);
  EXPECT_EQ(WalkOrder(outer->AsDList()), (std::vector<double>{10, 11, 0}));
  std::vector<vx::Entity> members;
  outer->ForEach([&](vx::Entity e) { members.push_back(e); });
  EXPECT_EQ(WalkOrder(outer->Members(members[2])->AsDList()), (std::vector<double>{20}));
  EXPECT_EQ(outer->Members(members[0]), nullptr);
}

// A missing drawing is the user's input gone wrong; a drawing that cannot be
// written is work that could not be done.
TEST(KvdTest, MissingFilesAreBadInputAndUnwritableOnesAWriteFailure) {
  EXPECT_THROW(LoadKvd("/nonexistent/dir/none.kvd"), BadInput);
  Document doc;
  EXPECT_THROW(SaveKvd(doc, "/nonexistent/dir/out.kvd"), WriteFailure);
}

std::string DecodeError(const Bytes& file) {
  try {
    DecodeKvd(file.data(), file.size(), "damaged.kvd");
  } catch (const BadInput& e) {
    return e.what();
  }
  return "(accepted)";
}

TEST(KvdTest, EveryTruncationIsRefusedWithAnOffset) {
  const Bytes file = EncodeKvd(*SampleDrawing());
  for (std::size_t length = 0; length < file.size(); ++length) {
    const std::string message = DecodeError(Bytes(file.begin(), file.begin() + length));
    ASSERT_NE(message.find("damaged.kvd"), std::string::npos) << "length " << length << ": " << message;
    ASSERT_NE(message.find("at byte"), std::string::npos) << "length " << length << ": " << message;
  }
}

TEST(KvdTest, DamagedFilesAreRefusedWithTheProblemNamed) {
  const Bytes good = EncodeKvd(*SampleDrawing());
  const std::size_t count = EntityCountOffset(good);
  const std::size_t first = count + 4;  // first entity: flags, tag, record
  const std::size_t record = first + kKvdEntityHeadBytes;
  const std::size_t text = record + 2 * (kKvdEntityHeadBytes + vx::kLineSize);
  struct Case {
    const char* name;
    std::function<void(Bytes&)> damage;
    const char* message;
  };
  const Case cases[] = {
      {"magic", [](Bytes& b) { b[0] = 'W'; }, "wrong magic"},
      {"version", [](Bytes& b) { vx::PutU32(b.data(), kKvdVersionAt, 9); }, "version 9"},
      {"table count", [](Bytes& b) { vx::PutU16(b.data(), kKvdTableCountAt, 6); }, "6 settings tables"},
      {"table number", [](Bytes& b) { b[kKvdHeaderBytes] = 3; }, "table number 3 is unknown"},
      {"table length field", [](Bytes& b) { b[kKvdHeaderBytes + kKvdTableHeadBytes] ^= 1; }, "length field"},
      {"huge table length", [](Bytes& b) { vx::PutU32(b.data(), kKvdHeaderBytes + 1, 0x7FFFFFFF); },
       "ends inside a settings table"},
      {"entity count", [count](Bytes& b) { vx::PutU32(b.data(), count, 5000000); }, "entity count of 5000000"},
      {"entity flags", [first](Bytes& b) { b[first] = 0x80; }, "unknown entity flags"},
      {"record size below 32", [record](Bytes& b) { vx::PutU32(b.data(), record, 20); }, "below 32"},
      {"line size", [record](Bytes& b) { vx::PutI8(b.data(), record + vx::kHdrKind, vx::kKindCircle); },
       "circle record must be 56 bytes, not 64"},
      {"unknown kind", [record](Bytes& b) { vx::PutI8(b.data(), record + vx::kHdrKind, 99); },
       "kind 99 is not a known kind"},
      {"text without NUL",
       [text](Bytes& b) {
         const std::uint32_t size = vx::GetU32(b.data(), text);
         b[text + size - 1] = 'x';
       },
       "no NUL"},
      {"text NUL early", [text](Bytes& b) { b[text + vx::kTextString + 2] = 0; }, "size must be length + 105"},
      {"polygon count",
       [text](Bytes& b) {
         const std::size_t poly = text + vx::GetU32(b.data(), text) + kKvdEntityHeadBytes;
         vx::PutU16(b.data(), poly + vx::kPolyCount, 4);
       },
       "polygon record must be 98 bytes, not 82"},
      {"trailing bytes", [](Bytes& b) { b.push_back(0); }, "1 bytes follow the end mark"},
      {"end mark", [](Bytes& b) { b[b.size() - 1] = 'X'; }, "end mark is missing"},
  };
  for (const Case& c : cases) {
    Bytes damaged = good;
    c.damage(damaged);
    const std::string message = DecodeError(damaged);
    EXPECT_NE(message.find(c.message), std::string::npos) << c.name << ": " << message;
  }
}

TEST(KvdTest, MemberListsNestedTooDeeplyAreRefused) {
  Document doc;
  vx::DList* list = doc.WorkDL();
  for (int depth = 0; depth <= kKvdMaxDepth; ++depth) {
    list = list->MakeMemberList(list->AddRecord(vxtest::Group().data()));
  }
  const Bytes file = EncodeKvd(doc);
  EXPECT_NE(DecodeError(file).find("nested deeper than 64"), std::string::npos) << DecodeError(file);
}

TEST(KvdTest, DamagedSettingsTablesAreRefused) {
  const Bytes good = EncodeKvd(Document{});
  // The layers table follows the current settings table.
  const std::size_t current_len = vx::GetU32(good.data(), kKvdHeaderBytes + 1);
  const std::size_t layers = kKvdHeaderBytes + kKvdTableHeadBytes + current_len + kKvdTableHeadBytes;
  struct Case {
    const char* name;
    std::function<void(Bytes&)> damage;
    const char* message;
  };
  const Case cases[] = {
      {"record size", [layers](Bytes& b) { vx::PutU32(b.data(), layers + vx::kTableFirstRecord, 3); },
       "record size of 3"},
      {"name without NUL",
       [layers](Bytes& b) {
         std::memset(b.data() + layers + vx::kTableFirstRecord + vx::kLayerName, 'A', vx::kNameFieldBytes);
       },
       "no NUL"},
      {"current offset", [layers](Bytes& b) { vx::PutU32(b.data(), layers + vx::kTableCurrentOffset, 17); },
       "current record"},
      {"duplicate table", [layers](Bytes& b) { b[layers - kKvdTableHeadBytes] = vx::kTableCurrent; }, "appears twice"},
  };
  for (const Case& c : cases) {
    Bytes damaged = good;
    c.damage(damaged);
    const std::string message = DecodeError(damaged);
    EXPECT_NE(message.find(c.message), std::string::npos) << c.name << ": " << message;
  }
}

}  // namespace
}  // namespace vxh
