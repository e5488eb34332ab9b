// The extents box record (kBox* in host/entity_layout.h): minimum and maximum
// x, y, z, then a valid flag that is 0 while the box is empty.
#pragma once

#include <cstdint>

namespace vxh {

// Widens the box by a point, initialising it when it is empty.
void WidenBox(std::uint8_t* box, double x, double y, double z);
// A plane point: z = 0 when it starts the box, z left alone otherwise.
void WidenBox2(std::uint8_t* box, double x, double y);

bool BoxValid(const std::uint8_t* box);

}  // namespace vxh
