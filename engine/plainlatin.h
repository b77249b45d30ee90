#pragma once

#include <QString>

#include <memory>

// ICU's transliterator "Any-Latin; Latin-ASCII": any script to plain ASCII Latin
// ("Привет" to "Privet", "Straße" to "Strasse"). Making one is expensive (ICU builds its
// rule tables), so a pass makes one and uses it for all its items; an ICU transliterator
// is not made for use by several threads at once, so each pass has its own.
class PlainLatinTransliterator {
public:
    PlainLatinTransliterator();
    ~PlainLatinTransliterator();
    PlainLatinTransliterator(const PlainLatinTransliterator&) = delete;
    PlainLatinTransliterator& operator=(const PlainLatinTransliterator&) = delete;

    // False when ICU could not make the transliterator; errorText() says why.
    bool isValid() const;
    QString errorText() const;

    // The text in plain Latin; throws std::runtime_error when the transliterator is not valid.
    QString transliterate(const QString& text) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
