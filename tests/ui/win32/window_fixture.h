// A fixture with the real MainWindow shown, active and bound to Form1, driven through the real
// message queue; the system port is chosen by the test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "core/random_source.h"
#include "tests/ui/win32/recording_ports.h"
#include "tests/ui/win32/test_support.h"
#include "ui/form1.h"
#include "ui/win32/main_window.h"
#include "ui/win32/text_conversion.h"

namespace wyc::ui::win32::testing {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(window_.create(GetModuleHandleW(nullptr), nullptr));
    system_ = makeSystem(window_.handle());
    form_ = std::make_unique<Form1>(window_, *system_, random_);
    window_.bind(*form_);
    window_.show(SW_SHOWNORMAL);
    ASSERT_TRUE(Activate(window_.handle())) << "the window could not be brought to the front";
    ASSERT_EQ(GetFocus(), control(ControlName::Text1));
  }

  // The recording port by default: nothing leaves the process.
  virtual std::unique_ptr<SystemPort> makeSystem(HWND) {
    auto system = std::make_unique<RecordingSystemPort>();
    recording_ = system.get();
    return system;
  }

  [[nodiscard]] HWND control(ControlName name) const { return window_.control(name); }
  [[nodiscard]] std::wstring text() const { return ToWide(window_.text()); }
  void setText(const std::wstring& text) const {
    SetWindowTextW(control(ControlName::Text1), text.c_str());
  }
  void pump() const { PumpPending(window_.handle()); }
  bool pumpUntil(const std::function<bool()>& done) const {
    return PumpUntil(window_.handle(), done);
  }
  // Waits until the input sent so far has been handled and no deferred task is left.
  void settle() const {
    pumpUntil([this] { return !window_.hasDeferredTasks(); });
    pump();
  }

  MainWindow window_{OnDestroy::KeepRunning};
  std::unique_ptr<SystemPort> system_;
  RecordingSystemPort* recording_ = nullptr;
  MersenneTwisterSource random_;
  std::unique_ptr<Form1> form_;
};

}  // namespace wyc::ui::win32::testing
