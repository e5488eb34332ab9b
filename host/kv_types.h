// Basic types shared by the pack and the host: entity handles, callbacks and
// the calling convention of host operations.
#pragma once

#include <cstddef>
#include <cstdint>

// Host operations are plain C functions. On the 32-bit Windows target they are
// imports of the host executable with the C calling convention; on Linux the
// headless host defines them.
#if defined(_WIN32)
#define KVAPI __cdecl
#else
#define KVAPI
#endif

namespace vx {

// An entity is a pointer to its record bytes, owned by the list that holds it.
using Entity = std::uint8_t*;

struct DList;     // a drawing list (drawing_list.h)
struct DragView;  // the view handed to drag routines (drag_view.h)

// Called by the host when a request is answered: 0 answered, 2 default
// accepted, 3 a number typed at a point request, anything else cancelled.
using Continuation = void (*)(int status);

// Called by the host for every cursor movement while a point request with a
// drag routine waits.
using DragRoutine = void (*)(DragView* view);

// Handler of a command (and of About): no arguments, nothing returned.
using Handler = void (*)();

// Drawing-list walk callback: a non-zero result stops the walk and is returned.
using WalkCallback = int (*)(DList* list, Entity entity, std::intptr_t a, std::intptr_t b);

// Explode callback, one call per piece; a non-zero result stops the explode.
using ExplodeCallback = int (*)(Entity piece, std::intptr_t data);

// Request statuses.
inline constexpr int kStatusAnswered = 0;
inline constexpr int kStatusDefault = 2;
inline constexpr int kStatusNumber = 3;

}  // namespace vx
