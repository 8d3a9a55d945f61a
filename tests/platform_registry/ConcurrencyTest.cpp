#include "platform/registry/Registry.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

using platform::Hive;
using platform::KeyAccess;
using platform::RegistryStore;
using platform::RegKey;
using platform::RegResult;
using platform::ValueType;
using test_support::TempFolder;

namespace {

constexpr int kWriters = 2;
constexpr int kValuesEach = 1000;

// One writer process: waits for the start signal, then writes its values one call at a time,
// each through a freshly created key, exactly as the programs do.
[[noreturn]] void Writer(const std::string& path, int writer, int startPipe) {
  char go;
  if (read(startPipe, &go, 1) < 0) _exit(3);
  RegistryStore store(path);
  if (!store.IsUsable()) _exit(4);
  for (int i = 0; i < kValuesEach; ++i) {
    RegKey key;
    if (store.CreateKey(Hive::LocalMachine, "Software\\Load", key) != RegResult::Ok) _exit(5);
    const std::string name = "w" + std::to_string(writer) + "-" + std::to_string(i);
    if (key.SetValue(name, name) != RegResult::Ok) _exit(6);
  }
  _exit(0);
}

TEST(ConcurrencyTest, TwoProcessesWritingAtOnceLoseNothing) {
  TempFolder folder;
  const std::string path = folder.File("new/registry.db");  // the writers create it
  int start[2];
  ASSERT_EQ(pipe(start), 0);
  pid_t writers[kWriters];
  for (int w = 0; w < kWriters; ++w) {
    writers[w] = fork();
    ASSERT_GE(writers[w], 0);
    if (writers[w] == 0) {
      close(start[1]);
      Writer(path, w, start[0]);
    }
  }
  close(start[0]);
  // Closing the pipe releases every writer at the same moment.
  close(start[1]);
  for (pid_t pid : writers) {
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "writer status " << status;
  }

  RegistryStore store(path);
  RegKey key;
  ASSERT_EQ(store.OpenKey(Hive::LocalMachine, "Software\\Load", KeyAccess::Read, key),
            RegResult::Ok);
  std::set<std::string> names;
  std::string name, data;
  ValueType type{};
  for (int i = 0; key.EnumValue(i, name, data, type) == RegResult::Ok; ++i) {
    EXPECT_EQ(name, data);
    names.insert(name);
  }
  EXPECT_EQ(names.size(), static_cast<std::size_t>(kWriters * kValuesEach));
}

} // namespace
