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
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
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

Clock::duration TimeOfWholeRun(const std::vector<std::string>& arguments) {
  const auto start = Clock::now();
  Wait(Start(arguments));
  return Clock::now() - start;
}

// Starts the run and kills it after a random share (0 to 120 %) of the time
// a whole run took; true when the kill came before the run ended.
bool RunAndKill(const std::vector<std::string>& arguments, Clock::duration whole, std::mt19937& random) {
  const pid_t pid = Start(arguments);
  std::uniform_real_distribution<double> share(0.0, 1.2);
  std::this_thread::sleep_for(std::chrono::duration_cast<Clock::duration>(whole * share(random)));
  ::kill(pid, SIGKILL);
  return Wait(pid) == SIGKILL;
}

struct Outcomes {
  int old_kept = 0;
  int new_whole = 0;
  int killed = 0;
};

TEST(InterruptedWrite, RegistryValueIsOldOrNewNeverTorn) {
  const fs::path dir = vxtest::ScratchDir("interrupted-registry");
  const std::string registry = (dir / "registry.sqlite3").string();
  const Bytes a = Patterned(3'000'000, 1), b = Patterned(2'000'000, 2), bystander = Patterned(4000, 3);
  WriteBytes(dir / "a.bin", a);
  WriteBytes(dir / "b.bin", b);
  vxh::registry::Store(registry).Set(kKey, "bystander", 3, bystander);
  vxh::registry::Store(registry).Set(kKey, "value", 3, a);

  auto set = [&](const char* file) {
    return std::vector<std::string>{"registry", "set", kKey, "value", "--file", (dir / file).string(),
                                    "--registry", registry};
  };
  const Clock::duration whole = TimeOfWholeRun(set("a.bin"));
  std::mt19937 random(23);
  Outcomes seen;
  Bytes current = a;
  for (int run = 0; run < kRuns; ++run) {
    const bool to_b = current == a;
    seen.killed += RunAndKill(set(to_b ? "b.bin" : "a.bin"), whole, random);
    const vxh::registry::Store store(registry);
    const auto value = store.Get(kKey, "value");
    ASSERT_TRUE(value.has_value()) << "run " << run << ": the value is gone";
    const Bytes& wanted = to_b ? b : a;
    ASSERT_TRUE(value->data == current || value->data == wanted)
        << "run " << run << ": a torn value of " << value->data.size() << " bytes";
    (value->data == current ? seen.old_kept : seen.new_whole)++;
    current = value->data;
    const auto other = store.Get(kKey, "bystander");
    ASSERT_TRUE(other.has_value() && other->data == bystander) << "run " << run << ": another value was damaged";
  }
  // Kills that all landed before or after the write would prove nothing.
  EXPECT_GT(seen.old_kept, 0);
  EXPECT_GT(seen.new_whole, 0);
  EXPECT_GT(seen.killed, kRuns / 2);
  ::testing::Test::RecordProperty("old_kept", seen.old_kept);
  ::testing::Test::RecordProperty("new_whole", seen.new_whole);
  fs::remove_all(dir);
}

TEST(InterruptedWrite, SavedDrawingIsOldOrNewNeverTorn) {
  const fs::path dir = vxtest::ScratchDir("interrupted-drawing");
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
  ASSERT_EQ(vxtest::RunCli("run " + (dir / "small.vxs").string() + " --out " + (dir / "old.kvd").string()).status,
            0);
  const Bytes old_bytes = ReadBytes(dir / "old.kvd"), new_bytes = ReadBytes(dir / "new.kvd");
  ASSERT_NE(old_bytes, new_bytes);

  const fs::path target = dir / "drawing.kvd";
  const std::vector<std::string> save{"convert", (dir / "new.kvd").string(), target.string()};
  WriteBytes(target, old_bytes);
  const Clock::duration whole = TimeOfWholeRun(save);
  std::mt19937 random(23);
  Outcomes seen;
  for (int run = 0; run < kRuns; ++run) {
    WriteBytes(target, old_bytes);
    seen.killed += RunAndKill(save, whole, random);
    const Bytes now = ReadBytes(target);
    ASSERT_TRUE(now == old_bytes || now == new_bytes) << "run " << run << ": a torn file of " << now.size() << " bytes";
    (now == old_bytes ? seen.old_kept : seen.new_whole)++;
  }
  EXPECT_GT(seen.old_kept, 0);
  EXPECT_GT(seen.new_whole, 0);
  EXPECT_GT(seen.killed, kRuns / 2);
  ::testing::Test::RecordProperty("old_kept", seen.old_kept);
  ::testing::Test::RecordProperty("new_whole", seen.new_whole);
  fs::remove_all(dir);
}

}  // namespace
