// The recording SystemPort: every call is written down, nothing reaches the desktop.
#include "recording_system.h"

namespace wyc::ui::qt {

bool RecordingSystem::clearClipboard() {
  clipboard.emplace_back(u"clear");
  return true;
}

bool RecordingSystem::setClipboardText(std::u16string_view text) {
  clipboard.emplace_back(text);
  return true;
}

bool RecordingSystem::openAddress(std::u16string_view address) {
  opened.emplace_back(address);
  return openSucceeds;
}

std::u16string RecordingSystem::applicationDirectory() const { return u"/opt/wyc"; }

NarrowText RecordingSystem::toSystemNarrow(std::u16string_view text) const {
  std::string bytes;
  for (const char16_t c : text) bytes += static_cast<char>(c);
  return {bytes, true};
}

std::u16string RecordingSystem::shortPath(std::u16string_view directory) const {
  return std::u16string(directory);
}

void RecordingSystem::attachSkin(const std::string& skinPath, const std::string& options) {
  skins.push_back(skinPath + "|" + options);
}

float RecordingSystem::secondsSinceMidnight() const { return 1234.5F; }

}  // namespace wyc::ui::qt
