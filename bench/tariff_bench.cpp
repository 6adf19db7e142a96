// Price-list figures with a full list of 2047 lines: reading the text (the parse alone, and
// as the tool does it on entering its "Edit" page), changing "All %", and applying a tariff
// function. The window figures run from the user's action to the rows in sight painted.

#include "offscreen_bench_main.h"
#include "store/cp1251.h"
#include "tariff/price_list.h"
#include "ui/tariff/tform1.h"
#include "ui/widgets/find_named.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <string>

namespace kestrelon {
namespace {

constexpr std::size_t kFullList = 2047;

// A list as shops send them: Russian names of varied length, prices with a comma or a point.
std::string priceText(std::size_t lines) {
    std::string text;
    for (std::size_t i = 0; i < lines; ++i) {
        text += "Товар номер "_cp + std::to_string(i) + " упаковка "_cp + std::string(i % 40, 'x') +
                "   " + std::to_string(i % 650) + (i % 2 == 0 ? "," : ".") +
                std::to_string(10 + i % 90) + "\r\n";
    }
    return text;
}

// A message would stop the run: it is kept, and the figure then reports an error.
class KeptMessages : public MessageSink {
public:
    void showMessage(const QString& text) override { messages.append(text); }
    QStringList messages;
};

template <typename Action> double secondsOf(Action&& action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The tool on screen with the full list typed into its text page.
class PriceWindow {
public:
    PriceWindow() {
        store->DataFolder = "/nonexistent/";
        window = std::make_unique<TForm1>(context, nullptr);
        window->show();
        (void)QTest::qWaitForWindowExposed(window.get());
        memo()->setPlainText(QString::fromStdString(cp1251ToUtf8(priceText(kFullList))));
    }
    template <typename T> T* child(const char* name) const {
        return findNamed<T>(*window, QString::fromLatin1(name));
    }
    QPlainTextEdit* memo() const { return child<QPlainTextEdit>("Memo1"); }
    QTabWidget* pages() const { return child<QTabWidget>("PageControl1"); }
    QTableView* grid() const { return child<QTableView>("StringGrid1"); }
    bool full() const { return window->priceList().count() == kFullList && sink.messages.empty(); }

    std::unique_ptr<DataStore> store = std::make_unique<DataStore>();
    KeptMessages sink;
    AppContext context{*store, sink};
    std::unique_ptr<TForm1> window;
};

void BM_ParsePriceText2047(benchmark::State& state) {
    const std::string text = priceText(kFullList);
    tariff::PriceList list(',');
    for (auto _ : state) {
        const tariff::ParseOutcome outcome = list.parse(text);
        if (outcome.count != kFullList) {
            state.SkipWithError("lines were lost");
            break;
        }
    }
}
BENCHMARK(BM_ParsePriceText2047)->Unit(benchmark::kMillisecond);

// Entering "Edit" with the text changed: the memo's text read, parsed, the grid shown.
void BM_EnterEditPage2047(benchmark::State& state) {
    PriceWindow w;
    for (auto _ : state) {
        w.pages()->setCurrentIndex(TForm1::FilePage);
        w.memo()->appendPlainText(QString()); // the text changed: read it again
        QApplication::processEvents();
        state.SetIterationTime(secondsOf([&] {
            w.pages()->setCurrentIndex(TForm1::EditPage);
            QApplication::processEvents();
        }));
        if (!w.full()) {
            state.SkipWithError("the list was not read whole");
            break;
        }
    }
}
BENCHMARK(BM_EnterEditPage2047)->UseManualTime()->Iterations(50)->Unit(benchmark::kMillisecond);

template <typename Change>
void changeAndPaint(benchmark::State& state, PriceWindow& w, Change&& change) {
    w.pages()->setCurrentIndex(TForm1::EditPage);
    QApplication::processEvents();
    if (!w.full()) {
        state.SkipWithError("the list was not read whole");
        return;
    }
    QWidget* rows = w.grid()->viewport();
    int round = 0;
    for (auto _ : state) {
        state.SetIterationTime(secondsOf([&] {
            change(++round);
            rows->repaint(); // the rows in sight, drawn now
        }));
        QApplication::processEvents();
    }
}

void BM_AllPercent2047(benchmark::State& state) {
    PriceWindow w;
    auto* allPercent = w.child<QSpinBox>("UpDown2");
    changeAndPaint(state, w, [&](int round) { allPercent->setValue(100 + round % 300); });
}
BENCHMARK(BM_AllPercent2047)->UseManualTime()->Iterations(100)->Unit(benchmark::kMillisecond);

void BM_ApplyFunction2047(benchmark::State& state) {
    PriceWindow w;
    TariffFunction& f = w.store->EditedFunction;
    for (std::size_t i = 0; i < 8; ++i) {
        f.Thresholds[i] = static_cast<std::uint32_t>(8000 * i);
    }
    int round = 0;
    w.window->setFunctionEditor([&] {
        for (std::size_t i = 0; i < 8; ++i) {
            f.Rates[i] = static_cast<std::uint16_t>((round * 7 + 30 * i) % 600);
        }
        return true;
    });
    auto* apply = w.child<QToolButton>("SpeedButton5");
    changeAndPaint(state, w, [&](int r) {
        round = r;
        QTest::mouseClick(apply, Qt::LeftButton);
    });
}
BENCHMARK(BM_ApplyFunction2047)->UseManualTime()->Iterations(100)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kestrelon

int main(int argc, char** argv) {
    return kestrelon::runOffscreenBenchmarks<QApplication>(argc, argv);
}
