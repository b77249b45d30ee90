#include "engine/plainlatin.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>
#include <unicode/utypes.h>

#include <stdexcept>

struct PlainLatinTransliterator::Impl {
    std::unique_ptr<icu::Transliterator> transliterator;
    QString error;
};

PlainLatinTransliterator::PlainLatinTransliterator()
    : impl_(std::make_unique<Impl>())
{
    UErrorCode status = U_ZERO_ERROR;
    impl_->transliterator.reset(
        icu::Transliterator::createInstance(icu::UnicodeString(u"Any-Latin; Latin-ASCII"), UTRANS_FORWARD, status));
    if (U_FAILURE(status) || !impl_->transliterator) {
        impl_->transliterator.reset();
        impl_->error = QStringLiteral("the transliterator \"Any-Latin; Latin-ASCII\" is not available (%1)")
                           .arg(QString::fromLatin1(u_errorName(status)));
    }
}

PlainLatinTransliterator::~PlainLatinTransliterator() = default;

bool PlainLatinTransliterator::isValid() const
{
    return impl_->transliterator != nullptr;
}

QString PlainLatinTransliterator::errorText() const
{
    return impl_->error;
}

QString PlainLatinTransliterator::transliterate(const QString& text) const
{
    if (!impl_->transliterator)
        throw std::runtime_error(impl_->error.toStdString());
    icu::UnicodeString s(reinterpret_cast<const UChar*>(text.utf16()), int32_t(text.size()));
    impl_->transliterator->transliterate(s);
    return QString(reinterpret_cast<const QChar*>(s.getBuffer()), s.length());
}
