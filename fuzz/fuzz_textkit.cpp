// The text toolkit with arbitrary texts (any UTF-16 code units, unpaired surrogates too)
// and arbitrary integers. A RangeError is accepted exactly where the toolkit documents it;
// any other exception, crash or broken property is a finding.
#include "fuzzsupport.h"

#include "engine/alphabeticcounter.h"
#include "engine/filename.h"
#include "engine/filescomparison.h"
#include "engine/rangeerror.h"
#include "engine/stringutilities.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <iterator>
#include <cstdint>

namespace {

QString text(FuzzedDataProvider& in)
{
    const size_t units = in.ConsumeIntegralInRange<size_t>(0, 40);
    QString out;
    if (in.ConsumeBool()) {
        // Mostly a small alphabet, so that needles are found.
        // ß, İ (whose lower case is two units long) and the two halves of an emoji.
        static const char16_t alphabet[] = {u'a', u'A', u'b', u'B', u'.', u'-', u'_', u' ', u':', u'/', u'1',
                                            u'Z', 0x00E9, 0x00DF, 0x0130, 0xD83D, 0xDE00};
        for (size_t i = 0; i < units; ++i)
            out += QChar(alphabet[in.ConsumeIntegralInRange<size_t>(0, std::size(alphabet) - 1)]);
    } else {
        for (size_t i = 0; i < units; ++i)
            out += QChar(in.ConsumeIntegral<char16_t>());
    }
    return out;
}

qsizetype number(FuzzedDataProvider& in)
{
    // Small values near the interesting edges, now and then anything at all.
    return in.ConsumeBool() ? qsizetype(in.ConsumeIntegralInRange<int>(-3, 45)) : in.ConsumeIntegral<qsizetype>();
}

// Runs call, which must throw RangeError exactly when documentedFailure holds.
template <typename Call>
void expectRange(bool documentedFailure, const char* name, Call call)
{
    bool threw = false;
    try {
        call();
    } catch (const RangeError&) {
        threw = true;
    }
    FUZZ_CHECK(threw == documentedFailure,
               QStringLiteral("%1 %2 a RangeError").arg(QLatin1String(name), threw ? QStringLiteral("threw") : QStringLiteral("did not throw")));
}

int sign(int v)
{
    return (v > 0) - (v < 0);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const QString a = text(in), b = text(in), c = text(in);
    const qsizetype n = number(in), m = number(in);
    const bool cs = in.ConsumeBool(), before = in.ConsumeBool();

    expectRange(n < 1 || n > a.size() + 1, "instrString", [&] {
        const qsizetype at = StringUtilities::instrString(a, b, n, cs);
        FUZZ_CHECK(at == 0 || (at >= n && at + b.size() - 1 <= a.size()), QString::number(at));
        if (at > 0)
            FUZZ_CHECK(QStringView(a).mid(at - 1, b.size()).compare(b, cs ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0,
                       QStringLiteral("instrString reports a place that does not match"));
    });
    {
        const qsizetype at = StringUtilities::findLocationInString(a, b, m, cs);
        FUZZ_CHECK(at >= 0 && at + (at ? b.size() - 1 : 0) <= a.size(), QString::number(at));
    }
    {
        const QString left = StringUtilities::leftString(a, n);
        FUZZ_CHECK(left.size() == ((n < 0 || n > a.size()) ? a.size() : n), QStringLiteral("leftString length"));
        const QString mid = StringUtilities::midString(a, n, m);
        FUZZ_CHECK(mid.size() <= a.size() && a.contains(mid), QStringLiteral("midString is not a part of the text"));
    }
    expectRange(n < 1, "replaceString", [&] {
        const QString replaced = StringUtilities::replaceString(a, b, c, n, m, cs);
        if (b.isEmpty() || m == 0)
            FUZZ_CHECK(replaced == QStringView(a).mid(std::min(n - 1, a.size())), QStringLiteral("replaceString changed the text without a needle"));
    });
    expectRange(n < 1, "removeString", [&] {
        const QString removed = StringUtilities::removeString(a, b, c, n, m, cs);
        FUZZ_CHECK(removed.size() <= a.size(), QStringLiteral("removeString made the text longer"));
    });
    {
        const QString inserted = StringUtilities::insertString(a, b, c, m, before, cs);
        FUZZ_CHECK(inserted == a || inserted.size() == a.size() + c.size(), QStringLiteral("insertString length"));
    }
    FUZZ_CHECK(StringUtilities::reverseString(StringUtilities::reverseString(a)) == a, QStringLiteral("reverse twice"));
    FUZZ_CHECK(StringUtilities::swapStringBySeparator(a, b).size() == a.size(), QStringLiteral("swap by separator length"));
    expectRange(n < 0, "swapStringByPosition", [&] {
        FUZZ_CHECK(StringUtilities::swapStringByPosition(a, n).size() == a.size(), QStringLiteral("swap by position length"));
    });
    (void)StringUtilities::isAlphabeticNumericInRange(a);
    expectRange(!a.isEmpty() && a != QLatin1String("0000:00:00 00:00:00") && a.size() < 10, "stringToFormattedDate",
                [&] { (void)StringUtilities::stringToFormattedDate(a); });
    (void)StringUtilities::dateFromString(a);
    (void)StringUtilities::isFileVersionMatch(in.ConsumeBool() ? std::optional<QString>(a) : std::nullopt);

    // The alphabetic counter, stepped as the sequence method steps it.
    {
        const int by = in.ConsumeBool() ? in.ConsumeIntegralInRange<int>(1, 26) : in.ConsumeIntegral<int>();
        const QString next = nextAlphabeticNumber(b, by);
        const QString previous = previousAlphabeticNumber(b, by);
        if (b.isEmpty())
            FUZZ_CHECK(next.isEmpty() && previous.isEmpty(), QStringLiteral("an empty counter changed"));
    }

    // Names: base and extension rebuild the name; the natural order is a total order.
    {
        const NameParts parts = splitName(a);
        FUZZ_CHECK(joinName(parts.base, parts.extension) == a, QStringLiteral("split and join"));
        (void)isUsableFileName(a);
        FUZZ_CHECK(compareFiles(a, a) == 0, QStringLiteral("compareFiles(a, a)"));
        const int ab = sign(compareFiles(a, b)), ba = sign(compareFiles(b, a));
        FUZZ_CHECK(ab == -ba, QStringLiteral("compareFiles is not antisymmetric: ") + a + QStringLiteral(" | ") + b);
        FUZZ_CHECK(ab != 0 || a == b, QStringLiteral("compareFiles ties two different texts"));
        const int bc = sign(compareFiles(b, c)), ac = sign(compareFiles(a, c));
        if (ab < 0 && bc < 0)
            FUZZ_CHECK(ac < 0, QStringLiteral("compareFiles is not transitive: ") + a + QStringLiteral(" | ") + b + QStringLiteral(" | ") + c);
    }
    return 0;
}
