// Speed of the update check's feed reading and request, and of the print
// window: the category list of a large database, "Alles" and "Nichts" on a
// long list, and laying out and drawing a long sentence list into a PDF file.
#include "app/App.h"
#include "framework/Controls.h"
#include "framework/Database.h"
#include "framework/Strings.h"
#include "print/PrintSentencesWindow.h"
#include "print/PrintText.h"
#include "print/SentencePages.h"
#include "store/Schema.h"
#include "update/INetSupport.h"
#include "update/UpdateFeed.h"

#include <QApplication>
#include <QPrinter>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString kFeed = QStringLiteral(
    "<html><head><title>Velmora</title></head><body>\n<kdllatest>9.1.0</kdllatest>\n"
    "<kdlupdatefrom>9.0.0</kdlupdatefrom>\n<url>http://www.kelmarin.de/dl/velmora-9.1.0.tar.gz</url>\n</body></html>");

void BM_ParseFeed(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(UpdateFeed::parsePage(kFeed));
}
BENCHMARK(BM_ParseFeed);

void BM_ParseMegabyteOfGarbage(benchmark::State &state)
{
    const QString garbage = QString(1 << 20, u'<') + QStringLiteral("body>");
    for (auto _ : state)
        benchmark::DoNotOptimize(UpdateFeed::parsePage(garbage));
}
BENCHMARK(BM_ParseMegabyteOfGarbage)->Unit(benchmark::kMillisecond);

void BM_CompareVersionKeys(benchmark::State &state)
{
    const auto a = UpdateFeed::versionFromText(QStringLiteral("9.1.0"));
    const auto b = UpdateFeed::versionFromText(QStringLiteral("9.0.3"));
    for (auto _ : state)
        benchmark::DoNotOptimize(compareVersionKeys(versionKey(*a), versionKey(*b)));
}
BENCHMARK(BM_CompareVersionKeys);

// One GET against a server on 127.0.0.1 in the same process.
void BM_FeedRequest(benchmark::State &state)
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    const QByteArray body = kFeed.toUtf8();
    const QByteArray reply = "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size())
                             + "\r\nConnection: close\r\n\r\n" + body;
    QObject::connect(&server, &QTcpServer::newConnection, [&server, reply] {
        while (QTcpSocket *s = server.nextPendingConnection()) {
            QObject::connect(s, &QTcpSocket::readyRead, s, [s, reply] {
                s->readAll();
                s->write(reply);
                s->disconnectFromHost();
            });
            QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        }
    });
    const QString url = QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort()) + UpdateFeed::feedPath();
    for (auto _ : state)
        benchmark::DoNotOptimize(INetSupport::httpGet(url, 15));
}
BENCHMARK(BM_FeedRequest)->Unit(benchmark::kMillisecond);

void fillBigDatabase(Database &db, const QString &path, int rows)
{
    db.setDatabaseFile(path);
    db.CreateDatabaseFile();
    db.SQLExecute(saetzeCreateSql());
    db.SQLExecute(QStringLiteral("BEGIN"));
    for (int i = 0; i < rows; ++i) {
        DatabaseRecord r;
        r.IntegerColumn(QStringLiteral("Nr"), i);
        r.IntegerColumn(QStringLiteral("Startklasse"), 1 + i % 9);
        r.IntegerColumn(QStringLiteral("Endklasse"), 2 + i % 9);
        r.IntegerColumn(QStringLiteral("Note"), i % 6);
        r.Column(QStringLiteral("Oberkategorie"), QStringLiteral("Arbeitsverhalten %1").arg(i % 7));
        r.Column(QStringLiteral("Kategorie"), QStringLiteral("Fleiß %1").arg(i % 13));
        r.Column(QStringLiteral("Subkategorie"), QStringLiteral("Bereich %1").arg(i));
        r.Column(QStringLiteral("Sentences"), QStringLiteral("Satz eins\rSatz zwei"));
        db.InsertRecord(QStringLiteral("Saetze"), r);
    }
    db.Commit();
}

void BM_CategoryLines(benchmark::State &state)
{
    QTemporaryDir dir;
    Database db;
    fillBigDatabase(db, dir.filePath(QStringLiteral("big.rbd")), int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(PrintText::categoryLines(db));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CategoryLines)->Arg(10000)->Unit(benchmark::kMillisecond);

// Opening the print window on that database: the query and filling the list.
void BM_OpenPrintWindow(benchmark::State &state)
{
    QTemporaryDir dir;
    App application;
    fillBigDatabase(*application.pSentenceDB, dir.filePath(QStringLiteral("big.rbd")), int(state.range(0)));
    int rows = 0;
    for (auto _ : state) {
        PrintSentencesWindow window;
        rows = window.CatListBox->topLevelItemCount();
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_OpenPrintWindow)->Arg(10000)->Unit(benchmark::kMillisecond);

// "Alles" (select) or "Nichts" (deselect) in the print window on a list of that
// many rows; "Nichts" is timed with every row selected before.
void BM_SelectEveryRow(benchmark::State &state, bool select)
{
    App application;
    PrintSentencesWindow window;
    QList<PrintText::CategoryLine> lines;
    for (int i = 0; i < state.range(0); ++i)
        lines.append({QString::number(1 + i % 9), QString::number(2 + i % 9), QStringLiteral("Normalform"),
                      QStringLiteral("Fach %1").arg(i / 40), QStringLiteral("Kriterium %1").arg(i)});
    window.FillCatListBox(lines);
    window.show();
    int selected = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (!select)
            window.PushButton2_Action();
        state.ResumeTiming();
        select ? window.PushButton2_Action() : window.PushButton1_Action();
        state.PauseTiming();
        selected = int(window.CatListBox->selectedItems().size());
        if (select)
            window.PushButton1_Action();
        state.ResumeTiming();
    }
    state.counters["rows"] = window.CatListBox->topLevelItemCount();
    state.counters["selected"] = selected;
}
BENCHMARK_CAPTURE(BM_SelectEveryRow, Alles, true)->Arg(4000)->Arg(40000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_SelectEveryRow, Nichts, false)->Arg(4000)->Arg(40000)->Unit(benchmark::kMillisecond)->Iterations(1);

QString longPrintText(int sections)
{
    QString text = PrintText::titleBlock(QStringLiteral("Sonntag, 6. Dezember 2026"));
    for (int i = 0; i < sections; ++i)
        text += PrintText::sectionBlock(1, 4, QStringLiteral("Lernen : Lesen : Bereich %1").arg(i), 1,
                                        QStringLiteral("%1-1  Erster Satz\n%1-2  Zweiter Satz\n%1-3  Dritter Satz\n")
                                            .arg(100 + i));
    return text;
}

// Laying out and drawing a list of 1000 sections (about 170 pages) into a PDF file.
void BM_PrintPdf(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString text = longPrintText(int(state.range(0)));
    QFont font = QApplication::font();
    font.setPointSize(11);
    int pages = 0;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(dir.filePath(QStringLiteral("list.pdf")));
        pages = SentencePages::print(printer, text, font);
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PrintPdf)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
