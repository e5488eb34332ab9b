#include "text/text_template.h"

#include <cstdlib>
#include <cstring>

#include "frame/pack_state.h"
#include "host/host_api.h"
#include "host/message_boxes.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vx {

std::uint8_t* TextTemplate() {
  void*& block = Pack().text_template;
  if (block == nullptr) block = std::calloc(1, kTemplateBytes);
  return static_cast<std::uint8_t*>(block);
}

std::uint8_t* TextTemplateOrMessage() {
  std::uint8_t* templ = TextTemplate();
  if (templ == nullptr) ShowError(kNoMemoryText);
  return templ;
}

std::uint8_t* TextDefaultsRecord() {
  std::uint8_t* table = GetWorkDL()->SettingsTable(kTableTextDefaults);
  if (table == nullptr) return nullptr;
  const std::uint32_t offset = GetU32(table, kTableCurrentOffset);
  std::uint8_t* record = table + (offset != 0 ? offset : kTableFirstRecord);
  return GetU32(record, kRecSize) != 0 ? record : nullptr;
}

std::uint8_t* MakeFirstTextDefaultsCurrent() {
  std::uint8_t* table = GetWorkDL()->SettingsTable(kTableTextDefaults);
  if (table == nullptr || GetU32(table + kTableFirstRecord, kRecSize) == 0) return nullptr;
  PutU16(table, kTableCurrentId, 0);
  PutU32(table, kTableCurrentOffset, kTableFirstRecord);
  return table + kTableFirstRecord;
}

void CopyTextIntoTemplate(std::uint8_t* templ, Entity text) {
  std::memcpy(templ + kTextX, text + kTextX, kTextString - kTextX);
  // A record whose string has no NUL inside it leaves the template's string as it was.
  const std::uint32_t size = GetU32(text, kHdrSize);
  if (size <= kTextString) return;
  const char* string = reinterpret_cast<const char*>(text + kTextString);
  const std::size_t length = strnlen(string, size - kTextString);
  if (length < kTemplateStringMax && length < size - kTextString) {
    std::memcpy(templ + kTextString, string, length + 1);
  }
}

std::uint32_t TemplateStringLength(const std::uint8_t* templ) {
  return static_cast<std::uint32_t>(StLen(reinterpret_cast<const char*>(templ + kTextString)));
}

}  // namespace vx
