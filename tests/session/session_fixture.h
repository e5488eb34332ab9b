// A session with its transcript, and readers for what the scripts drew.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "headless/drawing/document.h"
#include "headless/session/session.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh::testing {

class SessionTest : public ::testing::Test {
 protected:
  SessionTest() = default;
  explicit SessionTest(SessionOptions options) : session(transcript, std::move(options)) {}

  void Run(const std::string& script) { session.RunText(script, "test.vxs"); }

  // The error a script gives; empty when it runs through.
  template <typename Error>
  std::string ErrorOf(const std::string& script) {
    try {
      Run(script);
    } catch (const Error& e) {
      return e.what();
    }
    return "";
  }

  std::vector<vx::Entity> Entities() {
    std::vector<vx::Entity> out;
    session.Doc().Work().ForEach([&](vx::Entity e) { out.push_back(e); });
    return out;
  }

  std::vector<std::string> TranscriptLines() const {
    std::vector<std::string> lines;
    std::istringstream in(transcript.str());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  // How many lines of the transcript hold `part`.
  int LinesWith(const std::string& part) const {
    int n = 0;
    for (const std::string& line : TranscriptLines()) n += line.find(part) != std::string::npos;
    return n;
  }

  std::ostringstream transcript;
  Session session{transcript};
};

inline double X(vx::Entity e, std::size_t offset) { return vx::GetF64(e, offset); }
inline int KindOf(vx::Entity e) { return vx::GetI8(e, vx::kHdrKind); }
inline std::uint32_t SizeOf(vx::Entity e) { return vx::GetU32(e, vx::kHdrSize); }

}  // namespace vxh::testing
