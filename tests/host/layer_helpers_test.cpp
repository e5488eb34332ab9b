#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "host/layer_helpers.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vx {
namespace {

struct LayerRow {
  std::uint16_t id;
  std::uint32_t flags;
  std::uint32_t size;  // records need not all have the same size
};

std::vector<std::uint8_t> LayerTable(std::initializer_list<LayerRow> layers) {
  std::vector<std::uint8_t> table(kTableFirstRecord, 0);
  for (const LayerRow& layer : layers) {
    const std::size_t at = table.size();
    table.resize(at + layer.size, 0);
    PutU32(table.data() + at, kRecSize, layer.size);
    PutU16(table.data() + at, kLayerId, layer.id);
    PutU32(table.data() + at, kLayerFlags, layer.flags);
  }
  table.resize(table.size() + 4, 0);  // size 0 ends the table
  return table;
}

TEST(LayerTableSaysHidden, ReadsTheHiddenBitOfTheMatchingRecord) {
  const auto table = LayerTable({
      {0, 0, kLayerRecordBytes},
      {3, kLayerHidden, 20},
      {5, kLayerFrozen, kLayerRecordBytes},
      {7, kLayerHidden | kLayerFrozen, 60},
      {300, kLayerHidden, kLayerRecordBytes},
  });
  const struct {
    int layer;
    bool hidden;
  } cases[] = {{0, false}, {3, true}, {5, false}, {7, true}, {300, true}, {9, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(LayerTableSaysHidden(table.data(), c.layer), c.hidden) << c.layer;
  }
}

TEST(LayerTableSaysHidden, NoTableOrEmptyTableHidesNothing) {
  EXPECT_FALSE(LayerTableSaysHidden(nullptr, 0));
  const auto empty = LayerTable({});
  EXPECT_FALSE(LayerTableSaysHidden(empty.data(), 0));
}

}  // namespace
}  // namespace vx
