// The skin engine: loaded from the application directory only, called once with Form1's two
// ANSI strings, and silently absent when the library or its function is missing.
#include "ui/win32/skin.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/random_source.h"
#include "tests/ui/win32/recording_ports.h"
#include "tests/ui/win32/test_support.h"
#include "ui/form1.h"
#include "ui/win32/system_port.h"
#include "ui/win32/text_conversion.h"

namespace wyc::ui::win32 {
namespace {

using testing::ReadFileBytes;
using testing::TemporaryDirectory;
using testing::TestProgramDirectory;

std::wstring SkinVariant(const wchar_t* variant) {
  return TestProgramDirectory() + L"\\skins\\" + variant;
}

// Points the stand-in's record at a fresh file for the test's lifetime.
class SkinTest : public ::testing::Test {
 protected:
  void SetUp() override { SetEnvironmentVariableW(L"WYC_SKIN_RECORD", record_.c_str()); }
  void TearDown() override { SetEnvironmentVariableW(L"WYC_SKIN_RECORD", nullptr); }
  [[nodiscard]] std::string recorded() const { return ReadFileBytes(record_).value_or(""); }

  TemporaryDirectory scratch_{L"wyc-skin"};
  std::wstring record_ = scratch_.file(L"record.txt");
};

TEST_F(SkinTest, CallsTheEngineInTheDirectoryWhenItIsThereAndNothingOtherwise) {
  struct Row {
    const wchar_t* variant;
    bool attached;
  };
  for (const Row row :
       {Row{L"standin", true}, Row{L"without_export", false}, Row{L"absent", false}}) {
    DeleteFileW(record_.c_str());
    SkinEngine engine(SkinVariant(row.variant));
    EXPECT_EQ(engine.attach("D:\\tools/aero.she", ""), row.attached) << "row " << row.variant;
    EXPECT_EQ(recorded(), row.attached ? "D:\\tools/aero.she|\n" : "") << "row " << row.variant;
  }
}

TEST_F(SkinTest, NeverLooksInTheCurrentDirectoryOrOnThePath) {
  // The stand-in sits in the current directory and on PATH; the application directory has none.
  const std::wstring standin = SkinVariant(L"standin");
  std::wstring previousDirectory(MAX_PATH, L'\0');
  previousDirectory.resize(GetCurrentDirectoryW(MAX_PATH, previousDirectory.data()));
  std::wstring previousPath(32767, L'\0');
  previousPath.resize(GetEnvironmentVariableW(L"PATH", previousPath.data(), 32767));
  SetCurrentDirectoryW(standin.c_str());
  SetEnvironmentVariableW(L"PATH", (standin + L";" + previousPath).c_str());
  for (const std::wstring& directory : {std::wstring(), scratch_.path()}) {
    SkinEngine engine(directory);
    EXPECT_FALSE(engine.attach("a", "")) << "directory " << ::testing::PrintToString(directory);
  }
  SetEnvironmentVariableW(L"PATH", previousPath.c_str());
  SetCurrentDirectoryW(previousDirectory.c_str());
  EXPECT_EQ(recorded(), "");
}

TEST_F(SkinTest, FormLoadHandsTheEngineTheSkinFileOnceInTheAnsiCodePage) {
  const std::wstring directory = SkinVariant(L"standin");
  Win32SystemPort system(nullptr, directory);
  MersenneTwisterSource random;
  testing::RecordingWindowPort window;
  Form1 form(window, system, random);
  form.Form_Load();
  // The build folder is plain ASCII, the same in every ANSI code page.
  ASSERT_TRUE(std::all_of(directory.begin(), directory.end(), [](wchar_t c) { return c < 0x80; }));
  EXPECT_EQ(recorded(), std::string(directory.begin(), directory.end()) + "/aero.she|\n");
}

TEST_F(SkinTest, AFolderOutsideTheAnsiCodePageIsHandedOverInItsShortForm) {
  // Thai is in no Western or Chinese ANSI code page.
  const std::wstring directory = scratch_.file(L"\u0E01\u0E02 skin folder");
  ASSERT_TRUE(CreateDirectoryW(directory.c_str(), nullptr));
  if (ToAnsi(directory).exact) GTEST_SKIP() << "this code page holds the folder name";
  const std::wstring library = directory + L"\\SkinH_VB6.dll";
  ASSERT_TRUE(
      CopyFileW((SkinVariant(L"standin") + L"\\SkinH_VB6.dll").c_str(), library.c_str(), FALSE));
  Win32SystemPort system(nullptr, directory);
  MersenneTwisterSource random;
  testing::RecordingWindowPort window;
  Form1 form(window, system, random);
  form.Form_Load();

  const std::string line = recorded();
  const std::string suffix = "/aero.she|\n";
  ASSERT_GT(line.size(), suffix.size()) << "the engine was not called";
  ASSERT_EQ(line.substr(line.size() - suffix.size()), suffix);
  const std::string shortForm = line.substr(0, line.size() - suffix.size());
  // The short form names the same folder and survives the trip through the code page.
  const std::wstring wideShort(shortForm.begin(), shortForm.end());
  std::wstring longForm(32768, L'\0');
  longForm.resize(GetLongPathNameW(wideShort.c_str(), longForm.data(), 32768));
  EXPECT_EQ(lstrcmpiW(longForm.c_str(), directory.c_str()), 0) << shortForm;
  for (const char byte : shortForm) EXPECT_LT(static_cast<unsigned char>(byte), 0x80) << shortForm;
}

}  // namespace
}  // namespace wyc::ui::win32
