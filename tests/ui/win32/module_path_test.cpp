// The application directory: the folder without its trailing separator, except a drive root.
#include "ui/win32/module_path.h"

#include <gtest/gtest.h>

#include "tests/ui/win32/test_support.h"

namespace wyc::ui::win32 {
namespace {

TEST(ModulePathTest, DirectoryOfDropsTheFileNameAndKeepsOnlyARootSeparator) {
  struct Row {
    const wchar_t* file;
    const wchar_t* directory;
  };
  for (const Row& row : {Row{L"D:\\tools\\a.exe", L"D:\\tools"}, Row{L"D:\\a.exe", L"D:\\"},
                         Row{L"D:\\tools\\sub\\a b.exe", L"D:\\tools\\sub"},
                         Row{L"\\\\server\\share\\a.exe", L"\\\\server\\share"},
                         Row{L"\\\\?\\D:\\a.exe", L"\\\\?\\D:\\"}, Row{L"a.exe", L""}}) {
    EXPECT_EQ(DirectoryOf(row.file), row.directory)
        << "row " << ::testing::PrintToString(std::wstring(row.file));
  }
}

TEST(ModulePathTest, ApplicationDirectoryHoldsTheRunningProgram) {
  const std::wstring directory = ApplicationDirectory();
  ASSERT_FALSE(directory.empty());
  EXPECT_NE(directory.back(), L'\\');
  const std::wstring self = directory + L"\\ui_win32_test.exe";
  EXPECT_NE(GetFileAttributesW(self.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(ModulePathTest, WindowsDirectoryHoldsExplorer) {
  const std::wstring explorer = WindowsDirectory() + L"\\explorer.exe";
  EXPECT_NE(GetFileAttributesW(explorer.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace wyc::ui::win32
