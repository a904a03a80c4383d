// The main window's actions on generated collections of 5,000, 50,000 and
// 500,000 rows (25 rows per criterion) and on the sample database (when the
// build made one): a class change (the whole getContent with the category
// cascade down to the sentence list), beside it the same queries alone; a
// change of each category list; the orienting list and its draft over 200
// and over all criteria, alone and as the transfer button computes it.
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

QString g_sampleDb;
QString g_benchFolder;

// A generated collection of rows rows, imported on first use; kept in
// VM_BENCH_DIR when that names a folder, so that runs share it.
QString collectionDb(int rows)
{
    const QString folder = QDir(g_benchFolder).filePath(QStringLiteral("rows%1").arg(rows));
    QDir().mkpath(folder);
    const QString dbPath = QDir(folder).filePath(QStringLiteral("Formulierungshilfen.rbd"));
    if (QFile::exists(dbPath))
        return dbPath;
    const QString sentences = QDir(folder).filePath(QStringLiteral("Formulierungen.txt"));
    const QString stdPhrases = QDir(folder).filePath(QStringLiteral("Standardformulierungen.txt"));
    CollectionSize size;
    size.rows = rows;
    size.criteria = rows / 25;
    GeneratedCollection written;
    SentenceImporter::Counts counts;
    QStringList messages;
    if (!writeCollection(sentences, stdPhrases, size, written)
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
// to the sentence list of the first section. The super-categories come from
// the category rows, as the window takes them.
void runClassChangeQueries(App &a, int classLevel)
{
    const QString c = QString::number(classLevel);
    a.GetCategories(c);
    a.GetStdCategories();
    const QString super = a.pVMCategoriesSuperCat.section(u'\n', 0, 0);
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
void BM_ClassChange(benchmark::State &state) { classChange(state, collectionDb(int(state.range(0)))); }
void BM_ClassChangeQueriesOnly(benchmark::State &state)
{
    classChangeQueries(state, collectionDb(int(state.range(0))));
}

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

// Selecting row after row of one category list: each change runs the
// cascade below it down to the sentence list.
void categoryChange(benchmark::State &state, Listbox *(*listOf)(SentenceWindow &))
{
    App application;
    SentenceWindow *window = openWindow(state, application, collectionDb(50000));
    if (!window)
        return;
    Listbox *list = listOf(*window);
    const int rows = list->ListCount();
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % rows;
        list->setListIndex(row);
    }
    state.counters["rows"] = rows;
    delete window;
}

// The orienting draft of the largest class with a level on the first
// criteria rows (all when criteria is 0); with button, computed as the
// transfer button does it: on the press for a drag, on the release for the
// transfer.
void orientingDraft(benchmark::State &state, int criteria, bool button)
{
    App application;
    SentenceWindow *window = openWindow(state, application, collectionDb(50000));
    if (!window)
        return;
    window->ClassesPopupMenu->setListIndex(largestClass(application) - 1);
    window->TabPanel1->setCurrentIndex(3);
    window->InitOrientingListBox();
    const int rows = window->OrientingListBox->ListCount();
    const int levelled = criteria > 0 ? std::min(criteria, rows) : rows;
    // The lowest level of each row lies in its range.
    for (int row = 0; row < levelled; ++row)
        window->OrientingListBox->setCell(row, 2, window->OrientingListBox->Cell(row, 3));
    qsizetype length = 0;
    for (auto _ : state) {
        if (button)
            window->TransferNumListButton_MouseDown(1, 1);
        length = window->GetTransferSentence().size();
    }
    state.counters["criteria"] = levelled;
    state.counters["chars"] = double(length);
    delete window;
}

void BM_SuperCategoryChange_50000Rows(benchmark::State &state)
{
    categoryChange(state, [](SentenceWindow &w) { return static_cast<Listbox *>(w.SuperCatListBox); });
}
void BM_MainCategoryChange_50000Rows(benchmark::State &state)
{
    categoryChange(state, [](SentenceWindow &w) { return static_cast<Listbox *>(w.MainCatListBox); });
}
void BM_SubCategoryChange_50000Rows(benchmark::State &state)
{
    categoryChange(state, [](SentenceWindow &w) { return static_cast<Listbox *>(w.SubCatListBox); });
}
void BM_SectionChange_50000Rows(benchmark::State &state)
{
    categoryChange(state, [](SentenceWindow &w) { return static_cast<Listbox *>(w.SubCatSectionListBox); });
}
void BM_OrientingDraft_200Criteria_50000Rows(benchmark::State &state) { orientingDraft(state, 200, false); }
void BM_OrientingDraft_AllCriteria_50000Rows(benchmark::State &state) { orientingDraft(state, 0, false); }
void BM_OrientingDraftButton_200Criteria_50000Rows(benchmark::State &state) { orientingDraft(state, 200, true); }
void BM_OrientingDraftButton_AllCriteria_50000Rows(benchmark::State &state) { orientingDraft(state, 0, true); }

void BM_OrientingListBuild_LargestClass_50000Rows(benchmark::State &state) { orientingListBuild(state, collectionDb(50000)); }
void BM_NumberListTransferText_100Items_50000Rows(benchmark::State &state)
{
    numberListTransferText(state, collectionDb(50000));
}

BENCHMARK(BM_OrientingListBuild_LargestClass_50000Rows)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_NumberListTransferText_100Items_50000Rows)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_ClassChange_Sample)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClassChangeQueriesOnly_Sample)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClassChange)->Arg(5000)->Arg(50000)->Arg(500000)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ClassChangeQueriesOnly)->Arg(5000)->Arg(50000)->Arg(500000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SuperCategoryChange_50000Rows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MainCategoryChange_50000Rows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SubCategoryChange_50000Rows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SectionChange_50000Rows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OrientingDraft_200Criteria_50000Rows)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_OrientingDraft_AllCriteria_50000Rows)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_OrientingDraftButton_200Criteria_50000Rows)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_OrientingDraftButton_AllCriteria_50000Rows)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);
    QTemporaryDir dir;
    g_benchFolder = qEnvironmentVariable("VM_BENCH_DIR");
    if (g_benchFolder.isEmpty())
        g_benchFolder = dir.path();
    const QString sample = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Formulierungshilfen.rbd"));
    if (QFileInfo::exists(sample))
        g_sampleDb = sample;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
