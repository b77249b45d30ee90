// Property lists, keyed archives and archived metadata field lists from arbitrary bytes:
// no crash, and whatever reads cleanly writes back to the same values.
#include "fuzzsupport.h"
#include "valuecompare.h"

#include "engine/metadatafield.h"
#include "platform/keyedarchiver.h"
#include "platform/plist.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QString why;

    // A plain property list: read, write as binary (which holds every value exactly), read again.
    if (const std::optional<QVariant> value = Plist::read(bytes, &why)) {
        const QByteArray written = Plist::write(*value, Plist::Format::Binary, &why);
        if (!written.isEmpty()) {
            const std::optional<QVariant> back = Plist::read(written, &why);
            FUZZ_CHECK(back.has_value(), QStringLiteral("a written property list does not read: ") + why);
            QString where;
            FUZZ_CHECK(sameValue(*value, *back, &where), where);
        }
        // The XML form must at least read back.
        const QByteArray xml = Plist::write(*value, Plist::Format::Xml, &why);
        if (!xml.isEmpty())
            FUZZ_CHECK(Plist::read(xml, &why).has_value(), QStringLiteral("written XML does not read: ") + why);
    }

    // A keyed archive: unarchive, archive again, unarchive again.
    if (const std::optional<QVariant> value = KeyedArchiver::unarchive(bytes, &why)) {
        const QByteArray archived = KeyedArchiver::archive(*value, &why);
        if (!archived.isEmpty()) {
            const std::optional<QVariant> back = KeyedArchiver::unarchive(archived, &why);
            FUZZ_CHECK(back.has_value(), QStringLiteral("an archive written here does not read: ") + why);
            QString where;
            FUZZ_CHECK(sameValue(*value, *back, &where), where);
        }
    }

    // The photo method's field list as a settings dictionary holds it.
    if (const std::optional<QList<MetaDataField>> fields = MetaDataField::unarchiveList(bytes, &why)) {
        const std::optional<QList<MetaDataField>> back =
            MetaDataField::unarchiveList(MetaDataField::archiveList(*fields), &why);
        FUZZ_CHECK(back.has_value(), QStringLiteral("an archived field list does not read: ") + why);
        FUZZ_CHECK(*back == *fields, QStringLiteral("the field list changed in a round trip"));
    }
    return 0;
}
