// Where the hatch records and the PAT file list live in the current user's
// registry. The trailing backslash belongs to the stored key text.
#pragma once

namespace vx {

inline constexpr const char* kHatchKey = "Software\\Quoravia\\Vorlix\\VXHatch\\";
inline constexpr const char* kHatchSettingsKey = "Software\\Quoravia\\Vorlix\\VXHatch\\Settings\\";
inline constexpr const char* kPatFilesKey = "Software\\Quoravia\\Vorlix\\VXHatch\\PAT Files\\";
inline constexpr const char* kOptionsValue = "Options";

// Value names are enumerated into a buffer of this many characters.
inline constexpr unsigned kValueNameBuffer = 255;

}  // namespace vx
