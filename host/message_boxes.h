// The pack's three kinds of message box, each with its title and style: a
// failure ("Error"), a caution ("Warning") and a notice ("Message").
#pragma once

#include "host/host_api.h"

namespace vx {

inline constexpr char kTitleError[] = "Error";
inline constexpr char kTitleWarning[] = "Warning";
inline constexpr char kTitleMessage[] = "Message";

inline void ShowError(const char* text) { FormSt(text, -1, kTitleError, kBoxError); }
inline void ShowWarning(const char* text) { FormSt(text, -1, kTitleWarning, kBoxWarning); }
inline void ShowMessage(const char* text) { FormSt(text, -1, kTitleMessage, kBoxMessage); }

}  // namespace vx
