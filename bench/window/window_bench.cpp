// Paste and rewrite of large articles in the real window, timed from the key press to the
// repainted window with the result on the clipboard. Runs on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise (e.g. xcb on Xvfb, to include the X server's drawing).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <chrono>
#include <string>

#include "bench/window/window_article.h"
#include "core/random_source.h"
#include "ui/form1.h"
#include "ui/qt/desktop_services.h"
#include "ui/qt/form1_window.h"
#include "ui/system_clock.h"

namespace {

using Clock = std::chrono::steady_clock;

// LF-separated, as text arrives from another Linux program.
QString Article(int lines, int width) {
  return QString::fromStdU16String(wyc::bench::WindowArticle(lines, width, u"\n"));
}

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// One iteration: paste the article into the emptied box, let the window repaint; press the
// start button, let the window repaint. The clipboard is written inside the button's click.
void PasteAndRewrite(benchmark::State& state, const QString& article) {
  wyc::ui::qt::Form1Window window;
  wyc::ui::qt::QtClipboard clipboard;
  wyc::ui::qt::XdgOpenLauncher launcher;
  wyc::ui::SystemClock clock;
  wyc::ui::Form1 form(window, {.clipboard = clipboard,
                               .launcher = launcher,
                               .clock = clock,
                               .random = wyc::ProcessRandomSource()});
  window.bind(form);
  window.show();
  auto* box = window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
  auto* start = window.findChild<QPushButton*>(QStringLiteral("Command1"));
  double paste = 0;
  double rewrite = 0;
  for (auto _ : state) {
    box->clear();
    QGuiApplication::clipboard()->setText(article);
    QCoreApplication::processEvents();
    box->setFocus();

    const auto t0 = Clock::now();
    box->paste();
    window.repaint();
    const double pasted = Seconds(t0);

    const auto t1 = Clock::now();
    start->click();
    window.repaint();
    const double rewritten = Seconds(t1);

    state.SetIterationTime(pasted + rewritten);
    paste += pasted;
    rewrite += rewritten;
    if (QGuiApplication::clipboard()->text().size() < article.size() / 2) {
      state.SkipWithError("the clipboard did not receive the rewritten article");
      break;
    }
  }
  const auto n = static_cast<double>(state.iterations());
  state.counters["paste_ms"] = paste / n * 1000;
  state.counters["rewrite_ms"] = rewrite / n * 1000;
  state.counters["chars"] = static_cast<double>(article.size());
  state.counters["utf8_bytes"] = static_cast<double>(article.toUtf8().size());
}

void Typical5KB(benchmark::State& state) { PasteAndRewrite(state, Article(70, 30)); }
void Large10MB(benchmark::State& state) { PasteAndRewrite(state, Article(100'000, 42)); }
// Worst case for the text box's own layout: one 10 MB line with no break to shuffle.
void OneLine10MB(benchmark::State& state) { PasteAndRewrite(state, Article(1, 3'500'000)); }

BENCHMARK(Typical5KB)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK(Large10MB)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(OneLine10MB)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
