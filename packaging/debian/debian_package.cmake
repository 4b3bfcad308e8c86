# The documents every Linux install carries (licence, changelog, manual pages, compressed as
# Debian wants them) and CPack's description of the Debian package weiyuanchuang_<version>_amd64.
set(docs ${CMAKE_CURRENT_BINARY_DIR}/docs)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/man/weiyuanchuang-cli.1.in ${docs}/weiyuanchuang-cli.1 @ONLY)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/man/weiyuanchuang.1.in ${docs}/weiyuanchuang.1 @ONLY)
execute_process(COMMAND date -u -R -d ${WYC_RELEASE_DATE} OUTPUT_VARIABLE WYC_RELEASE_DATE_RFC2822
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(WYC_MAINTAINER "${WYC_PUBLISHER_LATIN} <maker@${WYC_WEBSITE_HOST}>")
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog.in ${docs}/changelog @ONLY)

set(manuals weiyuanchuang-cli.1)
if(WYC_WINDOW_BACKEND STREQUAL "qt")
  list(APPEND manuals weiyuanchuang.1)
endif()
set(compressed)
foreach(file IN LISTS manuals ITEMS changelog)
  # -n: no name or time stamp inside, so the same sources give the same bytes.
  add_custom_command(OUTPUT ${docs}/${file}.gz COMMAND gzip -9nkf ${docs}/${file}
                     DEPENDS ${docs}/${file} VERBATIM)
  list(APPEND compressed ${docs}/${file}.gz)
endforeach()
add_custom_target(linux_documents ALL DEPENDS ${compressed})
list(TRANSFORM manuals APPEND .gz)
list(TRANSFORM manuals PREPEND ${docs}/)
install(FILES ${manuals} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${docs}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR ${WYC_PUBLISHER_LATIN})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${WYC_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${WYC_WEBSITE_ADDRESS})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rewrite an article by shuffling its lines")
set(CPACK_PACKAGE_DESCRIPTION [=[
朔屿伪原创工具 (Shuoyu Weiyuanchuang) turns an article into a pseudo-original
version of itself: paste it into the window and press one button, and the tool
drops the empty lines, puts the others into a random order with a blank line
between them, shows the result and copies it to the clipboard. The command line
weiyuanchuang-cli does the same for files and pipes.

朔屿伪原创工具可以打乱文章顺序，并自动复制到剪切板，特别适合QQ网名、
个性签名等QQ类型网站。把文章粘贴到大文本框中，点击“开始伪原创”：工具
去掉空行，打乱其余各行的顺序，行与行之间空一行，结果显示在文本框中并自动
复制到剪切板。命令行程序 weiyuanchuang-cli 适合批量处理。]=])
if(WYC_WINDOW_BACKEND STREQUAL "qt")
  # What the window needs at run time that no library link shows: Qt's Wayland platform plugin,
  # Qt's own Chinese texts, a font with Chinese glyphs, and xdg-open for the links.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "qt6-wayland, qt6-translations-l10n, fonts-noto-cjk | fonts-wqy-microhei | fonts-wqy-zenhei, xdg-utils")
endif()
include(CPack)
