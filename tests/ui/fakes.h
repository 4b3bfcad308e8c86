// Recording fakes of Form1's ports, shared by every test that needs one. Each keeps the state a
// real platform would and logs its calls in one journal, so a test can check their order.
#pragma once

#include <functional>
#include <new>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/random_source.h"
#include "ui/form1.h"
#include "ui/ports.h"

namespace wyc::ui::test {

using Journal = std::vector<std::string>;

class FakeWindow final : public WindowPort {
 public:
  explicit FakeWindow(Journal& journal) : journal_(journal) {}
  [[nodiscard]] std::u16string text() const override {
    journal_.emplace_back("read text");
    return text_;
  }
  void replaceText(std::u16string_view text) override {
    journal_.emplace_back("replace text");
    // A real box may store text differently from how it was given.
    text_ = std::u16string(text) + storedSuffix;
  }
  void focus(ControlName control) override {
    journal_.emplace_back("focus " + std::string(NameOf(control)));
  }
  void showMessage(std::u16string_view text, std::u16string_view title,
                   std::function<void()> closed) override {
    journal_.emplace_back("message");
    messages.emplace_back(text, title);
    if (closed) open_.push_back(std::move(closed));
    if (closesAtOnce) closeMessages();
  }
  void runAfterCurrentInput(std::function<void()> task) override {
    journal_.emplace_back("defer");
    deferred_.push_back(std::move(task));
  }
  void runBusy(std::function<void()> work) override {
    journal_.emplace_back("busy");
    work();
  }
  // What the toolkit does once the current input has been handled.
  void finishInput() {
    for (auto& task : std::exchange(deferred_, {})) task();
  }
  // The user closes the open message boxes.
  void closeMessages() {
    for (auto& closed : std::exchange(open_, {})) closed();
  }

  std::u16string text_;
  std::u16string storedSuffix;
  std::vector<std::pair<std::u16string, std::u16string>> messages;
  // A desktop's box returns once closed; a browser's stays open after the call.
  bool closesAtOnce = true;

 private:
  Journal& journal_;
  std::vector<std::function<void()>> deferred_;
  std::vector<std::function<void()>> open_;
};

struct FakeClipboard final : ClipboardPort {
  explicit FakeClipboard(Journal& log) : journal(log) {}
  bool clear() override {
    journal.emplace_back("clear clipboard");
    if (clearWorks) content.reset();
    return clearWorks;
  }
  void setText(std::u16string_view text, std::function<void(bool)> done) override {
    journal.emplace_back("set clipboard");
    if (setWorks) content = std::u16string(text);
    if (answersLater) {
      answer = [done = std::move(done), works = setWorks] { done(works); };
    } else {
      done(setWorks);
    }
  }
  Journal& journal;
  std::optional<std::u16string> content = u"what the user had copied";
  bool clearWorks = true, setWorks = true;
  // A browser answers a copy after the click has returned: `answer` then delivers it.
  bool answersLater = false;
  std::function<void()> answer;
};

struct FakeLauncher final : AddressLauncher {
  explicit FakeLauncher(Journal& log) : journal(log) {}
  bool open(std::u16string_view address) override {
    journal.emplace_back("open address");
    opened.emplace_back(address);
    return works;
  }
  Journal& journal;
  std::vector<std::u16string> opened;
  bool works = true;
};

struct FakeSkin final : SkinPort {
  [[nodiscard]] std::u16string applicationDirectory() const override { return directory; }
  void attach(std::u16string_view path, std::u16string_view options) override {
    attached.emplace_back(path, options);
  }
  std::u16string directory = u"C:\\Tools";
  std::vector<std::pair<std::u16string, std::u16string>> attached;  // path, options
};

struct FakeClock final : Clock {
  [[nodiscard]] float secondsSinceMidnight() const override { return time; }
  float time = 45296.25F;
};

// A seeded generator that logs every reseed; its draws can be made to run out of memory.
struct RecordingRandom final : RandomSource {
  explicit RecordingRandom(Journal& log) : journal(log) {}
  void reseed(std::uint64_t seed) override {
    journal.emplace_back("reseed");
    seeds.push_back(seed);
    source.reseed(seed);
  }
  double draw() override { return outOfMemory ? throw std::bad_alloc() : source.draw(); }
  Journal& journal;
  std::vector<std::uint64_t> seeds;
  bool outOfMemory = false;
  MersenneTwisterSource source;
};

// Everything Form1 needs besides its window.
struct FakeServices {
  Form1Services services(bool withSkin = true) {
    return {clipboard, launcher, clock, random, withSkin ? &skin : nullptr};
  }
  Journal journal;
  FakeClipboard clipboard{journal};
  FakeLauncher launcher{journal};
  FakeSkin skin;
  FakeClock clock;
  RecordingRandom random{journal};
};

}  // namespace wyc::ui::test
