#include "profiles/rulepreview.h"

#include "pipeline/previewdriver.h"

#include "engine/findexpression.h"
#include "engine/plainlatin.h"
#include "engine/renamingmethods.h"
#include "metadata/audiorenaming.h"
#include "metadata/photorenaming.h"
#include "pipeline/batchplan.h"
#include "pipeline/controllerstate.h"
#include "pipeline/passprogress.h"
#include "pipeline/passrunner.h"
#include "engine/settingsdescriptors.h"
#include "platform/folderentries.h"
#include "platform/edition.h"
#include "platform/messages.h"
#include "platform/numbers.h"
#include "platform/userinterface.h"
#include "profiles/rulekinds.h"
#include "profiles/rulesteps.h"

#include <memory>
#include <optional>
#include <vector>

using RuleKinds::Kind;

namespace {

constexpr int kListControlTag = 12000;

QString k(const char* key)
{
    return QString::fromLatin1(key);
}

// What the steps of one run share: the photo counter (and the photo method's working
// state) and whether the current item is the first of its folder.
struct RunContext {
    qint64 photoCounter = 1;
    bool firstOfFolder = false;
    std::unique_ptr<PhotoRenaming> photo;
};

// One active step with its values read once for the run. Sequence steps carry their
// counter here while the run goes on.
struct PreparedStep {
    qsizetype index = 0; // in the rules list
    bool isNumeric = false;
    bool isAlphabetic = false;
    qint64 numericStart = 0;
    QString alphabeticStart;
    qint64 numericCounter = -1; // -1: not started
    QString alphabeticCounter;  // "": not started
    std::function<bool(FileSystemItem&, PreparedStep&, RunContext&, QString&)> call;
};

// The step with every settings key it leaves out at its default, as when the same step is
// loaded into the window (a hand-written rule file may name only the keys it changes). A
// custom date left out stays out: its default is the moment the window started.
QVariantMap withDefaults(const QVariantMap& given)
{
    const QString rule = RuleKinds::text(given, k("rule"));
    QVariantMap step = given;
    for (const QString& key : RuleKinds::settingsKeys(RuleKinds::kindOf(rule), RuleKinds::text(given, k("type")))) {
        const SettingDescriptor* descriptor = step.contains(key) ? nullptr : SettingDescriptors::find(key);
        if (!descriptor)
            continue;
        const QString value = QString::fromUtf8(descriptor->defaultValue);
        switch (descriptor->kind) {
        case SettingKind::Text:
        case SettingKind::Flag:
        case SettingKind::Integer:
            step.insert(key, value);
            break;
        case SettingKind::List:
            step.insert(key, value.split(QStringLiteral("; "), Qt::SkipEmptyParts));
            break;
        case SettingKind::Date:
        case SettingKind::MetaDataList:
            break;
        }
    }
    return step;
}

// The operation of a step, or nothing for a kind or type the preview skips.
std::optional<PreparedStep> prepare(const QVariantMap& given, qsizetype index)
{
    using namespace RuleKinds;
    const QVariantMap step = withDefaults(given);
    const auto t = [&](const char* key) { return text(step, k(key)); };
    const auto i = [&](const char* key) { return intOf(step, k(key)); };
    const auto f = [&](const char* key) { return flag(step, k(key)); };

    PreparedStep p;
    p.index = index;
    const QString type = t("type");
    switch (kindOf(t("rule"))) {
    case Kind::AlphaNumeric: {
        const bool increment = f("isAlphaNumericIncrement"), decrement = f("isAlphaNumericDecrement");
        const bool prefix = f("isAlphaNumericPrefix"), subffix = f("isAlphaNumericSufix");
        const bool seperator = f("isAlphaNumericSeperator");
        const QString seperatorString = t("alphaNumericSeperator"), addingMask = t("alphaNumericPaddingMask");
        const int incrementBy = i("alphaNumericIncrementBy"), decrementBy = i("alphaNumericDecrementBy");
        if (type == QLatin1String("Numeric")) {
            p.isNumeric = true;
            p.numericStart = i("alphaNumericNumericStartWith");
            p.numericCounter = numericSequence(step);
            p.call = [=](FileSystemItem& item, PreparedStep& self, RunContext&, QString& error) {
                return renameByNumeric(item, increment, decrement, prefix, subffix, seperator, seperatorString,
                                       addingMask, self.numericCounter, incrementBy, decrementBy, error);
            };
        } else {
            p.isAlphabetic = true;
            p.alphabeticStart = t("alphaNumericAlphabeticStartWith");
            p.alphabeticCounter = t("sequence");
            p.call = [=](FileSystemItem& item, PreparedStep& self, RunContext&, QString& error) {
                return renameByAlphabetic(item, increment, decrement, prefix, subffix, seperator, seperatorString,
                                          addingMask, self.alphabeticCounter, incrementBy, decrementBy, error);
            };
        }
        return p;
    }
    case Kind::InsertDelete:
        if (type == QLatin1String("Insert")) {
            const QString insert = t("insertDeleteInsert");
            const int option = i("insertDeleteInsertOptionIndex"), positions = i("insertDeleteAtCharacterPositions");
            const int direction = i("insertDeleteInsertAtPostionDirection");
            const QString before = t("insertDeleteInsertAtBeforeText"), after = t("insertDeleteInsertAtAfterText");
            const int beforeOccurrence = i("insertDeleteInsertAtBeforeOccurrence");
            const int afterOccurrence = i("insertDeleteInsertAtAfterOccurrence");
            p.call = [=](FileSystemItem& item, PreparedStep&, RunContext&, QString& error) {
                return renameByInsert(item, insert, option, positions, direction, before, beforeOccurrence, after,
                                      afterOccurrence, error);
            };
        } else {
            const bool backward = f("isInsertDeleteDeleteFromBackWard");
            const int from = i("insertDeleteFromCharacterPosition"), count = i("insertDeleteNumberOfCharacters");
            p.call = [=](FileSystemItem& item, PreparedStep&, RunContext&, QString& error) {
                return renameByDelete(item, backward, from, count, error);
            };
        }
        return p;
    case Kind::ReplaceRemove: {
        const bool replace = type == QLatin1String("Replace");
        const bool removeCharacters = type == QLatin1String("Remove Characters");
        if (!replace && !removeCharacters && type != QLatin1String("Remove"))
            return std::nullopt;
        const QString find = t("replaceRemoveThis");
        const QString with = replace ? t("replaceRemoveWith") : QString();
        const bool caseSensitive = f("isReplaceRemoveCaseSensitive");
        const int start = i("replaceRemoveStartFromCharacter"), onOccurrence = i("replaceRemoveStartOnOccurrence");
        const int count = i("replaceRemoveOccuranceCount"), direction = i("replaceRemovePositionDirection");
        if (!removeCharacters && f("isReplaceRemoveRegularExpression") && Edition::current().hasExtendedMethods) {
            const QRegularExpression expression = FindExpression::compile(find, caseSensitive);
            p.call = [=](FileSystemItem& item, PreparedStep&, RunContext&, QString& error) {
                return renameByRegularExpression(item, expression, with, start, onOccurrence, count, direction,
                                                 error);
            };
            return p;
        }
        p.call = [=](FileSystemItem& item, PreparedStep&, RunContext&, QString& error) {
            return renameByReplaceRemove(item, find, with, caseSensitive, removeCharacters, start, onOccurrence,
                                         count, direction, error);
        };
        return p;
    }
    case Kind::PrefixSuffix: {
        const QString prefix = t("prefixSuffixPrefix"), suffix = t("prefixSuffixSuffix");
        const bool isString = f("isPrefixSuffixString"), isDate = f("isPrefixSuffixDate");
        const int attribute = i("prefixSuffixFileDateAttribute");
        const bool datePrefix = f("isPrefixSuffixDatePrefix"), dateSuffix = f("isPrefixSuffixDateSuffix");
        const QString d1 = t("prefixSuffixDatePart1"), ds1 = t("prefixSuffixDateSeperator1");
        const QString d2 = t("prefixSuffixDatePart2"), ds2 = t("prefixSuffixDateSeperator2");
        const QString d3 = t("prefixSuffixDatePart3");
        const QString t1 = t("prefixSuffixTimePart1"), ts1 = t("prefixSuffixTimeSeperator1");
        const QString t2 = t("prefixSuffixTimePart2"), ts2 = t("prefixSuffixTimeSeperator2");
        const QString t3 = t("prefixSuffixTimePart3");
        const QString datePrefixText = t("prefixSuffixDatePrefix"), dateSuffixText = t("prefixSuffixDateSuffix");
        p.call = [=](FileSystemItem& item, PreparedStep&, RunContext&, QString& error) {
            return renameByPrefixSuffix(item, prefix, suffix, isString, isDate, attribute, datePrefix, dateSuffix, d1,
                                        ds1, d2, ds2, d3, t1, ts1, t2, ts2, t3, datePrefixText, dateSuffixText,
                                        error);
        };
        return p;
    }
    case Kind::DateTime: {
        const int source = i("dateTimeDateOptionIndex");
        const QDateTime customDate = step.value(k("dateTimeCustomDate")).toDateTime();
        const int option = i("dateTimeOptionsIndex"), position = i("dateTimeAtPositionNo");
        const int direction = i("dateTimeAtPositionDirection");
        const QString before = t("dateTimeAtBeforeText"), after = t("dateTimeAtAfterText");
        const int beforeOccurrence = i("dateTimeAtBeforeTextOccurrence");
        const int afterOccurrence = i("dateTimeAtAfterTextOccurrence");
        const bool hasDate = f("hasDateFormat"), hasTime = f("hasTimeFormat");
        const QString d1 = t("dateTimeFormatDatePart1"), ds1 = t("dateTimeFormatDateSeperator1");
        const QString d2 = t("dateTimeFormatDatePart2"), ds2 = t("dateTimeFormatDateSeperator2");
        const QString d3 = t("dateTimeFormatDatePart3");
        const QString t1 = t("dateTimeFormatTimePart1"), ts1 = t("dateTimeFormatTimeSeperator1");
        const QString t2 = t("dateTimeFormatTimePart2"), ts2 = t("dateTimeFormatTimeSeperator2");
        const QString t3 = t("dateTimeFormatTimePart3");
        const bool colonReplace = f("isDateTimeColonReplace");
        const QString colon = t("dateTimeColonReplace"), separator = t("dateTimeSeparator");
        const QString prefix = t("dateTimePrefix"), suffix = t("dateTimeSuffix");
        p.call = [=](FileSystemItem& item, PreparedStep&, RunContext&, QString& error) {
            return renameByDateTime(item, source, customDate, option, position, direction, before, beforeOccurrence,
                                    after, afterOccurrence, hasDate, hasTime, d1, ds1, d2, ds2, d3, t1, ts1, t2, ts2,
                                    t3, colonReplace, colon, separator, prefix, suffix, error);
        };
        return p;
    }
    case Kind::General: {
        // An empty position or occurrence counts as absent, as in every preview.
        const auto one = [&](const char* key) {
            const QString v = t(key);
            return v.isEmpty() ? QStringLiteral("1") : v;
        };
        const int option = i("generalOptionIndex"), nameCase = i("generalFileNameCase");
        const int extensionCase = i("generalExtensionCase");
        const QString change = t("generalChangeExtension"), swapSeperator = t("generalSwapSeperator");
        const QString swapPosition = one("generalSwapPosition");
        const QString after = t("generalRemoveAfterString"), from = t("generalRemoveFromString");
        const QString afterOccurrence = one("generalRemoveAfterStringOccurrence");
        const QString fromOccurrence = one("generalRemoveFromStringOccurrence");
        const QString windows = t("generalConvertWindowsCompatibleString"), mask = t("generalFilenameMask");
        // One transliterator for the step's whole run.
        const std::shared_ptr<PlainLatinTransliterator> plainLatin =
            option == 12 ? std::make_shared<PlainLatinTransliterator>() : nullptr;
        p.call = [=](FileSystemItem& item, PreparedStep&, RunContext&, QString& error) {
            return renameByGeneral(item, option, nameCase, extensionCase, change, swapSeperator, swapPosition, after,
                                   from, afterOccurrence, fromOccurrence, windows, mask, error, plainLatin.get());
        };
        return p;
    }
    case Kind::ID3: {
        const QString mask = t("id3RenamingMask"), seperator = t("id3RenamingSeperator");
        const bool isSeperator = f("isID3RenamingSeperator"), isColon = f("isID3RenamingColonReplace");
        const QString colon = t("id3RenamingColonReplace");
        const QStringList tags = stringList(step, k("id3RenamingTagsList"));
        const QStringList extensions = stringList(step, k("id3Extensions"));
        p.call = [=](FileSystemItem& item, PreparedStep&, RunContext&, QString& error) {
            return renameByID3Tags(item, mask, isSeperator, seperator, isColon, colon, tags, extensions, error);
        };
        return p;
    }
    case Kind::Photo: {
        const QString mask = t("photoRenamingMask"), seperator = t("photoRenamingSeperator");
        const bool isSeperator = f("isPhotoRenamingSeperator"), isColon = f("isPhotoRenamingColonReplace");
        const QString colon = t("photoRenamingColonReplace");
        const QString d1 = t("photoDatePart1"), ds1 = t("photoDateSeperator1"), d2 = t("photoDatePart2");
        const QString ds2 = t("photoDateSeperator2"), d3 = t("photoDatePart3");
        const QString t1 = t("photoTimePart1"), ts1 = t("photoTimeSeperator1"), t2 = t("photoTimePart2");
        const QString ts2 = t("photoTimeSeperator2"), t3 = t("photoTimePart3");
        const QString padding = t("photoPaddingMask");
        const QStringList tags = stringList(step, k("photoMetaDataList"));
        const QStringList extensions = stringList(step, k("photoExtensions"));
        p.call = [=](FileSystemItem& item, PreparedStep&, RunContext& run, QString& error) {
            if (!run.photo)
                run.photo = std::make_unique<PhotoRenaming>();
            return run.photo->renameByPhotoEXIFTags(item, mask, isSeperator, seperator, isColon, colon, d1, ds1, d2,
                                                    ds2, d3, t1, ts1, t2, ts2, t3, padding, tags, extensions,
                                                    run.photoCounter, error);
        };
        return p;
    }
    case Kind::PathComponents: {
        const int level = i("pathComponentsLevelNo"), option = i("pathComponentsOptionsIndex");
        const int position = i("pathComponentsAtPositionNo"), direction = i("pathComponentsAtPositionDirection");
        const QString before = t("pathComponentsAtBeforeText"), after = t("pathComponentsAtAfterText");
        const int beforeOccurrence = i("pathComponentsAtBeforeOccurrence");
        const int afterOccurrence = i("pathComponentsAtAfterOccurrence");
        const QString separator = t("pathComponentsSeparator"), prefix = t("pathComponentsPrefix");
        const QString suffix = t("pathComponentsSuffix");
        p.call = [=](FileSystemItem& item, PreparedStep&, RunContext&, QString& error) {
            return renameByPathComponents(item, level, option, position, direction, before, beforeOccurrence, after,
                                          afterOccurrence, separator, prefix, suffix, error);
        };
        return p;
    }
    case Kind::Unknown:
        break;
    }
    return std::nullopt;
}

bool isActive(const QVariantMap& step)
{
    return RuleKinds::intOf(step, k("isActive")) != 0;
}

// Whether the run restarts its counters at each folder: any active sequence or photo step
// that asks for it.
bool resetsPerFolder(const QList<QVariantMap>& rules)
{
    for (const QVariantMap& step : rules) {
        if (!isActive(step))
            continue;
        const Kind kind = RuleKinds::kindOf(RuleKinds::text(step, k("rule")));
        if ((kind == Kind::AlphaNumeric && RuleKinds::flag(step, k("isAlphaNumericResetSequenceOnEachFolder")))
            || (kind == Kind::Photo && RuleKinds::flag(step, k("isPhotoResetSequenceOnEachFolder"))))
            return true;
    }
    return false;
}

} // namespace

RulePreview::RulePreview(ControllerState& state, UserInterface& ui)
    : state_(state)
    , ui_(ui)
{
}

void RulePreview::resetSequences(QList<QVariantMap>& rules)
{
    for (QVariantMap& step : rules) {
        if (RuleKinds::kindOf(RuleKinds::text(step, k("rule"))) != Kind::AlphaNumeric)
            continue;
        if (RuleKinds::text(step, k("type")) == QLatin1String("Numeric"))
            step.insert(k("sequence"), qlonglong(-1));
        else
            step.insert(k("sequence"), QString());
    }
}

bool RulePreview::actionPreviewRule(std::function<void()> onFinished)
{
    if (state_.isExecuting.load())
        return false;
    if (state_.list.isEmpty()) {
        if (!ui_.isCalloutShown())
            ui_.showCallout(kListControlTag, QStringLiteral("NOITEMSTOPREVIEW"));
        return false;
    }
    // Steps may come from files, the menu or the remembered chain: each active one must
    // pass the checks its method makes before a preview.
    for (const QVariantMap& step : state_.rules) {
        if (!isActive(step))
            continue;
        if (std::optional<PreviewCheckFailure> failure = RuleSteps::checkStep(step)) {
            ui_.alert(AlertStyle::Warning, msg(failure->titleKey), failure->message());
            return false;
        }
    }
    ui_.hideCallout();
    ui_.endEditing();

    resetSequences(state_.rules);
    state_.isRulePreview = true;
    state_.isExecuting = true;
    ui_.passStarted(msg("GENERATINGPREVIEWPLEASEWAIT"));
    state_.startTime = ControllerState::now();
    state_.endTime = 0;

    auto rules = std::make_shared<QList<QVariantMap>>(state_.rules);
    auto progress = std::make_shared<PassProgress>(&ui_);
    auto error = std::make_shared<QString>();
    ControllerState* state = &state_;
    UserInterface* ui = &ui_;
    PassRunner::start(
        [state, rules, progress, error] { previewRule(*state, *rules, *progress, *error); },
        [state, ui, rules, progress, error, onFinished] {
            // The steps' counters as the run left them (nothing could edit the rules meanwhile).
            const qsizetype n = qMin(rules->size(), state->rules.size());
            for (qsizetype i = 0; i < n; ++i) {
                if (rules->at(i).contains(k("sequence")))
                    state->rules[i].insert(k("sequence"), rules->at(i).value(k("sequence")));
            }
            PreviewDriver::endPreviewPass(*state, *ui, *progress, *error, onFinished);
        });
    return true;
}

namespace {

// How a run over the chain treats each item: the full preview tests the disk and
// classifies; the live one only computes names, up to a limit (0: no limit).
struct RuleRunMode {
    bool classify = true;
    int limit = 0;
};

bool runRules(ControllerState& state, QList<QVariantMap>& rules, PassProgress* progress, QString& error,
              RuleRunMode mode)
{
    state.isCancelProcess = false;
    state.isHasFilesForRenaming = false;

    std::vector<PreparedStep> steps;
    for (qsizetype i = 0; i < rules.size(); ++i) {
        if (!isActive(rules[i]))
            continue;
        if (std::optional<PreparedStep> p = prepare(rules[i], i))
            steps.push_back(std::move(*p));
    }
    const bool perFolder = resetsPerFolder(rules);
    if (perFolder)
        state.list.sortForFolderRuns();

    RunContext run;
    QString lastFolder;
    bool result = false;
    size_t reached = 0;
    // Whether each item is still there and whether its new name is taken are answered from
    // the same entries: each folder that holds many items is listed once.
    FolderEntries disk;
    for (FileSystemItem& item : state.list.files) {
        if (state.isCancelProcess.load())
            break;
        ++reached;
        run.firstOfFolder = false;
        if (perFolder) {
            const QString folder = item.fileLocation();
            if (folder != lastFolder) {
                lastFolder = folder;
                run.photoCounter = 1;
                run.firstOfFolder = true;
            }
        }
        item.newFilename.clear();
        if (progress)
            progress->setPath(FileSystemItem::getDisplayFilePath(item.fullPath));

        if (mode.classify)
            item.inode = disk.inodeAt(item.fullPath);
        if (mode.classify && item.inode == 0) {
            item.newFilename = item.itemType == 0 ? Status::FileNotFound : Status::FolderNotFound;
        } else {
            for (PreparedStep& step : steps) {
                // Every sequence step restarts at the first item of a folder, whichever
                // step asked for the per-folder reset.
                if (step.isNumeric && (step.numericCounter == -1 || run.firstOfFolder))
                    step.numericCounter = step.numericStart;
                if (step.isAlphabetic && (step.alphabeticCounter.isEmpty() || run.firstOfFolder))
                    step.alphabeticCounter = step.alphabeticStart;
                result = step.call(item, step, run, error);
            }
            if (mode.classify)
                proposesNewName(item);
        }
        if (state.isCancelProcess.load())
            break;
        if (mode.limit > 0 && reached == size_t(mode.limit))
            break;
    }
    // The proposed names are judged against the disk and against each other as a batch
    // (the items the loop reached).
    if (mode.classify && classifyBatch(state.list.files, BatchRules::forState(state), reached, &disk))
        state.isHasFilesForRenaming = true;

    for (const PreparedStep& step : steps) {
        if (step.isNumeric)
            rules[step.index].insert(k("sequence"), qlonglong(step.numericCounter));
        else if (step.isAlphabetic)
            rules[step.index].insert(k("sequence"), step.alphabeticCounter);
    }
    return result;
}

} // namespace

bool RulePreview::previewRule(ControllerState& state, QList<QVariantMap>& rules, PassProgress& progress,
                              QString& error)
{
    return runRules(state, rules, &progress, error, RuleRunMode{});
}

bool RulePreview::quickPreviewRule(ControllerState& state, QList<QVariantMap> rules, int limit, QString& error)
{
    for (FileSystemItem& item : state.list.files)
        item.newFilename.clear();
    resetSequences(rules);
    const bool result = runRules(state, rules, nullptr, error, RuleRunMode{false, limit});
    state.isHasFilesForRenaming = false;
    return result;
}
