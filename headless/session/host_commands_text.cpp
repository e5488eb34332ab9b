// TEXT.
#include "headless/session/host_command_memory.h"
#include "headless/session/host_command_support.h"
#include "headless/session/host_commands_list.h"
#include "host/host_api.h"

namespace vxh::hostcmd {

namespace {

TextRun& Text() { return Memory("TEXT").text; }

void TextString(int status) {
  if (status == vx::kStatusAnswered && Text().text[0] != '\0') {
    Text().step.Add(TextRecord(Text().origin, Text().text));
  }
  vx::CmdEnd();
}

void TextPosition(int status) {
  if (status != vx::kStatusAnswered) return vx::CmdEnd();
  AskText(Text().text, "Text:", TextString);
}

}  // namespace

void TextCommand() {
  Text() = TextRun{};
  AskPoint(Text().origin, "Text position:", vx::kModePlain, TextPosition);
}

}  // namespace vxh::hostcmd
