// The boundary of a smart hatch arranged for the connector test: the straight
// edges of lines, paths and polygons and the boxes of circles, arcs and
// curved kinds sit in a grid, so a connector is tested only against what
// lies near it. Built once per run, after the boundary has been turned into
// hatch space; it answers as ConnectorBlocked over the whole list does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "hatch/box_grid.h"
#include "hatch/connector.h"
#include "host/kv_types.h"

namespace vx {

class ConnectorIndex {
 public:
  // Reads the boundary list. Its entities must stay until Clear.
  void Build(DList* boundary);
  // True when something of the boundary crosses the connector.
  bool Blocked(const AreaConnector& connector);
  // Forgets the boundary and frees the memory.
  void Clear();

  std::size_t GriddedCount() const { return gridded_.size(); }
  std::size_t EverywhereCount() const { return everywhere_.size(); }

 private:
  struct Item {
    std::uint32_t index;  // into edges_ or others_
    bool other;
  };

  static int TakeEntity(DList*, Entity entity, std::intptr_t index, std::intptr_t boxes);
  void Take(Item item, const GridBox& box, bool boxed, std::vector<GridBox>& boxes);
  bool Crosses(const Item& item, const AreaConnector& connector, const GridBox& reach) const;

  std::vector<StraightEdge> edges_;
  std::vector<Entity> others_;
  std::vector<Item> gridded_;     // by grid id
  std::vector<Item> everywhere_;  // no box to go by: asked about every connector
  BoxGrid grid_;
};

}  // namespace vx
