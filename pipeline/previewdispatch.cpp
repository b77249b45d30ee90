#include "pipeline/previewdispatch.h"

#include "engine/filename.h"
#include "engine/renamingmethods.h"
#include "engine/settings.h"
#include "metadata/photolookahead.h"

PhotoRenaming& PhotoRun::renaming()
{
    if (!renaming_)
        renaming_ = std::make_unique<PhotoRenaming>();
    return *renaming_;
}

PreparedMethod::PreparedMethod(MethodTab tab, const SettingsReader& settings)
    : tab_(tab)
{
    switch (tab) {
    case MethodTab::Sequences:
        options_ = SequenceOptions::from(settings);
        break;
    case MethodTab::InsertDelete:
        options_ = InsertDeleteOptions::from(settings);
        break;
    case MethodTab::ReplaceRemove:
        options_ = ReplaceRemoveOptions::from(settings);
        break;
    case MethodTab::PrefixSuffix:
        options_ = PrefixSuffixOptions::from(settings);
        break;
    case MethodTab::DateTime:
        options_ = DateTimeOptions::from(settings);
        break;
    case MethodTab::General:
        options_ = GeneralOptions::from(settings);
        break;
    case MethodTab::AudioTags:
        options_ = AudioTagOptions::from(settings);
        break;
    case MethodTab::Photo:
        options_ = PhotoOptions::from(settings);
        break;
    case MethodTab::PathComponents:
        options_ = PathComponentsOptions::from(settings);
        break;
    case MethodTab::RenameFromList:
        break;
    }
}

namespace {

// The calls of the tabs, each on its own options (the variant's alternative of the tab).
struct Call {
    FileSystemItem& item;
    SequenceCounters& sequence;
    PhotoRun& photo;

    std::optional<MethodResult> operator()(const SequenceOptions& o) const
    {
        switch (o.kind) {
        case SequenceOptions::Kind::Numbers:
            return renameByNumeric(item, o, sequence.number);
        case SequenceOptions::Kind::Letters:
            return renameByAlphabetic(item, o, sequence.letters);
        case SequenceOptions::Kind::None:
            break;
        }
        return std::nullopt;
    }
    std::optional<MethodResult> operator()(const InsertDeleteOptions& o) const
    {
        switch (o.mode) {
        case InsertDeleteOptions::Mode::Insert:
            return renameByInsert(item, o.insert);
        case InsertDeleteOptions::Mode::Delete:
            return renameByDelete(item, o.deletion);
        case InsertDeleteOptions::Mode::None:
            break;
        }
        return std::nullopt;
    }
    std::optional<MethodResult> operator()(const ReplaceRemoveOptions& o) const
    {
        if (o.mode == ReplaceRemoveOptions::Mode::None)
            return std::nullopt;
        return o.isRegularExpression ? renameByRegularExpression(item, o) : renameByReplaceRemove(item, o);
    }
    std::optional<MethodResult> operator()(const PrefixSuffixOptions& o) const { return renameByPrefixSuffix(item, o); }
    std::optional<MethodResult> operator()(const DateTimeOptions& o) const { return renameByDateTime(item, o); }
    std::optional<MethodResult> operator()(const GeneralOptions& o) const { return renameByGeneral(item, o); }
    std::optional<MethodResult> operator()(const AudioTagOptions& o) const { return renameByID3Tags(item, o); }
    std::optional<MethodResult> operator()(const PhotoOptions& o) const
    {
        return photo.renaming().renameByPhotoEXIFTags(item, o, photo.number);
    }
    std::optional<MethodResult> operator()(const PathComponentsOptions& o) const
    {
        return renameByPathComponents(item, o);
    }
    std::optional<MethodResult> operator()(std::monostate) const { return std::nullopt; }
};

} // namespace

std::optional<MethodResult> PreparedMethod::call(FileSystemItem& item, SequenceCounters& sequence,
                                                 PhotoRun& photo) const
{
    if (tab_ == MethodTab::RenameFromList)
        return MethodResult{}; // the items already hold the names of the imported list
    // Every pass clears the proposals before its first method: the date source of an
    // earlier pass goes with them.
    if (item.newFilename.isEmpty())
        item.dateSource = DateSource::None;
    return std::visit(Call{item, sequence, photo}, options_);
}

bool PreparedMethod::restartsInEachFolder() const
{
    if (const SequenceOptions* sequence = sequenceOptions())
        return sequence->restartsInEachFolder;
    if (const PhotoOptions* photo = photoOptions())
        return photo->restartsInEachFolder;
    return false;
}

PreviewDispatch::PreviewDispatch(const Settings& settings)
    : method_(MethodTab(settings.integer(QStringLiteral("selectedTab"))), settings)
{
    resetCounters();
}

PreviewDispatch::~PreviewDispatch() = default;

void PreviewDispatch::resetCounters()
{
    if (const SequenceOptions* sequence = method_.sequenceOptions())
        sequence_ = {sequence->numericStart, sequence->alphabeticStart};
    photo_.number = 1;
}

std::optional<bool> PreviewDispatch::call(FileSystemItem& item, QString& error)
{
    const std::optional<MethodResult> result = method_.call(item, sequence_, photo_);
    if (!result)
        return std::nullopt;
    return shareWithPass(*result, error);
}

void PreviewDispatch::readAhead(const std::vector<FileSystemItem>& items)
{
    stopReadingAhead();
    const PhotoOptions* options = method_.photoOptions();
    if (!options || items.size() < 2)
        return;
    const std::optional<unsigned> groups = PhotoRenaming::propertyGroupsRead(*options);
    if (!groups || options->mask.isEmpty())
        return;
    photoLookAhead_ = std::make_unique<PhotoLookAhead>(
        items, *groups,
        [extensions = PhotoRenaming::photoExtensions(options->extensions)](const FileSystemItem& item) {
            return PhotoRenaming::namesExtension(splitName(item.filenameWithExtension()).extension, extensions);
        });
    photo_.renaming().setLookAhead(photoLookAhead_.get());
}

void PreviewDispatch::stopReadingAhead()
{
    if (!photoLookAhead_)
        return;
    photo_.renaming().setLookAhead(nullptr);
    photoLookAhead_.reset();
}
