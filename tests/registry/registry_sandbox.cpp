// No test may reach the user's own registry: before any test runs, the
// registry of every session that names none is a scratch file.
#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

class RegistrySandbox : public ::testing::Environment {
 public:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("vorlix-registry-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
    setenv("VORLIX_REGISTRY", (dir_ / "registry.sqlite3").c_str(), 1);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

 private:
  std::filesystem::path dir_;
};

const auto* const kSandbox = ::testing::AddGlobalTestEnvironment(new RegistrySandbox);

}  // namespace
