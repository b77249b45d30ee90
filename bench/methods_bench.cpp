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
            v.push_back(
                FileSystemItem::withKind(QStringLiteral("/home/user/Pictures/2010/Trip/") + name, ItemType::File));
        }
        return v;
    }();
    return list;
}

// Runs one method over every name per iteration; each name starts fresh. The method's
// options are made once, as a pass makes them.
template <typename Method>
void overAllNames(benchmark::State& state, Method&& method)
{
    std::vector<FileSystemItem>& list = items();
    QString error;
    for (auto _ : state) {
        for (FileSystemItem& item : list) {
            item.newFilename.clear();
            shareWithPass(method(item), error);
        }
        benchmark::DoNotOptimize(list.back().newFilename.constData());
    }
    if (!error.isEmpty())
        state.SkipWithError(error.toStdString().c_str());
    state.SetItemsProcessed(state.iterations() * kNames);
    state.counters["per_name"] = benchmark::Counter(double(state.iterations()) * kNames,
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

ReplaceRemoveOptions replacing(const QString& find, const QString& with, ReplaceRemoveOptions::Mode mode)
{
    ReplaceRemoveOptions o;
    o.mode = mode;
    o.find = find;
    o.replacement = with;
    return o;
}

GeneralOptions general(GeneralChange change)
{
    GeneralOptions o;
    o.change = change;
    return o;
}

const DatePattern::Pieces kDate{QStringLiteral("dd"), QString(), QStringLiteral("MM"), QString(),
                                QStringLiteral("yyyy")};
const DatePattern::Pieces kTime{QStringLiteral("HH"), QString(), QStringLiteral("mm"), QString(),
                                QStringLiteral("ss")};

void BM_ReplaceRemove(benchmark::State& state)
{
    const ReplaceRemoveOptions o =
        replacing(QStringLiteral("_"), QStringLiteral(" "), ReplaceRemoveOptions::Mode::Replace);
    overAllNames(state, [&](FileSystemItem& item) { return renameByReplaceRemove(item, o); });
}

void BM_RemoveCharacters(benchmark::State& state)
{
    const ReplaceRemoveOptions o =
        replacing(QStringLiteral("aeiou"), QString(), ReplaceRemoveOptions::Mode::RemoveCharacters);
    overAllNames(state, [&](FileSystemItem& item) { return renameByReplaceRemove(item, o); });
}

void BM_RegularExpressionGroups(benchmark::State& state)
{
    ReplaceRemoveOptions o = replacing(QStringLiteral(R"(^IMG_(\d+) (.*)$)"), QStringLiteral(R"(\2 \1)"),
                                       ReplaceRemoveOptions::Mode::Replace);
    o.isRegularExpression = true;
    o.expression = FindExpression::compile(o.find, false);
    overAllNames(state, [&](FileSystemItem& item) { return renameByRegularExpression(item, o); });
}

// One transliterator for the whole run, as a pass makes it.
void BM_GeneralTransliterate(benchmark::State& state)
{
    GeneralOptions o = general(GeneralChange::PlainLatin);
    o.plainLatin = std::make_shared<const PlainLatinTransliterator>();
    overAllNames(state, [&](FileSystemItem& item) { return renameByGeneral(item, o); });
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
    GeneralOptions o = general(GeneralChange::NameCase);
    o.nameCase = LetterCase::Capitalized;
    overAllNames(state, [&](FileSystemItem& item) { return renameByGeneral(item, o); });
}

void BM_GeneralCompatible(benchmark::State& state)
{
    GeneralOptions o = general(GeneralChange::OtherFileSystems);
    o.compatibleReplacement = QStringLiteral("_");
    overAllNames(state, [&](FileSystemItem& item) { return renameByGeneral(item, o); });
}

void BM_InsertAtPosition(benchmark::State& state)
{
    InsertOptions o;
    o.text = QStringLiteral("-x-");
    o.where.placement = Placement::AtPosition;
    o.where.position = 5;
    o.where.positionFrom = CountFrom::End;
    overAllNames(state, [&](FileSystemItem& item) { return renameByInsert(item, o); });
}

void BM_Delete(benchmark::State& state)
{
    const DeleteOptions o{CountFrom::End, 2, 3};
    overAllNames(state, [&](FileSystemItem& item) { return renameByDelete(item, o); });
}

void BM_Numeric(benchmark::State& state)
{
    SequenceOptions o;
    o.where = SequenceOptions::Where::BeforeName;
    o.separator = QStringLiteral("_");
    o.paddingMask = QStringLiteral("000000");
    qint64 counter = 1;
    overAllNames(state, [&](FileSystemItem& item) { return renameByNumeric(item, o, counter); });
}

void BM_Alphabetic(benchmark::State& state)
{
    SequenceOptions o;
    o.kind = SequenceOptions::Kind::Letters;
    o.where = SequenceOptions::Where::AfterName;
    o.separator = QStringLiteral("-");
    QString counter = QStringLiteral("a");
    overAllNames(state, [&](FileSystemItem& item) { return renameByAlphabetic(item, o, counter); });
}

void BM_PrefixSuffixText(benchmark::State& state)
{
    PrefixSuffixOptions o;
    o.prefix = QStringLiteral("IMG_");
    o.suffix = QStringLiteral("_v2");
    o.date = kDate;
    o.time = kTime;
    overAllNames(state, [&](FileSystemItem& item) { return renameByPrefixSuffix(item, o); });
}

void BM_PrefixSuffixCurrentDate(benchmark::State& state)
{
    PrefixSuffixOptions o;
    o.mode = PrefixSuffixOptions::Mode::Date;
    o.fileDate = PrefixSuffixOptions::FileDate::Now;
    o.dateBeforeName = true;
    o.date = kDate;
    o.time = kTime;
    o.dateSuffix = QStringLiteral("_");
    overAllNames(state, [&](FileSystemItem& item) { return renameByPrefixSuffix(item, o); });
}

void BM_DateTimeCustomDate(benchmark::State& state)
{
    DateTimeOptions o;
    o.source = DateTimeOptions::Source::Custom;
    o.customDate = QDateTime(QDate(2010, 3, 7), QTime(14, 5, 9));
    o.date = {QStringLiteral("dd"), QStringLiteral("-"), QStringLiteral("MM"), QStringLiteral("-"),
              QStringLiteral("yyyy")};
    o.time = kTime;
    o.separator = QStringLiteral("_");
    o.suffix = QStringLiteral(" ");
    overAllNames(state, [&](FileSystemItem& item) { return renameByDateTime(item, o); });
}

void BM_PathComponents(benchmark::State& state)
{
    PathComponentsOptions o;
    o.levels = 2;
    o.separator = QStringLiteral("-");
    o.suffix = QStringLiteral("_");
    overAllNames(state, [&](FileSystemItem& item) { return renameByPathComponents(item, o); });
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
