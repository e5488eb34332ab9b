// TEXT.
#include "headless/session/host_command_support.h"
#include "headless/session/host_commands_list.h"
#include "host/host_api.h"

namespace vxh::hostcmd {

namespace {

struct TextState {
  Pt origin;
  char text[kTextBufferBytes] = {};
  DrawingStep step;
};
TextState g_text;

void TextString(int status) {
  if (status == vx::kStatusAnswered && g_text.text[0] != '\0') {
    g_text.step.Add(TextRecord(g_text.origin, g_text.text));
  }
  vx::CmdEnd();
}

void TextPosition(int status) {
  if (status != vx::kStatusAnswered) return vx::CmdEnd();
  AskText(g_text.text, "Text:", TextString);
}

}  // namespace

void TextCommand() {
  g_text = TextState{};
  AskPoint(g_text.origin, "Text position:", vx::kModePlain, TextPosition);
}

}  // namespace vxh::hostcmd
