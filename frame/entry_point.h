// What the library's entry point does on process attach and detach. The
// Windows entry point calls these; the headless host calls them to load and
// unload the pack.
#pragma once

namespace vx {

struct RegistrationRecord;

// Stores the module handle in the registration record and registers.
void PackAttach(void* module);
// Unregisters, then frees the pack's long-lived blocks.
void PackDetach();

// The record handed to the host (for tests).
RegistrationRecord& PackRegistration();

}  // namespace vx
