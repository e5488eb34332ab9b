#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "headless/host_error.h"
#include "headless/registry/registry_store.h"
#include "host/host_api.h"
#include "host/win_api.h"
#include "tests/cli/cli_runner.h"
#include "tests/hatch/hatch_fixture.h"

namespace vxh::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

class RegistryStore : public ::testing::Test {
 protected:
  std::filesystem::path dir = ScratchFolder("registry-store");
  registry::Store store{(dir / "r.sqlite3").string()};
  ~RegistryStore() override { std::filesystem::remove_all(dir); }
};

TEST_F(RegistryStore, KeysAndNamesIgnoreCaseAndTrailingBackslashes) {
  EXPECT_FALSE(store.Get("Software\\Q\\V", "Options"));
  EXPECT_FALSE(std::filesystem::exists(dir / "r.sqlite3")) << "reading a missing file creates nothing";
  store.Set("Software\\Q\\V\\", "Options", 3, {1, 2, 3});
  const auto value = store.Get("software\\q\\\\v", "OPTIONS");
  ASSERT_TRUE(value);
  EXPECT_EQ(value->data, (Bytes{1, 2, 3}));
  EXPECT_TRUE(store.KeyExists("Software\\Q")) << "parents are made with the key";
  EXPECT_FALSE(store.KeyExists("Software\\Q\\W"));
}

TEST_F(RegistryStore, ReplacingKeepsTheEnumerationOrderAndEmptyDataIsKept) {
  store.Set("K", "b", 3, {1});
  store.Set("K", "a", 3, {});
  store.Set("K", "b", 3, {2, 2});
  EXPECT_EQ(store.NameAt("K", 0), "b");
  EXPECT_EQ(store.NameAt("K", 1), "a");
  EXPECT_FALSE(store.NameAt("K", 2));
  ASSERT_TRUE(store.Get("K", "a"));
  EXPECT_TRUE(store.Get("K", "a")->data.empty());
  EXPECT_TRUE(store.Delete("K", "b"));
  EXPECT_FALSE(store.Delete("K", "b"));
  EXPECT_EQ(store.NameAt("K", 0), "a");
}

TEST_F(RegistryStore, AFileThatIsNotARegistryIsAClearError) {
  std::ofstream(dir / "r.sqlite3") << "this is not a database, just some text that is long enough";
  try {
    store.Get("K", "a");
    FAIL() << "no error";
  } catch (const BadInput& e) {
    EXPECT_NE(std::string(e.what()).find("r.sqlite3"), std::string::npos) << e.what();
  }
}

class RegistryServices : public HatchSession {};

TEST_F(RegistryServices, GetFillsOnlyAWholeRecordOfTheStoredSize) {
  Registry().Set("K", "v", 3, {9, 9, 9, 9});
  std::uint8_t record[4] = {1, 2, 3, 4};
  vx::RegRequest request{vx::kCurrentUser, "K", "v", record, 4, 3, 4, 0};
  EXPECT_EQ(vx::RMGetValue(&request), 1);
  EXPECT_EQ(record[3], 9);
  std::uint8_t other[8] = {};
  vx::RegRequest wrong{vx::kCurrentUser, "K", "v", other, 8, 3, 8, 0};
  EXPECT_EQ(vx::RMGetValue(&wrong), 0);
  EXPECT_EQ(other[0], 0) << "a value of another size is missing";
  std::uint8_t data[2] = {5, 6};
  vx::RegRequest write{vx::kCurrentUser, "K", "w", data, 2, 3, 2, 0};
  EXPECT_EQ(vx::RMSetValue(&write), 1);
  EXPECT_EQ(Registry().Get("K", "w")->data, (Bytes{5, 6}));
}

TEST_F(RegistryServices, OpenEnumerateDeleteAndClose) {
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Missing\\", 0, KEY_ALL_ACCESS, &key), ERROR_FILE_NOT_FOUND);
  Registry().Set("Software\\K", "first", 3, {});
  Registry().Set("Software\\K", std::string(300, 'x'), 3, {});
  Registry().Set("Software\\K", "third", 3, {7});
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\K\\", 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
  // The answer to enumerating value `index`, and the name it gave.
  const auto name_at = [key](DWORD index) {
    char name[255];
    DWORD size = sizeof name;
    const LSTATUS status = RegEnumValueA(key, index, name, &size, nullptr, nullptr, nullptr, nullptr);
    return std::make_pair(status, status == ERROR_SUCCESS ? std::string(name, size) : std::string());
  };
  EXPECT_EQ(name_at(0), std::make_pair(LSTATUS{ERROR_SUCCESS}, std::string("first")));
  EXPECT_EQ(name_at(1).first, ERROR_MORE_DATA);
  EXPECT_EQ(name_at(2), std::make_pair(LSTATUS{ERROR_SUCCESS}, std::string("third")));
  EXPECT_EQ(name_at(3).first, ERROR_NO_MORE_ITEMS);
  EXPECT_EQ(RegDeleteValueA(key, "first"), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteValueA(key, "first"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
  EXPECT_NE(RegCloseKey(key), ERROR_SUCCESS) << "a closed key is no longer a key";
}

TEST(RegistryCli, SetGetListDelete) {
  const std::string dir = vxtest::ScratchDir("registry-cli");
  const std::string reg = " --registry " + dir + "/r.sqlite3";
  vxtest::WriteFile(dir + "/in.bin", std::string("\x01\x02\xff", 3));
  EXPECT_EQ(vxtest::RunCli("registry set Software\\\\K Data --file " + dir + "/in.bin" + reg).status, 0);
  EXPECT_EQ(vxtest::RunCli("registry set \"Software\\\\K\\\\PAT Files\" /x/a.pat --empty" + reg).status, 0);
  const vxtest::CliResult got = vxtest::RunCli("registry get Software\\\\K Data" + reg);
  EXPECT_EQ(got.status, 0);
  EXPECT_EQ(got.out, "01 02 ff\n");
  EXPECT_EQ(vxtest::RunCli("registry get Software\\\\K Data --out " + dir + "/out.bin" + reg).status, 0);
  std::ifstream out(dir + "/out.bin", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(out), {}), std::string("\x01\x02\xff", 3));
  const vxtest::CliResult list = vxtest::RunCli("registry list" + reg);
  EXPECT_NE(list.out.find("[Software\\K\\PAT Files]\n  \"/x/a.pat\" binary 3, 0 bytes\n"), std::string::npos)
      << list.out;
  EXPECT_EQ(vxtest::RunCli("registry delete Software\\\\K Data" + reg).status, 0);
  EXPECT_EQ(vxtest::RunCli("registry get Software\\\\K Data" + reg).status, 1);
  EXPECT_EQ(vxtest::RunCli("registry set Software\\\\K Data" + reg).status, 2) << "neither --file nor --empty";
}

TEST(RegistryCli, ARelativePatFileIsStoredAsAnAbsolutePath) {
  const std::string dir = vxtest::ScratchDir("registry-relative");
  const std::string reg = " --registry r.sqlite3";
  const std::string pat_key = "\"Software\\\\K\\\\PAT Files\\\\\"";
  EXPECT_EQ(vxtest::RunCliIn(dir, "registry set " + pat_key + " pats/../a.pat --empty" + reg).status, 0);
  EXPECT_EQ(vxtest::RunCliIn(dir, "registry set \"Software\\\\K\\\\Other\" b.pat --empty" + reg).status, 0);
  const vxtest::CliResult list = vxtest::RunCliIn(dir, "registry list" + reg);
  EXPECT_NE(list.out.find("\"" + dir + "/a.pat\" binary 3, 0 bytes"), std::string::npos) << list.out;
  EXPECT_NE(list.out.find("\"b.pat\" binary"), std::string::npos) << "only PAT file names are paths\n" << list.out;
  EXPECT_EQ(vxtest::RunCliIn(dir, "registry delete " + pat_key + " a.pat" + reg).status, 0)
      << "the relative name finds what it stored";
}

}  // namespace
}  // namespace vxh::testing
