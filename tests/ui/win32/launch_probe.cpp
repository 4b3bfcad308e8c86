// Stands in for explorer.exe: writes the command line and the show state it was given to a file
// named after itself, "<its path>.txt", so which copy ran shows too.
#include <windows.h>

#include <fstream>
#include <string>

int main() {
  STARTUPINFOA startup{};
  GetStartupInfoA(&startup);
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::ofstream(std::string(self) + ".txt") << GetCommandLineA() << '\n'
                                            << startup.wShowWindow << '\n';
}
