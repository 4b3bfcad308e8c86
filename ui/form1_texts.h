// Every text the window shows.
#pragma once

#include <string_view>

#include "build_config.h"

namespace wyc::ui::texts {

inline constexpr std::u16string_view kCaption = u"朔屿伪原创工具 " WYC_VERSION_SHORT_U16;
inline constexpr std::u16string_view kProductName = u"朔屿伪原创工具";
// The title of every message box: not the caption, not the product name.
inline constexpr std::u16string_view kApplicationTitle = u"工程1";

inline constexpr std::u16string_view kPlaceholder = u"请输入您要伪原创的内容\r\n";
inline constexpr std::u16string_view kStart = u"开始伪原创";
inline constexpr std::u16string_view kDescription =
    u"朔屿伪原创工具可以打乱文章顺序,并自动复制到剪切板.特别适合QQ类型网站。如：QQ网名 个性签名 "
    u"等类型网站.";
// What a screen reader calls the article box.
inline constexpr std::u16string_view kArticleBoxName = u"文章内容";
inline constexpr std::u16string_view kWebsiteButton = u"朔屿官网";
inline constexpr std::u16string_view kMicroblogButton = u"我的微博";

inline constexpr std::u16string_view kWebsiteAddress = WYC_WEBSITE_ADDRESS_U16;
inline constexpr std::u16string_view kMicroblogAddress = WYC_MICROBLOG_ADDRESS_U16;
inline constexpr std::u16string_view kFooter =
    u"朔屿网盘   " WYC_WEBSITE_ADDRESS_U16 u"   欢迎大家提出宝贵建议";

inline constexpr std::u16string_view kEmptyTextPrompt = u"请输入需要伪原创的内容";
inline constexpr std::u16string_view kClipboardFailed =
    u"无法写入剪切板（可能被其他程序占用），伪原创结果已保留在文本框中，请手动复制。";
// Followed by the address, so it can be opened by hand.
inline constexpr std::u16string_view kOpenAddressFailed = u"无法打开浏览器，请手动访问：";

inline constexpr std::u16string_view kOutOfMemory =
    u"内存不足，无法完成伪原创。文本框和剪切板的内容保持不变。";

// Appended to the application directory, with a forward slash whatever the platform.
inline constexpr std::u16string_view kSkinFile = u"/aero.she";

}  // namespace wyc::ui::texts
