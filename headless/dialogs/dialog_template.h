// A dialog template as a resource script describes it: the dialog's size and
// title and its controls, in dialog units.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vxh::dialogs {

enum class ControlKind {
  kButton,       // push button (default or not)
  kOwnerButton,  // owner-drawn push button
  kCheck,
  kRadio,
  kGroup,
  kStatic,
  kIcon,
  kEdit,
  kCombo,
  kList,
};

// Window style bits the host acts on.
inline constexpr std::uint32_t kWsDisabled = 0x08000000u;
inline constexpr std::uint32_t kWsVisible = 0x10000000u;
inline constexpr std::uint32_t kEsMultiline = 0x4u;
inline constexpr std::uint32_t kEsReadOnly = 0x800u;
inline constexpr std::uint32_t kLbsSort = 0x2u;
inline constexpr std::uint32_t kLbsOwnerDrawFixed = 0x10u;
inline constexpr std::uint32_t kCbsDropDownList = 0x3u;
inline constexpr std::uint32_t kCbsSort = 0x100u;
inline constexpr int kNoId = -1;  // IDC_STATIC

struct ControlTemplate {
  ControlKind kind = ControlKind::kStatic;
  int id = kNoId;
  std::string text;
  int x = 0, y = 0, width = 0, height = 0;
  std::uint32_t style = 0;
  bool default_button = false;
  int line = 0;  // in the resource script

  bool Visible() const { return (style & kWsVisible) != 0; }
  bool Disabled() const { return (style & kWsDisabled) != 0; }
  bool Sorted() const;
  bool OwnerDrawn() const;
};

struct DialogTemplate {
  std::string name;
  std::string title;
  int x = 0, y = 0, width = 0, height = 0;
  std::string font = "MS Sans Serif";
  int font_size = 8;
  std::vector<ControlTemplate> controls;
  std::string file;  // the resource script it came from
  int line = 0;

  // The control with the id, or nullptr.
  const ControlTemplate* Find(int id) const;
};

const char* KindName(ControlKind kind);

}  // namespace vxh::dialogs
