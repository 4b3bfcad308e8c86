// Recording fakes of the window's ports: they keep the state a real toolkit would and log every
// call in one shared journal, so a test can check what happened and in which order.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/random_source.h"
#include "ui/platform.h"

namespace wyc::ui::test {

using Journal = std::vector<std::string>;

class RecordingWindow final : public WindowPort {
 public:
  explicit RecordingWindow(Journal& journal) : journal_(journal) {}

  std::u16string text() const override {
    journal_.emplace_back("read text");
    return text_;
  }
  void replaceText(std::u16string_view text) override {
    journal_.emplace_back("replace text");
    text_ = boxTransform ? boxTransform(text) : std::u16string(text);
  }
  void focusText() override { journal_.emplace_back("focus text"); }
  void showMessage(std::u16string_view text, std::u16string_view title) override {
    journal_.emplace_back("message");
    messages.emplace_back(text, title);
  }
  void runAfterCurrentInput(std::function<void()> task) override {
    journal_.emplace_back("defer");
    deferred_.push_back(std::move(task));
  }

  // What the toolkit does once the current input has been handled.
  void finishInput() {
    auto tasks = std::exchange(deferred_, {});
    for (auto& task : tasks) task();
  }

  std::u16string text_;
  // A box may store text differently from how it was given (a real one turns line breaks
  // into paragraphs); this simulates that.
  std::function<std::u16string(std::u16string_view)> boxTransform;
  std::vector<std::pair<std::u16string, std::u16string>> messages;

 private:
  Journal& journal_;
  std::vector<std::function<void()>> deferred_;
};

class RecordingSystem final : public SystemPort {
 public:
  explicit RecordingSystem(Journal& journal) : journal_(journal) {}

  bool clearClipboard() override {
    journal_.emplace_back("clear clipboard");
    if (clearWorks) clipboard.reset();
    return clearWorks;
  }
  bool setClipboardText(std::u16string_view text) override {
    journal_.emplace_back("set clipboard");
    if (setWorks) clipboard = std::u16string(text);
    return setWorks;
  }
  bool openAddress(std::u16string_view address) override {
    journal_.emplace_back("open address");
    launches.emplace_back(address);
    return launchWorks;
  }
  std::u16string applicationDirectory() const override { return directory; }
  // An ASCII code page: anything else is lost.
  NarrowText toSystemNarrow(std::u16string_view text) const override {
    NarrowText narrow;
    for (const char16_t unit : text) {
      narrow.exact = narrow.exact && unit < 0x80;
      narrow.bytes.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
    }
    return narrow;
  }
  std::u16string shortPath(std::u16string_view directory) const override {
    return shortForms.contains(std::u16string(directory)) ? shortForms.at(std::u16string(directory))
                                                          : std::u16string(directory);
  }
  void attachSkin(const std::string& skinPath, const std::string& options) override {
    journal_.emplace_back("attach skin");
    skinCalls.emplace_back(skinPath, options);
  }
  float secondsSinceMidnight() const override { return timeOfDay; }

  std::optional<std::u16string> clipboard = u"what the user had copied";
  bool clearWorks = true;
  bool setWorks = true;
  bool launchWorks = true;
  std::vector<std::u16string> launches;
  std::u16string directory = u"C:\\Tools";
  std::map<std::u16string, std::u16string> shortForms;
  std::vector<std::pair<std::string, std::string>> skinCalls;
  float timeOfDay = 45296.25F;

 private:
  Journal& journal_;
};

// The process generator, with every reseed logged.
class RecordingRandom final : public RandomSource {
 public:
  explicit RecordingRandom(Journal& journal) : journal_(journal) {}
  void reseed(std::uint64_t seed) override {
    journal_.emplace_back("reseed");
    seeds.push_back(seed);
    source_.reseed(seed);
  }
  double draw() override { return source_.draw(); }

  std::vector<std::uint64_t> seeds;

 private:
  Journal& journal_;
  MersenneTwisterSource source_;
};

}  // namespace wyc::ui::test
