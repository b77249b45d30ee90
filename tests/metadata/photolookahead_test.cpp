#include "metadata/photolookahead.h"

#include "metadatafixtures.h"
#include "platform/imagemetadata.h"
#include "support/temptree.h"

#include <gtest/gtest.h>

using namespace MetadataFixtures;

namespace {

QString capturedAt(const QVariantMap& properties)
{
    return properties.value(QStringLiteral("{Exif}")).toMap().value(QStringLiteral("DateTimeOriginal")).toString();
}

// Photos p000.jpg... whose capture dates tell them apart ("2009:03:05 10:MM:SS" from their
// number), and the list of their items.
struct NumberedPhotos {
    TempTree tree;
    std::vector<FileSystemItem> items;

    explicit NumberedPhotos(int count)
    {
        PhotoTags tags;
        tags.dateTimeOriginal = QStringLiteral("2009:03:05 10:00:00");
        const QString model = tree.at("model.jpg");
        EXPECT_TRUE(writeTaggedJpeg(model, tags));
        const QByteArray bytes = readBytes(model);
        for (int i = 0; i < count; ++i) {
            QByteArray photo = bytes;
            photo.replace("2009:03:05 10:00:00", date(i).toLatin1());
            items.push_back(*FileSystemItem::initWithPath(tree.file(QStringLiteral("p%1.jpg").arg(i, 3, 10, QLatin1Char('0')), photo)));
        }
    }

    static QString date(int i)
    {
        return QStringLiteral("2009:03:05 10:%1:%2").arg(i / 60, 2, 10, QLatin1Char('0')).arg(i % 60, 2, 10, QLatin1Char('0'));
    }
};

const auto everyItem = [](const FileSystemItem&) { return true; };

} // namespace

TEST(PhotoLookAhead, EachTakenItemGetsItsOwnPropertiesWhateverItemsAreSkipped)
{
    NumberedPhotos photos(250);
    const unsigned groups = ImageMetadata::CaptureDate;
    // Steps of 1 take every item; larger steps skip runs of items, some longer than what is
    // read ahead at once.
    for (const size_t step : {size_t(1), size_t(3), PhotoLookAhead::kDepth + 5}) {
        PhotoLookAhead lookAhead(photos.items, groups, everyItem);
        for (size_t i = 0; i < photos.items.size(); i += step) {
            const std::optional<QVariantMap> properties = lookAhead.take(photos.items[i], groups);
            ASSERT_TRUE(properties) << "step " << step << ", item " << i;
            EXPECT_EQ(capturedAt(*properties).toStdString(), NumberedPhotos::date(int(i)).toStdString()) << "step " << step << ", item " << i;
        }
    }
}

TEST(PhotoLookAhead, WhatItDoesNotReadIsLeftToTheCaller)
{
    NumberedPhotos photos(20);
    const unsigned groups = ImageMetadata::CaptureDate;
    // Only the even items are wanted.
    PhotoLookAhead lookAhead(photos.items, groups, [&](const FileSystemItem& item) {
        return (&item - photos.items.data()) % 2 == 0;
    });
    EXPECT_FALSE(lookAhead.take(photos.items[0], groups | ImageMetadata::Device)) << "other groups";
    const FileSystemItem stranger = photos.items[0];
    EXPECT_FALSE(lookAhead.take(stranger, groups)) << "an item of another list";
    EXPECT_FALSE(lookAhead.take(photos.items[1], groups)) << "an item not wanted";
    const std::optional<QVariantMap> second = lookAhead.take(photos.items[2], groups);
    ASSERT_TRUE(second);
    EXPECT_EQ(capturedAt(*second).toStdString(), NumberedPhotos::date(2).toStdString());
    EXPECT_FALSE(lookAhead.take(photos.items[2], groups)) << "taken already";
    EXPECT_FALSE(lookAhead.take(photos.items[0], groups)) << "behind the list order";
    // Left with photos read ahead and not taken: the reader stops and the object goes.
}
