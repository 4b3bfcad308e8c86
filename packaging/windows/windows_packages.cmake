# The Windows packages, from the 32-bit build only, so that a user's 32-bit skin library can load
# beside the program: weiyuanchuang-<version>-win32.zip and, made with NSIS, the Chinese installer
# weiyuanchuang-<version>-setup.exe. Both hold the same four files.
if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4 OR NOT TARGET weiyuanchuang_win32)
  return()
endif()

set(WYC_PACKAGE_STEM ${PROJECT_NAME}-${PROJECT_VERSION})
set(stage ${CMAKE_CURRENT_BINARY_DIR}/${WYC_PACKAGE_STEM}-win32)
# Notepad on older Windows shows LF-only text as one line; the BOM tells it the file is UTF-8.
configure_file(windows/readme-zh.txt.in ${stage}/说明.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${stage}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
set(zip ${CMAKE_CURRENT_BINARY_DIR}/${WYC_PACKAGE_STEM}-win32.zip)
set(setup ${CMAKE_CURRENT_BINARY_DIR}/${WYC_PACKAGE_STEM}-setup.exe)
# A copy of the uninstaller that the installer writes, for tests/packaging/windows.sh to read.
set(uninstaller ${CMAKE_CURRENT_BINARY_DIR}/${WYC_PACKAGE_STEM}-uninstall.exe)
set(WYC_ICON ${PROJECT_SOURCE_DIR}/app/icons/weiyuanchuang.ico)
configure_file(windows/installer.nsi.in installer.nsi @ONLY)
set(files 说明.txt LICENSE.txt ${WYC_WINDOWS_EXE_NAME}.exe weiyuanchuang-cli.exe)
list(TRANSFORM files PREPEND ${WYC_PACKAGE_STEM}-win32/)
# Debian's own Python, with the zlib scripts/install-deps.sh installs: another interpreter may
# bring a zlib of its own that compresses the same files to other bytes.
find_program(WYC_DEBIAN_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
add_custom_command(
  OUTPUT ${zip} ${setup} ${uninstaller}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:weiyuanchuang_win32>
          $<TARGET_FILE:weiyuanchuang-cli> ${stage}
  # The static MinGW runtime brings its debug sections along: more than half of each file.
  COMMAND ${CMAKE_STRIP} ${stage}/${WYC_WINDOWS_EXE_NAME}.exe ${stage}/weiyuanchuang-cli.exe
  # The installer gives each file the time it had here: the one time of the whole release.
  COMMAND touch -d @${WYC_SOURCE_DATE_EPOCH} ${files}
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 ${WYC_DEBIAN_PYTHON}
          ${CMAKE_CURRENT_SOURCE_DIR}/make_zip.py ${zip} ${WYC_SOURCE_DATE_EPOCH} ${files}
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 makensis -V2 -WX -INPUTCHARSET UTF8 installer.nsi
  DEPENDS weiyuanchuang_win32 weiyuanchuang-cli windows/installer.nsi.in windows/readme-zh.txt.in
          make_zip.py ${PROJECT_SOURCE_DIR}/LICENSE
  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
  VERBATIM)
add_custom_target(windows_packages DEPENDS ${zip} ${setup})
