#include "engine/encodingrepair.h"

#include <QStringDecoder>

#include <stdexcept>
#include <unicode/ucnv.h>

struct EncodingRepair::Impl {
    QString name;
    UConverter* converter = nullptr;
};

EncodingRepair::EncodingRepair(const QString& converterName)
    : impl_(std::make_unique<Impl>())
{
    impl_->name = converterName;
    // An empty name would open the system's default converter: never what was asked for.
    if (converterName.trimmed().isEmpty())
        return;
    UErrorCode status = U_ZERO_ERROR;
    UConverter* converter = ucnv_open(converterName.toUtf8().constData(), &status);
    if (U_FAILURE(status) || !converter)
        return;
    // A character the encoding cannot hold ends the conversion: no substitute byte.
    ucnv_setFromUCallBack(converter, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    if (U_FAILURE(status)) {
        ucnv_close(converter);
        return;
    }
    impl_->converter = converter;
}

EncodingRepair::~EncodingRepair()
{
    if (impl_->converter)
        ucnv_close(impl_->converter);
}

bool EncodingRepair::isValid() const
{
    return impl_->converter != nullptr;
}

QString EncodingRepair::errorText() const
{
    return isValid() ? QString() : QStringLiteral("no converter is named \"%1\"").arg(impl_->name);
}

std::optional<QString> EncodingRepair::repaired(const QString& text) const
{
    if (!isValid())
        throw std::runtime_error(errorText().toStdString());
    ucnv_resetFromUnicode(impl_->converter);
    const auto* source = reinterpret_cast<const UChar*>(text.utf16());
    const auto length = int32_t(text.size());
    UErrorCode status = U_ZERO_ERROR;
    const int32_t needed = ucnv_fromUChars(impl_->converter, nullptr, 0, source, length, &status);
    if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status))
        return std::nullopt;
    QByteArray bytes(needed, Qt::Uninitialized);
    status = U_ZERO_ERROR;
    ucnv_resetFromUnicode(impl_->converter);
    ucnv_fromUChars(impl_->converter, bytes.data(), needed, source, length, &status);
    if (U_FAILURE(status))
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString result = utf8.decode(bytes);
    if (utf8.hasError() || result == text)
        return std::nullopt;
    return result;
}
