// The progress bar on a terminal: it moves only forwards, and its line is
// always ended; off a terminal it draws nothing.
#include "headless/session/progress_bar.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace vxh {
namespace {

// What a bar wrote to its stream while `steps` were played on it: "+label"
// starts a stage, "n/d" shows n done of d, "." finishes.
std::string Drawn(bool terminal, const std::string& steps) {
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* out = open_memstream(&buffer, &size);
  {
    ProgressBar bar(out, terminal);
    std::istringstream in(steps);
    for (std::string step; in >> step;) {
      int done = 0, total = 0;
      if (step[0] == '+')
        bar.Start(step.substr(1));
      else if (step == ".")
        bar.Finish();
      else if (std::sscanf(step.c_str(), "%d/%d", &done, &total) == 2)
        bar.Show(done, total);
      else
        ADD_FAILURE() << "bad step " << step;
    }
  }
  std::fclose(out);
  std::string text(buffer, size);
  std::free(buffer);
  return text;
}

// The percentages drawn, in order.
std::string Percents(const std::string& drawn) {
  std::string out;
  for (std::size_t at = drawn.find('%'); at != std::string::npos; at = drawn.find('%', at + 1))
    out += drawn.substr(at - 3, 3) + (drawn.compare(at + 1, 1, "\n") == 0 ? "|" : ",");
  return out;
}

TEST(ProgressBar, MovesOnlyForwardsAndEndsItsLine) {
  const struct {
    const char* what;
    const char* steps;
    const char* percents;  // "|" after the one its line ends with
  } cases[] = {
      {"to the end", "+Hatching 0/4 1/4 2/4 3/4 4/4", "  0, 25, 50, 75,100|"},
      {"a step back ends it", "+Hatching 1/2 0/1 1/1", " 50|"},
      {"the same value twice draws once", "+x 1/3 1/3", " 33|"},
      {"a new stage starts a new line", "+a 1/2 +b 1/4", " 50| 25|"},
      {"past the whole counts as the whole", "+x 9/4", "100|"},
      {"nothing to count", "+x 1/0", ""},
  };
  for (const auto& c : cases) {
    const std::string drawn = Drawn(true, c.steps);
    EXPECT_EQ(Percents(drawn), c.percents) << c.what << ": " << drawn;
    if (!drawn.empty()) {
      EXPECT_EQ(drawn.back(), '\n') << c.what;
    }
  }
}

TEST(ProgressBar, FinishEndsALineOnlyOnce) {
  EXPECT_EQ(Drawn(true, "+x 1/2 . ."), "\rx [####################                    ]  50%\n");
}

TEST(ProgressBar, DrawsNothingOffATerminal) { EXPECT_EQ(Drawn(false, "+x 1/2 2/2"), ""); }

}  // namespace
}  // namespace vxh
