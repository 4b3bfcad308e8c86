// Opening an address: what reaches CreateProcessW, and which explorer.exe actually runs.
#include "ui/win32/launch.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/ui/win32/test_support.h"
#include "ui/win32/module_path.h"

namespace wyc::ui::win32 {
namespace {

using testing::ReadFileBytes;
using testing::TemporaryDirectory;
using testing::TestProgramDirectory;

TEST(LaunchTest, RunsTheWindowsDirectorysExplorerMinimizedWithTheAddress) {
  for (const std::wstring address : {L"http://shuoyu.example", L"http://weibo.example/shuoyu"}) {
    std::vector<ProcessLaunch> started;
    const bool opened = OpenAddress(address, [&](const ProcessLaunch& launch) {
      started.push_back(launch);
      return true;
    });
    EXPECT_TRUE(opened);
    ASSERT_EQ(started.size(), 1U);
    EXPECT_EQ(started[0].applicationName, WindowsDirectory() + L"\\explorer.exe");
    EXPECT_EQ(started[0].commandLine, L"explorer.exe " + address);
    EXPECT_EQ(started[0].showWindow, 2) << "SW_SHOWMINIMIZED";
  }
}

TEST(LaunchTest, ReportsAProgramThatCouldNotBeStarted) {
  EXPECT_FALSE(OpenAddress(L"http://shuoyu.example", [](const ProcessLaunch&) { return false; }));
  ProcessLaunch missing = BrowserLaunch(L"C:\\no such folder", L"http://shuoyu.example");
  EXPECT_FALSE(StartProcess(missing));
}

// Reads the probe's record: its own path, its command line and its show state.
std::vector<std::wstring> ReadRecord(const std::wstring& path) {
  std::vector<std::wstring> lines;
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return lines;
  std::wstring text(bytes->size() / sizeof(wchar_t), L'\0');
  std::memcpy(text.data(), bytes->data(), text.size() * sizeof(wchar_t));
  for (std::size_t start = 0, end = 0; (end = text.find(L'\n', start)) != std::wstring::npos;
       start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

bool CopyProbe(const std::wstring& target) {
  const std::wstring probe = TestProgramDirectory() + L"\\launch_probe.exe";
  return CopyFileW(probe.c_str(), target.c_str(), FALSE) != 0;
}

TEST(LaunchTest, APlantedExplorerInTheCurrentOrApplicationDirectoryIsNotRun) {
  // Stand-ins for the Windows directory's explorer.exe and for two planted ones; each records
  // its own path when it runs.
  const TemporaryDirectory windows(L"wyc-windows");
  const TemporaryDirectory current(L"wyc-current");
  const std::wstring record = windows.file(L"record.txt");
  ASSERT_TRUE(CopyProbe(windows.file(L"explorer.exe")));
  ASSERT_TRUE(CopyProbe(current.file(L"explorer.exe")));
  const std::wstring planted = TestProgramDirectory() + L"\\explorer.exe";
  ASSERT_TRUE(CopyProbe(planted));
  std::wstring previous(MAX_PATH, L'\0');
  previous.resize(GetCurrentDirectoryW(MAX_PATH, previous.data()));
  SetCurrentDirectoryW(current.path().c_str());
  SetEnvironmentVariableW(L"WYC_LAUNCH_RECORD", record.c_str());

  const bool started = StartProcess(BrowserLaunch(windows.path(), L"http://shuoyu.example"));

  std::vector<std::wstring> lines;
  for (int wait = 0; wait < 1000 && (lines = ReadRecord(record)).size() < 3; ++wait) Sleep(10);
  SetCurrentDirectoryW(previous.c_str());
  SetEnvironmentVariableW(L"WYC_LAUNCH_RECORD", nullptr);
  DeleteFileW(planted.c_str());
  ASSERT_TRUE(started);
  ASSERT_EQ(lines.size(), 3U);
  EXPECT_EQ(lstrcmpiW(lines[0].c_str(), windows.file(L"explorer.exe").c_str()), 0) << lines[0];
  EXPECT_EQ(lines[1], L"explorer.exe http://shuoyu.example");
  EXPECT_EQ(lines[2], L"2");
}

}  // namespace
}  // namespace wyc::ui::win32
