// A class change in the main window: the whole getContent with the category
// cascade down to the sentence list, on the sample database (when the build
// made one) and on a database of 50,000 rows; beside it the same
// queries alone, to see the share the database takes. The large database
// is the generated collection of the store benchmarks.
#include "app/App.h"
#include "framework/Database.h"
#include "framework/Folders.h"
#include "framework/ImplicitInstance.h"
#include "store/SentenceImporter.h"
#include "CollectionGenerator.h"
#include "framework/Controls.h"
#include "windows/sentence/ExtendedEditField.h"
#include "windows/sentence/SentenceWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

QString g_largeDb;
QString g_sampleDb;

// The 50,000-row collection of the store benchmarks, imported once; kept
// in VM_BENCH_DIR when that names a folder.
QString makeLargeDb(const QString &tempFolder)
{
    QString folder = qEnvironmentVariable("VM_BENCH_DIR");
    if (folder.isEmpty())
        folder = tempFolder;
    QDir().mkpath(folder);
    const QString dbPath = QDir(folder).filePath(QStringLiteral("Formulierungshilfen.rbd"));
    if (QFile::exists(dbPath))
        return dbPath;
    const QString sentences = QDir(folder).filePath(QStringLiteral("Formulierungen.txt"));
    const QString stdPhrases = QDir(folder).filePath(QStringLiteral("Standardformulierungen.txt"));
    GeneratedCollection written;
    SentenceImporter::Counts counts;
    QStringList messages;
    if (!writeCollection(sentences, stdPhrases, CollectionSize{}, written)
        || !SentenceImporter::buildDatabase(sentences, stdPhrases, dbPath, counts, messages))
        return {};
    return dbPath;
}

// Opens path as the application's database; false (and the benchmark
// skipped) when there is no such database.
bool openDb(benchmark::State &state, App &application, const QString &path)
{
    if (path.isEmpty()) {
        state.SkipWithError("no sample database beside the program");
        return false;
    }
    application.pSentenceDB = std::make_unique<SentenceDatabase>();
    application.pSentenceDB->setDatabaseFile(path);
    return application.pSentenceDB->Connect();
}

// The queries a class change runs, in its order, without the window: the
// category lists, and for the first row of each level the next level, down
// to the sentence list of the first section.
void runClassChangeQueries(App &a, int classLevel)
{
    const QString c = QString::number(classLevel);
    a.GetCategories(c);
    a.GetStdCategories();
    const QString category = a.pVMCategories.section(u'\n', 0, 0);
    a.GetSentences2Category(category + QStringLiteral(" 1"), classLevel, false, false);
    a.GetSuperCategories(c);
    const QString super = a.pVMSuperCategories.section(u'\n', 0, 0);
    const QString main = a.GetMainCats(c, super).section(u'\n', 0, 0);
    const QString sub = a.GetSubCats(c, super, main).section(u'\n', 0, 0);
    const QString section = a.GetSubCatSections(c, super, main, sub).section(u'\n', 0, 0);
    a.GetSentences2Category(super, main, sub, section, classLevel, false, false);
}

void classChange(benchmark::State &state, const QString &path)
{
    App application;
    if (!openDb(state, application, path))
        return;
    application.pPrefs->SetLastClass(1);
    // Made the way start-up makes it.
    application.pIsStartingUp = true;
    auto *window = implicitInstance<SentenceWindow>();
    application.pIsStartingUp = false;
    int classLevel = 1;
    for (auto _ : state) {
        classLevel = classLevel % 10 + 1;
        window->getContent(classLevel);
    }
    benchmark::DoNotOptimize(window->SentenceListBox);
    delete window;
}

void classChangeQueries(benchmark::State &state, const QString &path)
{
    App application;
    if (!openDb(state, application, path))
        return;
    int classLevel = 1;
    for (auto _ : state) {
        classLevel = classLevel % 10 + 1;
        runClassChangeQueries(application, classLevel);
    }
}

void BM_ClassChange_Sample(benchmark::State &state) { classChange(state, g_sampleDb); }
void BM_ClassChangeQueriesOnly_Sample(benchmark::State &state) { classChangeQueries(state, g_sampleDb); }
void BM_ClassChange_50000Rows(benchmark::State &state) { classChange(state, g_largeDb); }
void BM_ClassChangeQueriesOnly_50000Rows(benchmark::State &state) { classChangeQueries(state, g_largeDb); }

// The class level with the most criteria, the largest orienting list.
int largestClass(App &a)
{
    int best = 1;
    int bestRows = -1;
    for (int c = 1; c <= 10; ++c) {
        a.GetCategories(QString::number(c));
        const int rows = int(a.pVMCategories.split(u'\n', Qt::SkipEmptyParts).size());
        if (rows > bestRows) {
            bestRows = rows;
            best = c;
        }
    }
    return best;
}

// The main window on class 1 of path, made the way start-up makes it; null
// (and the benchmark skipped) without the database.
SentenceWindow *openWindow(benchmark::State &state, App &application, const QString &path)
{
    if (!openDb(state, application, path))
        return nullptr;
    application.pPrefs->SetLastClass(1);
    application.pIsStartingUp = true;
    auto *window = implicitInstance<SentenceWindow>();
    application.pIsStartingUp = false;
    return window;
}

// The whole build of the orienting list, one section query per row, wait window included.
void orientingListBuild(benchmark::State &state, const QString &path)
{
    App application;
    SentenceWindow *window = openWindow(state, application, path);
    if (!window)
        return;
    const int classLevel = largestClass(application);
    window->ClassesPopupMenu->setListIndex(classLevel - 1);
    for (auto _ : state)
        window->InitOrientingListBox();
    state.counters["class"] = classLevel;
    state.counters["rows"] = window->OrientingListBox->ListCount();
    delete window;
}

// The transfer text of "Nummernliste" for 100 addresses: expanded and formed.
void numberListTransferText(benchmark::State &state, const QString &path)
{
    App application;
    SentenceWindow *window = openWindow(state, application, path);
    if (!window)
        return;
    QStringList addresses;
    if (auto rs = application.pSentenceDB->SQLSelect(
            QStringLiteral("SELECT Nr FROM Saetze WHERE Startklasse <= 1 AND Endklasse >= 1 ORDER BY Nr LIMIT 100"))) {
        for (rs->MoveFirst(); !rs->IsEOF(); rs->MoveNext())
            addresses << rs->Field(QStringLiteral("Nr")) + QStringLiteral("-1");
    }
    window->TabPanel1->setCurrentIndex(2);
    window->NumListEditField->setText(addresses.join(QStringLiteral(", ")));
    qsizetype length = 0;
    for (auto _ : state)
        length = window->GetTransferSentence().size();
    state.counters["items"] = double(addresses.size());
    state.counters["chars"] = double(length);
    delete window;
}

void BM_OrientingListBuild_LargestClass_50000Rows(benchmark::State &state) { orientingListBuild(state, g_largeDb); }
void BM_NumberListTransferText_100Items_50000Rows(benchmark::State &state)
{
    numberListTransferText(state, g_largeDb);
}

BENCHMARK(BM_OrientingListBuild_LargestClass_50000Rows)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_NumberListTransferText_100Items_50000Rows)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_ClassChange_Sample)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClassChangeQueriesOnly_Sample)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClassChange_50000Rows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClassChangeQueriesOnly_50000Rows)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);
    QTemporaryDir dir;
    g_largeDb = makeLargeDb(dir.path());
    const QString sample = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Formulierungshilfen.rbd"));
    if (QFileInfo::exists(sample))
        g_sampleDb = sample;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
