#include "pipeline/previewdispatch.h"

#include "engine/renamingmethods.h"
#include "platform/numbers.h"

namespace {

QString k(const char* key)
{
    return QString::fromLatin1(key);
}

} // namespace

// The arguments of every tab's method, read once per run from the settings snapshot.
struct PreviewDispatch::Args {
    Settings s;
    int tab = 0;

    // Sequence counters and their start values.
    qint64 numericStart = 0;
    QString alphabeticStart;
    qint64 numericCounter = 0;
    QString alphabeticCounter;
    qint64 photoCounter = 1;
};

PreviewDispatch::PreviewDispatch(const Settings& settings)
    : a_(std::make_unique<Args>())
{
    a_->s = settings.snapshot();
    a_->tab = settings.integer(k("selectedTab"));
    a_->numericStart = intValue(settings.text(k("alphaNumericNumericStartWith")));
    a_->alphabeticStart = settings.text(k("alphaNumericAlphabeticStartWith"));
    resetCounters();
}

PreviewDispatch::~PreviewDispatch() = default;

void PreviewDispatch::resetCounters()
{
    a_->numericCounter = a_->numericStart;
    a_->alphabeticCounter = a_->alphabeticStart;
    a_->photoCounter = 1;
}

bool PreviewDispatch::resetsPerFolder() const
{
    return (a_->tab == 0 && a_->s.flag(k("isAlphaNumericResetSequenceOnEachFolder")))
        || (a_->tab == 7 && a_->s.flag(k("isPhotoResetSequenceOnEachFolder")));
}

std::optional<bool> PreviewDispatch::call(FileSystemItem& item, QString& error)
{
    (void)item;
    (void)error;
    switch (a_->tab) {
    case 9:
        return true; // the items already hold the names of the imported list
    default:
        return std::nullopt;
    }
}
