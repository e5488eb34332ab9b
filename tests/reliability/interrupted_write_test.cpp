// A process killed (SIGKILL) at a random moment while it writes the registry
// or saves a drawing must leave the value, or the file, as it was before or
// as it was to become: never a mixture, never a short one, never a registry
// that no longer opens. Many runs, each killed after a random delay spread
// over the time a whole run takes.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "headless/registry/registry_store.h"
#include "tests/cli/cli_runner.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;

constexpr int kRuns = 60;
constexpr const char* kKey = "Software\\Quoravia\\Vorlix\\Interrupted";

Bytes ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Patterned bytes whose every position tells which value it came from, so a
// value mixed of the two, or cut short, never equals either.
Bytes Patterned(std::size_t size, std::uint8_t seed) {
  Bytes out(size);
  for (std::size_t i = 0; i < size; ++i) out[i] = static_cast<std::uint8_t>(seed + i * 7 + i / 251);
  return out;
}

pid_t Start(const std::vector<std::string>& arguments) {
  std::vector<char*> argv{const_cast<char*>(VORLIX_CLI)};
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, 1);
    ::dup2(null, 2);
    ::execv(VORLIX_CLI, argv.data());
    ::_exit(127);
  }
  return pid;
}

// 0 when the process ran to its end; the signal that stopped it otherwise.
int Wait(pid_t pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (WIFSIGNALED(status)) return WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the uninterrupted run failed";
  return 0;
}

// The longest of a few whole runs: the machine is shared, and kills that all
// come too early would never see a write finish.
Clock::duration TimeOfWholeRun(const std::vector<std::string>& arguments) {
  Clock::duration longest{};
  for (int i = 0; i < 3; ++i) {
    const auto start = Clock::now();
    Wait(Start(arguments));
    longest = std::max(longest, Clock::now() - start);
  }
  return longest;
}

// Runs a writer again and again, killing each run after a random share of
// the time a whole run took. The share's reach adapts while one outcome has
// not been seen yet: on a loaded machine kills that all land before the
// write, or all after it, would prove nothing.
class KillCampaign {
 public:
  explicit KillCampaign(const std::vector<std::string>& calibration) : whole_(TimeOfWholeRun(calibration)) {}

  void RunAndKill(const std::vector<std::string>& arguments) {
    const pid_t pid = Start(arguments);
    std::uniform_real_distribution<double> share(0.0, reach_);
    std::this_thread::sleep_for(std::chrono::duration_cast<Clock::duration>(whole_ * share(random_)));
    ::kill(pid, SIGKILL);
    killed_ += Wait(pid) == SIGKILL;
  }

  void Saw(bool old_kept) {
    (old_kept ? old_kept_ : new_whole_)++;
    if (new_whole_ == 0) reach_ *= 1.1;
    if (old_kept_ == 0) reach_ /= 1.1;
  }

  bool Done(int run) const { return run >= kMaxRuns || (run >= kRuns && old_kept_ > 0 && new_whole_ > 0); }

  void ExpectBothOutcomes() const {
    EXPECT_GT(old_kept_, 0) << "no kill landed before the write finished";
    EXPECT_GT(new_whole_, 0) << "no write finished";
    EXPECT_GT(killed_, 0);
    ::testing::Test::RecordProperty("old_kept", old_kept_);
    ::testing::Test::RecordProperty("new_whole", new_whole_);
  }

 private:
  static constexpr int kMaxRuns = 4 * kRuns;
  Clock::duration whole_;
  std::mt19937 random_{23};
  double reach_ = 1.5;
  int old_kept_ = 0, new_whole_ = 0, killed_ = 0;
};

TEST(InterruptedWrite, RegistryValueIsOldOrNewNeverTorn) {
  const fs::path dir = vxtest::ScratchDir("interrupted-registry-" + std::to_string(::getpid()));
  const std::string registry = (dir / "registry.sqlite3").string();
  const Bytes a = Patterned(3'000'000, 1), b = Patterned(2'000'000, 2), bystander = Patterned(4000, 3);
  WriteBytes(dir / "a.bin", a);
  WriteBytes(dir / "b.bin", b);
  vxh::registry::Store(registry).Set(kKey, "bystander", 3, bystander);
  vxh::registry::Store(registry).Set(kKey, "value", 3, a);

  auto set = [&](const char* file) {
    return std::vector<std::string>{"registry",   "set",   kKey, "value", "--file", (dir / file).string(),
                                    "--registry", registry};
  };
  // Each run writes the value the registry does not hold: a.bin over b, b.bin over a.
  KillCampaign campaign(set("a.bin"));
  Bytes current = a;
  for (int run = 0; !campaign.Done(run); ++run) {
    const bool to_b = current == a;
    campaign.RunAndKill(set(to_b ? "b.bin" : "a.bin"));
    const vxh::registry::Store store(registry);
    const auto value = store.Get(kKey, "value");
    ASSERT_TRUE(value.has_value()) << "run " << run << ": the value is gone";
    const Bytes& wanted = to_b ? b : a;
    ASSERT_TRUE(value->data == current || value->data == wanted)
        << "run " << run << ": a torn value of " << value->data.size() << " bytes";
    campaign.Saw(value->data == current);
    current = value->data;
    const auto other = store.Get(kKey, "bystander");
    ASSERT_TRUE(other.has_value() && other->data == bystander) << "run " << run << ": another value was damaged";
  }
  campaign.ExpectBothOutcomes();
  fs::remove_all(dir);
}

TEST(InterruptedWrite, SavedDrawingIsOldOrNewNeverTorn) {
  const fs::path dir = vxtest::ScratchDir("interrupted-drawing-" + std::to_string(::getpid()));
  // The new drawing: thousands of lines, so that writing it takes a while.
  std::string lines;
  std::mt19937 shapes(5);
  std::uniform_int_distribution<int> coordinate(0, 999);
  for (int i = 0; i < 20000; ++i) {
    lines += "LINE; " + std::to_string(coordinate(shapes)) + "," + std::to_string(coordinate(shapes)) + "; " +
             std::to_string(coordinate(shapes)) + "," + std::to_string(coordinate(shapes)) + ";;\n";
  }
  vxtest::WriteFile((dir / "big.vxs").string(), lines);
  vxtest::WriteFile((dir / "small.vxs").string(), "CIRP; 0,0; 5,0\n");
  ASSERT_EQ(vxtest::RunCli("run " + (dir / "big.vxs").string() + " --out " + (dir / "new.kvd").string()).status, 0);
  ASSERT_EQ(vxtest::RunCli("run " + (dir / "small.vxs").string() + " --out " + (dir / "old.kvd").string()).status, 0);
  const Bytes old_bytes = ReadBytes(dir / "old.kvd"), new_bytes = ReadBytes(dir / "new.kvd");
  ASSERT_NE(old_bytes, new_bytes);

  const fs::path target = dir / "drawing.kvd";
  const std::vector<std::string> save{"convert", (dir / "new.kvd").string(), target.string()};
  WriteBytes(target, old_bytes);
  KillCampaign campaign(save);
  for (int run = 0; !campaign.Done(run); ++run) {
    WriteBytes(target, old_bytes);
    campaign.RunAndKill(save);
    const Bytes now = ReadBytes(target);
    ASSERT_TRUE(now == old_bytes || now == new_bytes) << "run " << run << ": a torn file of " << now.size() << " bytes";
    campaign.Saw(now == old_bytes);
  }
  campaign.ExpectBothOutcomes();
  fs::remove_all(dir);
}

}  // namespace
