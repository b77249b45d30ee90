#pragma once

#include <QByteArrayView>
#include <QLatin1StringView>
#include <QString>

#include <optional>

// Values of the XMP packet embedded in an image file, found by searching the file's raw
// bytes for ASCII markers. The file may be tens of megabytes of binary image data, so the
// bytes are searched as they are (ASCII letters compared without regard to case) and
// never converted to a string as a whole.
namespace XmpText {

// Position of the first occurrence of needle (ASCII, compared ignoring ASCII case) at or
// after from; -1 when there is none.
qsizetype indexOfIgnoringCase(QByteArrayView bytes, QByteArrayView needle, qsizetype from = 0);

// The text between the first "<name>" and the first "</name>" after it (the property
// written as an element), or, when there is no such element, the value of the first
// name="..." attribute (the compact form XMP writers such as Exiv2 and current Adobe
// programs use for simple properties). Nothing when neither form is present. The bytes
// are decoded as UTF-8 (XMP's encoding), or as Latin-1 when they are not valid UTF-8.
std::optional<QString> propertyText(QByteArrayView bytes, QLatin1StringView name);

} // namespace XmpText
