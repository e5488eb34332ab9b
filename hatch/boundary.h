// The boundary list: the picked entities copied into a temporary list and
// turned into hatch space, with their common extents box.
#pragma once

#include <cstdint>

#include "hatch/fill_context.h"
#include "host/kv_types.h"

namespace vx {

// The temporary boundary list of a fill command.
inline constexpr const char* kBoundaryListName = "~HatchBorder.kvd";
inline constexpr int kTempListMode = 2;
// What every fill method says when the boundary list cannot be made.
inline constexpr char kNoBoundaryListText[] = "Error: Couldn't create temporary drawing list 1\n\nExiting...";
// And when the second temporary list of the smart and the scan/paint hatch cannot.
inline constexpr char kNoSecondListText[] = "Error: Couldn't create temporary drawing list 2\n\nExiting...";

// The temporary lists of a fill command: null when the host cannot make
// one, after the error message saying which.
DList* CreateBoundaryList();
DList* CreateSecondList(const char* name);

// Walk callback: a = the rotation into hatch space (16 doubles) or 0, b = the
// extents box. Copies plain geometry into the boundary list (HatchState),
// exploding curved kinds into simple pieces, and searches groups and other
// containers to any depth.
int CollectBoundary(DList* list, Entity entity, std::intptr_t rotation, std::intptr_t box);

// Turns every boundary entity by `angle` about the origin and measures the
// extents box afresh; the index of the context is rebuilt on its next use.
void RotateBoundary(FillContext& context, double angle);

// Resets, rotates and stores the host's current transformation.
void BuildRotation(double angle, double* matrix);

}  // namespace vx
