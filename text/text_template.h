// The text template: one text record the editor types into, styles and
// places, kept from one text command to the next and freed at unload.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/entity_layout.h"
#include "host/kv_types.h"

namespace vx {

// Room for the longest string the editor takes, and its NUL.
inline constexpr std::size_t kTemplateStringMax = 32000;
inline constexpr std::size_t kTemplateBytes = kTextString + 1 + kTemplateStringMax;

inline constexpr char kNoMemoryText[] = "Not enough memory, please restart Korvex.";

// The template, allocated zero-filled on first use; null when the allocation
// failed.
std::uint8_t* TextTemplate();
// The template after the error box when it cannot be allocated.
std::uint8_t* TextTemplateOrMessage();

// The record of the host's text defaults (settings table 10) that the table
// marks current, its first when none is marked; null without text defaults.
std::uint8_t* TextDefaultsRecord();
// Makes the first record of the text defaults current and returns it; null
// without text defaults.
std::uint8_t* MakeFirstTextDefaultsCurrent();

// Fills the template's fixed fields from a text record of the drawing: the
// insertion point through the text spec, then the string when it fits.
void CopyTextIntoTemplate(std::uint8_t* templ, Entity text);

// The template's string length as the host counts it.
std::uint32_t TemplateStringLength(const std::uint8_t* templ);

}  // namespace vx
