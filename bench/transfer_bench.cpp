// Forming throughput beside a plain copy of the same text, and per transfer
// route the time from the call until the text is in the target window and
// how long the program's window takes no input meanwhile (under an X server
// of its own, with the shipped scripts).
#include "support/XvfbSession.h"
#include "support/TargetWindow.h"

#include "app/App.h"
#include "framework/Folders.h"
#include "framework/ImplicitInstance.h"
#include "transfer/SentenceForming.h"
#include "windows/sentence/SentenceWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {
// A template of 2,000 characters in the shape of real report sentences.
QString template2000()
{
    const QString piece = QStringLiteral("#Er/Sie# arbeitet sorgfältig, _s Heft ist „ordentlich“. ");
    QString text;
    while (text.size() < 2000)
        text += piece;
    text.truncate(2000);
    return text;
}

benchmark::Counter charactersPerSecond(const benchmark::State &state, const QString &text)
{
    return benchmark::Counter(double(state.iterations() * text.size()), benchmark::Counter::kIsRate);
}

void BM_FormSentence(benchmark::State &state)
{
    const QString text = template2000();
    const QString name = QStringLiteral("Klaus");
    for (auto _ : state)
        benchmark::DoNotOptimize(formSentence(text, false, name));
    state.SetItemsProcessed(state.iterations() * text.size());
    state.counters["chars/s"] = charactersPerSecond(state, text);
}
BENCHMARK(BM_FormSentence);

// The same text copied character by character into a new string.
void BM_PlainCopy(benchmark::State &state)
{
    const QString text = template2000();
    for (auto _ : state) {
        QString copy;
        copy.reserve(text.size());
        for (const QChar c : text)
            copy.append(c);
        benchmark::DoNotOptimize(copy);
    }
    state.SetItemsProcessed(state.iterations() * text.size());
    state.counters["chars/s"] = charactersPerSecond(state, text);
}
BENCHMARK(BM_PlainCopy);

struct TransferSetup
{
    XvfbSession *x = nullptr;
    std::unique_ptr<App> app;
    std::unique_ptr<TargetWindow> target;
    SentenceWindow *window = nullptr;
};

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Per transfer, the program in front before each call as when the user clicks
// the button: from App.TransferSentence until the target window holds the
// text (the iteration time), and how long the call keeps the window from
// taking input (it returns only then).
void transferLatency(benchmark::State &state, TransferSetup *setup, const char *creator, const char *connection)
{
    setup->app->pPrefs->SetTargetProcessCreator(QString::fromUtf8(creator));
    setup->app->pPrefs->SetConnectionType(QString::fromUtf8(connection));
    std::vector<double> present, unresponsive;
    int n = 0;
    for (auto _ : state) {
        setup->x->activate(QString::number(setup->window->winId()));
        static_cast<void>(QTest::qWaitFor(
            [] { return QGuiApplication::applicationState() == Qt::ApplicationActive; }, kXWaitMs));
        // Any restore of the last transfer is over.
        QTest::qWait(400);
        const QString sentence =
            QStringLiteral(" Satz %1: Sie arbeitet sorgfältig, Klaus' Heft ist „ordentlich“.").arg(++n);

        // Watched also while the call runs: the scripts run in a local event loop.
        QElapsedTimer timer;
        qint64 arrivedNs = -1;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (arrivedNs < 0 && setup->target->text().endsWith(sentence))
                arrivedNs = timer.nsecsElapsed();
        });
        watch.start(1);
        timer.start();
        setup->app->TransferSentence(sentence);
        unresponsive.push_back(timer.nsecsElapsed() / 1e6);
        while (arrivedNs < 0 && timer.elapsed() < kXWaitMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        if (arrivedNs < 0) {
            state.SkipWithError("the text did not arrive");
            break;
        }
        present.push_back(arrivedNs / 1e6);
        state.SetIterationTime(present.back() / 1000);
    }
    state.counters["present_median_ms"] = median(present);
    state.counters["unresponsive_median_ms"] = median(unresponsive);
}
} // namespace

int main(int argc, char **argv)
{
    auto session = std::make_unique<XvfbSession>();
    const bool haveX = session->isRunning();
    if (haveX) {
        qputenv("DISPLAY", session->display().toLocal8Bit());
        qunsetenv("WAYLAND_DISPLAY");
    }
    qputenv("QT_QPA_PLATFORM", haveX ? "xcb" : "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    TransferSetup setup;
    if (haveX) {
        setProgramFolder(qEnvironmentVariable("VM_BIN_DIR", QCoreApplication::applicationDirPath()));
        setup.x = session.get();
        setup.app = std::make_unique<App>();
        setup.window = implicitInstance<SentenceWindow>();
        setup.window->show();
        static_cast<void>(QTest::qWaitForWindowExposed(setup.window, kXWaitMs));
        setup.target = std::make_unique<TargetWindow>(QStringLiteral("Zeugnisschreiber"),
                                                      config.filePath(QStringLiteral("target.txt")));
        setup.app->pPrefs->SetTargetProcessname(QStringLiteral("Zeugnisschreiber"));
        setup.app->pPrefs->SetLinkLocked(true);
        const auto latency = [&setup](const char *label, const char *creator, const char *connection) {
            benchmark::RegisterBenchmark(label, transferLatency, &setup, creator, connection)
                ->Iterations(21)
                ->Unit(benchmark::kMillisecond)
                ->UseManualTime();
        };
        latency("BM_TransferLatency/clipboard_175", "Zeug", "ConnectGeneric");
        latency("BM_TransferLatency/direct_168", "C#+A", "ConectCustom");
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete existingInstance<SentenceWindow>();
    return 0;
}
