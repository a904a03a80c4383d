// Benchmarks of the sentence store on a large generated collection: the
// category queries, a section's sentence list, the section query of 200
// criteria in a row (as the orienting page runs it), a 100-item number list,
// and the importer's throughput.
//
// VM_BENCH_DIR names a folder to keep the generated files and database in
// (made once, reused); without it a temporary folder is used.
// "store_bench --print-sql DIR" writes the statements each benchmark runs,
// one file per benchmark, for the comparison with the sqlite3 tool, and exits.
#include "CollectionGenerator.h"
#include "framework/Database.h"
#include "framework/Strings.h"
#include "store/CategoryQueries.h"
#include "store/SentenceImporter.h"
#include "store/SentenceQueries.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {
const QString kClass = QStringLiteral("5");
constexpr int kOrientingCriteria = 200;
constexpr int kNumberListItems = 100;

struct Fixture
{
    QString folder;
    QString sentencesPath;
    QString stdPhrasesPath;
    QString dbPath;
    GeneratedCollection collection;
    Database db;
};

Fixture &fixture()
{
    static std::unique_ptr<QTemporaryDir> temp;
    static Fixture made;
    static const bool ready = [] {
        made.folder = qEnvironmentVariable("VM_BENCH_DIR");
        if (made.folder.isEmpty()) {
            temp = std::make_unique<QTemporaryDir>();
            made.folder = temp->path();
        }
        QDir().mkpath(made.folder);
        made.sentencesPath = QDir(made.folder).filePath(QStringLiteral("Formulierungen.txt"));
        made.stdPhrasesPath = QDir(made.folder).filePath(QStringLiteral("Standardformulierungen.txt"));
        made.dbPath = QDir(made.folder).filePath(QStringLiteral("Formulierungshilfen.rbd"));
        if (!writeCollection(made.sentencesPath, made.stdPhrasesPath, CollectionSize{}, made.collection))
            std::fprintf(stderr, "cannot write the collection\n");
        if (!QFile::exists(made.dbPath)) {
            SentenceImporter::Counts counts;
            QStringList messages;
            if (!SentenceImporter::buildDatabase(made.sentencesPath, made.stdPhrasesPath, made.dbPath, counts,
                                                 messages))
                std::fprintf(stderr, "%s\n", messages.join(u'\n').toUtf8().constData());
        }
        made.db.setDatabaseFile(made.dbPath);
        if (!made.db.Connect())
            std::fprintf(stderr, "cannot open %s\n", made.dbPath.toUtf8().constData());
        return true;
    }();
    (void)ready;
    return made;
}

// The criteria the orienting page walks: "Kategorie : Subkategorie" lines
// with their super-categories.
struct Criterion
{
    QString superCategory;
    QString mainCategory;
    QString subCategory;
};

std::vector<Criterion> orientingCriteria()
{
    const auto lists = CategoryQueries::categories(fixture().db, kClass);
    const QStringList lines = lists.categories.split(EndOfLine());
    const QStringList supers = lists.superCategories.split(EndOfLine());
    std::vector<Criterion> criteria;
    for (int i = 0; i < lines.size() && int(criteria.size()) < kOrientingCriteria; ++i)
        criteria.push_back({supers.value(i), NthField(lines.at(i), QStringLiteral(" : "), 1),
                            NthField(lines.at(i), QStringLiteral(" : "), 2)});
    return criteria;
}

// 100 addresses of sentences valid for class 5, spread over the whole table.
QString numberList()
{
    QStringList items;
    for (int k = 0; k < kNumberListItems; ++k) {
        const int row = 25 * (k * 19 % 2000) + 10 + k % 5;
        items << QStringLiteral("%1-%2").arg(row + 1).arg(k % 2 + 1);
    }
    return items.join(QStringLiteral(", "));
}

// The statement with its values written in, as the sqlite3 tool gets it.
QString literal(const SqlStatement &statement)
{
    QString text;
    qsizetype next = 0;
    for (const QChar c : statement.sql) {
        if (c != u'?') {
            text += c;
            continue;
        }
        const QVariant &value = statement.values.at(next++);
        text += value.typeId() == QMetaType::QString ? sqlQuoted(value.toString()) : value.toString();
    }
    return text;
}

SqlStatement sectionListStatement()
{
    return SentenceQueries::sectionSentencesStatement(generatedSuperCategory(0), generatedMainCategory(0),
                                                      generatedSubCategory(0), 1, kClass.toInt(), false);
}

void BM_SuperCategories(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(CategoryQueries::columnList(fixture().db, CategoryQueries::superCategoriesStatement(kClass),
                                                             QStringLiteral("Oberkategorie")));
}

void BM_MainCategories(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(CategoryQueries::columnList(
            fixture().db, CategoryQueries::mainCategoriesStatement(kClass, generatedSuperCategory(0)),
            QStringLiteral("Kategorie")));
}

void BM_SubCategories(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(CategoryQueries::columnList(
            fixture().db,
            CategoryQueries::subCategoriesStatement(kClass, generatedSuperCategory(0), generatedMainCategory(0)),
            QStringLiteral("Subkategorie")));
}

void BM_Sections(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(
            CategoryQueries::columnList(fixture().db,
                                        CategoryQueries::sectionsStatement(kClass, generatedSuperCategory(0),
                                                                     generatedMainCategory(0), generatedSubCategory(0)),
                                        QStringLiteral("Note")));
}

void BM_Categories(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(CategoryQueries::categories(fixture().db, kClass));
}

void BM_SectionSentenceList(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(SentenceQueries::sectionSentences(fixture().db, generatedSuperCategory(0),
                                                                   generatedMainCategory(0), generatedSubCategory(0),
                                                                   QStringLiteral("1"), 5, false, false));
}

void BM_OrientingSections200(benchmark::State &state)
{
    const auto criteria = orientingCriteria();
    for (auto _ : state) {
        for (const Criterion &c : criteria)
            benchmark::DoNotOptimize(CategoryQueries::columnList(
                fixture().db, CategoryQueries::sectionsStatement(kClass, c.superCategory, c.mainCategory, c.subCategory),
                QStringLiteral("Note")));
    }
    state.counters["criteria"] = double(criteria.size());
}

void BM_NumberList100(benchmark::State &state)
{
    const QString list = numberList();
    QString expanded;
    for (auto _ : state) {
        expanded = SentenceQueries::expandNumberList(fixture().db, list, kClass, false);
        benchmark::DoNotOptimize(expanded);
    }
    state.counters["notices"] = double(expanded.count(QStringLiteral("***")) / 2);
}

// The build as the build tool runs it: all rows in one transaction.
void BM_ImportBuild(benchmark::State &state)
{
    const QString out = QDir(fixture().folder).filePath(QStringLiteral("Import.rbd"));
    int lines = 0;
    for (auto _ : state) {
        SentenceImporter::Counts counts;
        QStringList messages;
        SentenceImporter::buildDatabase(fixture().sentencesPath, fixture().stdPhrasesPath, out, counts, messages);
        lines = counts.sentenceLines + counts.stdLines;
    }
    state.counters["lines_per_s"]
        = benchmark::Counter(double(lines) * double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["lines"] = lines;
    SentenceImporter::removeDatabaseFile(out);
}

// The program's import command commits every row on its own; measured on
// the first 3,000 lines of the collection.
void BM_ImportRowCommitted(benchmark::State &state)
{
    QStringList lines;
    QString error;
    SentenceImporter::readLines(fixture().sentencesPath, lines, error);
    lines = lines.mid(0, 3000);
    const QString out = QDir(fixture().folder).filePath(QStringLiteral("Zeilenweise.rbd"));
    for (auto _ : state) {
        Database db;
        QStringList errors;
        SentenceImporter::createDatabaseFile(db, out, errors);
        SentenceImporter::Counts counts;
        SentenceImporter::importSentences(
            lines,
            [&db](const SentenceImporter::SentenceRecord &r) {
                const bool stored = SentenceImporter::insertSentenceRecord(db, r);
                db.Commit();
                return stored;
            },
            counts);
    }
    state.counters["lines_per_s"]
        = benchmark::Counter(double(lines.size()) * double(state.iterations()), benchmark::Counter::kIsRate);
    SentenceImporter::removeDatabaseFile(out);
}

BENCHMARK(BM_SuperCategories)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MainCategories)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SubCategories)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sections)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Categories)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SectionSentenceList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OrientingSections200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NumberList100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportBuild)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ImportRowCommitted)->Unit(benchmark::kMillisecond)->Iterations(1);

bool writeSql(const QString &folder, const QString &name, const QStringList &statements)
{
    QFile file(QDir(folder).filePath(name + QStringLiteral(".sql")));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QString &statement : statements)
        file.write(statement.toUtf8() + ";\n");
    return true;
}

int printSql(const QString &folder)
{
    QDir().mkpath(folder);
    const QString s = generatedSuperCategory(0);
    const QString m = generatedMainCategory(0);
    const QString u = generatedSubCategory(0);
    QStringList orienting;
    for (const Criterion &c : orientingCriteria())
        orienting << literal(CategoryQueries::sectionsStatement(kClass, c.superCategory, c.mainCategory, c.subCategory));
    QStringList numbers;
    const QString list = numberList();
    for (int i = 1; i <= CountFields(list, QStringLiteral(",")); ++i)
        numbers << literal(SentenceQueries::numberSentencesStatement(
            ValInt(NthField(NthField(list, QStringLiteral(","), i), QStringLiteral("-"), 1)), kClass.toInt(), false));
    const bool ok
        = writeSql(folder, QStringLiteral("BM_SuperCategories"), {literal(CategoryQueries::superCategoriesStatement(kClass))})
          && writeSql(folder, QStringLiteral("BM_MainCategories"), {literal(CategoryQueries::mainCategoriesStatement(kClass, s))})
          && writeSql(folder, QStringLiteral("BM_SubCategories"), {literal(CategoryQueries::subCategoriesStatement(kClass, s, m))})
          && writeSql(folder, QStringLiteral("BM_Sections"), {literal(CategoryQueries::sectionsStatement(kClass, s, m, u))})
          && writeSql(folder, QStringLiteral("BM_Categories"), {literal(CategoryQueries::categoriesStatement(kClass))})
          && writeSql(folder, QStringLiteral("BM_SectionSentenceList"), {literal(sectionListStatement())})
          && writeSql(folder, QStringLiteral("BM_OrientingSections200"), orienting)
          && writeSql(folder, QStringLiteral("BM_NumberList100"), numbers);
    std::printf("%s\n", fixture().dbPath.toUtf8().constData());
    return ok ? 0 : 1;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--print-sql") == 0)
        return printSql(QString::fromLocal8Bit(argv[2]));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    fixture();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
