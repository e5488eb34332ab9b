// The progress bar on a terminal: it moves only forwards, and its line is
// always ended; off a terminal it draws nothing.
#include "headless/session/progress_bar.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace vxh {
namespace {

// What the bar wrote to its stream while `use` ran.
std::string Drawn(bool terminal, const std::function<void(ProgressBar&)>& use) {
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* out = open_memstream(&buffer, &size);
  {
    ProgressBar bar(out, terminal);
    use(bar);
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
  struct Case {
    const char* what;
    std::function<void(ProgressBar&)> use;
    const char* percents;  // "|" after the one its line ends with
  };
  const Case cases[] = {
      {"to the end",
       [](ProgressBar& b) {
         b.Start("Hatching");
         for (int i = 0; i <= 4; ++i) b.Show(i, 4);
       },
       "  0, 25, 50, 75,100|"},
      {"a step back ends it",
       [](ProgressBar& b) {
         b.Start("Hatching");
         b.Show(1, 2);
         b.Show(0, 1);
         b.Show(1, 1);
       },
       " 50|"},
      {"the same value twice draws once",
       [](ProgressBar& b) {
         b.Start("x");
         b.Show(1, 3);
         b.Show(1, 3);
       },
       " 33|"},
      {"a new stage starts a new line",
       [](ProgressBar& b) {
         b.Start("a");
         b.Show(1, 2);
         b.Start("b");
         b.Show(1, 4);
       },
       " 50| 25|"},
      {"past the whole counts as the whole",
       [](ProgressBar& b) {
         b.Start("x");
         b.Show(9, 4);
       },
       "100|"},
      {"nothing to count",
       [](ProgressBar& b) {
         b.Start("x");
         b.Show(1, 0);
       },
       ""},
  };
  for (const Case& c : cases) {
    const std::string drawn = Drawn(true, c.use);
    EXPECT_EQ(Percents(drawn), c.percents) << c.what << ": " << drawn;
    if (!drawn.empty()) {
      EXPECT_EQ(drawn.back(), '\n') << c.what;
    }
  }
}

TEST(ProgressBar, FinishEndsALineOnlyOnce) {
  const std::string drawn = Drawn(true, [](ProgressBar& b) {
    b.Start("x");
    b.Show(1, 2);
    b.Finish();
    b.Finish();
  });
  EXPECT_EQ(drawn, "\rx [####################                    ]  50%\n");
}

TEST(ProgressBar, DrawsNothingOffATerminal) {
  EXPECT_EQ(Drawn(false,
                  [](ProgressBar& b) {
                    b.Start("x");
                    b.Show(1, 2);
                    b.Show(2, 2);
                  }),
            "");
}

}  // namespace
}  // namespace vxh
