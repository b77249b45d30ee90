// A settings dictionary from an arbitrary property list, as a profile or the defaults
// store hands it over: applied all or nothing, and what applied saves and loads back the same.
#include "fuzzsupport.h"
#include "valuecompare.h"

#include "engine/settings.h"
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
    const std::optional<QVariant> root = Plist::read(bytes);
    if (!root || root->userType() != QMetaType::QVariantMap)
        return 0;
    const QVariantMap dictionary = root->toMap();

    Settings settings;
    const QVariantMap before = settings.getCurrentSettings();
    QString why;
    if (!settings.setSettings(dictionary, &why)) {
        QString where;
        FUZZ_CHECK(sameValue(before, settings.getCurrentSettings(), &where),
                   QStringLiteral("a refused dictionary changed the record: ") + where);
        return 0;
    }

    // What applied is what a profile saves; it must load into a fresh record unchanged.
    const QVariantMap applied = settings.getCurrentSettings();
    Settings again;
    FUZZ_CHECK(again.setSettings(applied, &why), QStringLiteral("the record's own dictionary is refused: ") + why);
    QString where;
    FUZZ_CHECK(sameValue(applied, again.getCurrentSettings(), &where), where);

    // The same through a profile file's XML form.
    const QByteArray xml = Plist::write(applied, Plist::Format::Xml, &why);
    FUZZ_CHECK(!xml.isEmpty(), QStringLiteral("the record's dictionary cannot be written: ") + why);
    const std::optional<QVariant> reread = Plist::read(xml, &why);
    FUZZ_CHECK(reread && reread->userType() == QMetaType::QVariantMap,
               QStringLiteral("a written profile does not read: ") + why);
    Settings loaded;
    FUZZ_CHECK(loaded.setSettings(reread->toMap(), &why), QStringLiteral("a written profile is refused: ") + why);
    return 0;
}
