// The hidden-layer test: commands that pick among texts leave out those on
// hidden layers, reading the layer table rather than trusting the screen.
#pragma once

#include <cstdint>

namespace vx {

// Searches a layer settings table (records from its first-record offset, each
// led by its u32 size, size 0 ends) for the record with this id and returns
// its hidden bit. A null table or a missing id: false.
bool LayerTableSaysHidden(const std::uint8_t* layer_table, int layer);

// The same test on the working list's layer table.
bool IsLayerHidden(int layer);

}  // namespace vx
