// General option 12: the base name in plain Latin through ICU's "Any-Latin; Latin-ASCII".
#include "engine/plainlatin.h"
#include "engine/renamingmethods.h"
#include "platform/edition.h"
#include "renamingtestsupport.h"

namespace {

// With the pass's transliterator, or without one (the call makes its own).
QString transliterated(const QString& name, std::shared_ptr<const PlainLatinTransliterator> plainLatin = nullptr)
{
    FileSystemItem item = itemNamed(name);
    GeneralOptions options;
    options.change = GeneralChange::PlainLatin;
    options.plainLatin = std::move(plainLatin);
    const MethodResult result = renameByGeneral(item, options);
    EXPECT_TRUE(result.ok()) << result.error.toStdString();
    expectSafeName(item);
    return item.newFilename;
}

} // namespace

TEST(TransliterateTest, TheFourExamplesOfTheFeature)
{
    EXPECT_EQ(transliterated(QStringLiteral("Ærøskøbing Café")), "AEroskobing Cafe");
    EXPECT_EQ(transliterated(QStringLiteral("Привет")), "Privet");
    EXPECT_EQ(transliterated(QStringLiteral("Αθήνα")), "Athena");
    EXPECT_EQ(transliterated(QStringLiteral("Straße Übung")), "Strasse Ubung");
}

// What ICU gives for each script (read once by eye: these are the readings a person of
// that language would recognise, in ICU's romanisations).
TEST(TransliterateTest, EveryScriptComesOutInLatinLetters)
{
    const auto plainLatin = std::make_shared<const PlainLatinTransliterator>();
    ASSERT_TRUE(plainLatin->isValid()) << plainLatin->errorText().toStdString();
    const struct {
        const char* script;
        const char* name;
        const char* expected;
    } cases[] = {
        {"Latin with diacritics", "Łódź Żółć Ŝaŭmo.txt", "Lodz Zolc Saumo.txt"},
        {"Cyrillic", "Привет мир.doc", "Privet mir.doc"},
        {"Greek", "Ελληνικά Ἀθῆναι.jpg", "Ellenika Athenai.jpg"},
        {"German sharp s", "Fußball Größe.pdf", "Fussball Grosse.pdf"},
        {"Arabic", "مرحبا بالعالم.txt", "mrhba bal\u02BFalm.txt"},
        {"Hebrew", "שלום עולם.txt", "slwm 'wlm.txt"},
        {"Han", "北京欢迎你.png", "bei jing huan ying ni.png"},
        {"Hiragana and Katakana", "ひらがな カタカナ.mp3", "hiragana katakana.mp3"},
        {"Hangul", "서울 특별시.txt", "seoul teugbyeolsi.txt"},
        {"Devanagari", "नमस्ते दुनिया.txt", "namaste duniya.txt"},
        {"Thai", "สวัสดีครับ.txt", "swasdi khrab.txt"},
        {"Bopomofo", "ㄅㄆ.txt", "bp.txt"},
        {"punctuation", "Ça va — « oui ».txt", "Ca va - << oui >>.txt"},
        {"ligature", "ﬁle.txt", "file.txt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(transliterated(QString::fromUtf8(c.name), plainLatin), QString::fromUtf8(c.expected)) << c.script;
}

TEST(TransliterateTest, TheExtensionAndPlainNamesStayAsTheyAre)
{
    // The extension is never transliterated.
    EXPECT_EQ(transliterated(QStringLiteral("Αθήνα.ΤΧΤ")), "Athena.ΤΧΤ");
    EXPECT_EQ(transliterated(QStringLiteral("plain name.txt")), "plain name.txt");
    // What has no Latin form stays (an emoji), and a stored ":" stays a ":".
    EXPECT_EQ(transliterated(QStringLiteral("a\U0001F600:б.txt")), "a\U0001F600:b.txt");
}

TEST(TransliterateTest, ANameThatComesOutEmptyKeepsItsOldName)
{
    // The iteration mark and the virama have no Latin form of their own.
    EXPECT_EQ(transliterated(QStringLiteral("ゝ.txt")), "ゝ.txt");
    EXPECT_EQ(transliterated(QStringLiteral("\u094D")), "\u094D");
}

TEST(TransliterateTest, TheEarlierEditionHasNoOptionTwelve)
{
    Edition::select(Edition::Kind::Quorvel2);
    const QString name = transliterated(QStringLiteral("Привет.txt"));
    Edition::select(Edition::Kind::Quorvel);
    EXPECT_EQ(name, "Привет.txt");
}
