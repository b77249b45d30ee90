// The text renaming methods over 100,000 names held in memory (no disk: the date methods
// use the current date or a chosen date, so nothing is read from the file system).
// Reports the time per name.
#include "engine/filesystemitem.h"
#include "engine/findexpression.h"
#include "engine/plainlatin.h"
#include "engine/renamingmethods.h"

#include <QDateTime>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kNames = 100000;

std::vector<FileSystemItem>& items()
{
    static std::vector<FileSystemItem> list = [] {
        std::vector<FileSystemItem> v;
        v.reserve(kNames);
        for (int i = 0; i < kNames; ++i) {
            const QString name = QStringLiteral("IMG_%1 summer holiday_beach-%2.JPG").arg(i, 5, 10, QLatin1Char('0')).arg(i % 97);
            v.push_back(FileSystemItem::withKind(QStringLiteral("/home/user/Pictures/2010/Trip/") + name, 0));
        }
        return v;
    }();
    return list;
}

// Runs one method over every name per iteration; each name starts fresh.
template <typename Method>
void overAllNames(benchmark::State& state, Method&& method)
{
    std::vector<FileSystemItem>& list = items();
    QString error;
    for (auto _ : state) {
        for (FileSystemItem& item : list) {
            item.newFilename.clear();
            method(item, error);
        }
        benchmark::DoNotOptimize(list.back().newFilename.constData());
    }
    if (!error.isEmpty())
        state.SkipWithError(error.toStdString().c_str());
    state.SetItemsProcessed(state.iterations() * kNames);
    state.counters["per_name"] = benchmark::Counter(double(state.iterations()) * kNames,
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_ReplaceRemove(benchmark::State& state)
{
    overAllNames(state, [](FileSystemItem& item, QString& error) {
        renameByReplaceRemove(item, QStringLiteral("_"), QStringLiteral(" "), false, false, 1, 1, -1, 0, error);
    });
}

void BM_RemoveCharacters(benchmark::State& state)
{
    overAllNames(state, [](FileSystemItem& item, QString& error) {
        renameByReplaceRemove(item, QStringLiteral("aeiou"), QString(), false, true, 1, 1, -1, 0, error);
    });
}

void BM_RegularExpressionGroups(benchmark::State& state)
{
    const QRegularExpression expression = FindExpression::compile(QStringLiteral(R"(^IMG_(\d+) (.*)$)"), false);
    overAllNames(state, [&](FileSystemItem& item, QString& error) {
        renameByRegularExpression(item, expression, QStringLiteral(R"(\2 \1)"), 1, 1, -1, 0, error);
    });
}

// One transliterator for the whole run, as a pass makes it.
void BM_GeneralTransliterate(benchmark::State& state)
{
    const QString one = QStringLiteral("1");
    const PlainLatinTransliterator plainLatin;
    overAllNames(state, [&](FileSystemItem& item, QString& error) {
        renameByGeneral(item, 12, 1, 1, QString(), QString(), one, QString(), QString(), one, one, QString(),
                        QString(), error, &plainLatin);
    });
}

// What making the transliterator costs, which is why a pass makes it only once.
void BM_MakeTransliterator(benchmark::State& state)
{
    for (auto _ : state) {
        PlainLatinTransliterator plainLatin;
        benchmark::DoNotOptimize(plainLatin.isValid());
    }
}

void BM_GeneralCapitalize(benchmark::State& state)
{
    const QString one = QStringLiteral("1");
    overAllNames(state, [&](FileSystemItem& item, QString& error) {
        renameByGeneral(item, 0, 3, 1, QString(), QString(), one, QString(), QString(), one, one, QString(), QString(),
                        error);
    });
}

void BM_GeneralCompatible(benchmark::State& state)
{
    const QString one = QStringLiteral("1");
    overAllNames(state, [&](FileSystemItem& item, QString& error) {
        renameByGeneral(item, 11, 1, 1, QString(), QString(), one, QString(), QString(), one, one,
                        QStringLiteral("_"), QString(), error);
    });
}

void BM_InsertAtPosition(benchmark::State& state)
{
    overAllNames(state, [](FileSystemItem& item, QString& error) {
        renameByInsert(item, QStringLiteral("-x-"), 2, 5, 1, QString(), 1, QString(), 1, error);
    });
}

void BM_Delete(benchmark::State& state)
{
    overAllNames(state, [](FileSystemItem& item, QString& error) { renameByDelete(item, true, 2, 3, error); });
}

void BM_Numeric(benchmark::State& state)
{
    qint64 counter = 1;
    overAllNames(state, [&](FileSystemItem& item, QString& error) {
        renameByNumeric(item, true, false, true, false, true, QStringLiteral("_"), QStringLiteral("000000"), counter,
                        1, 1, error);
    });
}

void BM_Alphabetic(benchmark::State& state)
{
    QString counter = QStringLiteral("a");
    overAllNames(state, [&](FileSystemItem& item, QString& error) {
        renameByAlphabetic(item, true, false, false, true, true, QStringLiteral("-"), QString(), counter, 1, 1,
                           error);
    });
}

void BM_PrefixSuffixText(benchmark::State& state)
{
    const QString dd = QStringLiteral("dd"), mm = QStringLiteral("MM"), yyyy = QStringLiteral("yyyy");
    const QString hh = QStringLiteral("HH"), mi = QStringLiteral("mm"), ss = QStringLiteral("ss");
    overAllNames(state, [&](FileSystemItem& item, QString& error) {
        renameByPrefixSuffix(item, QStringLiteral("IMG_"), QStringLiteral("_v2"), true, false, 0, true, false, dd,
                             QString(), mm, QString(), yyyy, hh, QString(), mi, QString(), ss, QString(), QString(),
                             error);
    });
}

void BM_PrefixSuffixCurrentDate(benchmark::State& state)
{
    const QString dd = QStringLiteral("dd"), mm = QStringLiteral("MM"), yyyy = QStringLiteral("yyyy");
    const QString hh = QStringLiteral("HH"), mi = QStringLiteral("mm"), ss = QStringLiteral("ss");
    overAllNames(state, [&](FileSystemItem& item, QString& error) {
        renameByPrefixSuffix(item, QString(), QString(), false, true, 0, true, false, dd, QString(), mm, QString(),
                             yyyy, hh, QString(), mi, QString(), ss, QString(), QStringLiteral("_"), error);
    });
}

void BM_DateTimeCustomDate(benchmark::State& state)
{
    const QDateTime date(QDate(2010, 3, 7), QTime(14, 5, 9));
    const QString dd = QStringLiteral("dd"), mm = QStringLiteral("MM"), yyyy = QStringLiteral("yyyy");
    const QString hh = QStringLiteral("HH"), mi = QStringLiteral("mm"), ss = QStringLiteral("ss");
    overAllNames(state, [&](FileSystemItem& item, QString& error) {
        renameByDateTime(item, 2, date, 0, 1, 0, QString(), 1, QString(), 1, true, true, dd, QStringLiteral("-"), mm,
                         QStringLiteral("-"), yyyy, hh, QString(), mi, QString(), ss, false, QString(),
                         QStringLiteral("_"), QString(), QStringLiteral(" "), error);
    });
}

void BM_PathComponents(benchmark::State& state)
{
    overAllNames(state, [](FileSystemItem& item, QString& error) {
        renameByPathComponents(item, 2, 0, 1, 0, QString(), 1, QString(), 1, QStringLiteral("-"), QString(),
                               QStringLiteral("_"), error);
    });
}

} // namespace

BENCHMARK(BM_ReplaceRemove)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveCharacters)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegularExpressionGroups)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeneralTransliterate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MakeTransliterator)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GeneralCapitalize)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeneralCompatible)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertAtPosition)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Delete)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Numeric)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Alphabetic)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrefixSuffixText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrefixSuffixCurrentDate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DateTimeCustomDate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PathComponents)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
