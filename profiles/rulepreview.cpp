#include "profiles/rulepreview.h"

#include "pipeline/batchplan.h"
#include "pipeline/controllerstate.h"
#include "pipeline/nameverdict.h"
#include "pipeline/passprogress.h"
#include "pipeline/passrunner.h"
#include "pipeline/previewdispatch.h"
#include "pipeline/previewdriver.h"
#include "platform/folderentries.h"
#include "platform/messages.h"
#include "platform/userinterface.h"
#include "profiles/rulekinds.h"
#include "profiles/rulesteps.h"

#include <algorithm>
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

// One active step with its method prepared once for the run. A sequence step carries its
// counters here while the run goes on (-1 and "": not started).
struct PreparedStep {
    qsizetype index = 0; // in the rules list
    PreparedMethod method;
    SequenceCounters counters{-1, QString()};

    // A sequence step restarts at the first item of a folder (whichever step asked for the
    // per-folder reset), and where it has not started yet.
    void startCounterIfDue(bool firstOfFolder)
    {
        const SequenceOptions* sequence = method.sequenceOptions();
        if (!sequence)
            return;
        if (sequence->kind == SequenceOptions::Kind::Numbers && (counters.number == -1 || firstOfFolder))
            counters.number = sequence->numericStart;
        if (sequence->kind == SequenceOptions::Kind::Letters && (counters.letters.isEmpty() || firstOfFolder))
            counters.letters = sequence->alphabeticStart;
    }

    // The counter the run leaves in the step's "sequence".
    std::optional<QVariant> counterToStore() const
    {
        const SequenceOptions* sequence = method.sequenceOptions();
        if (!sequence)
            return std::nullopt;
        if (sequence->kind == SequenceOptions::Kind::Numbers)
            return QVariant(qlonglong(counters.number));
        return QVariant(counters.letters);
    }
};

// The method of a step, or nothing for a kind the preview skips. A sequence step starts
// from the counter the step holds.
std::optional<PreparedStep> prepare(const QVariantMap& step, qsizetype index)
{
    const std::optional<MethodTab> tab = RuleKinds::tabOf(RuleKinds::kindOf(RuleKinds::text(step, k("rule"))));
    if (!tab)
        return std::nullopt;
    PreparedStep p{index, PreparedMethod(*tab, RuleKinds::StepSettings(step))};
    if (const SequenceOptions* sequence = p.method.sequenceOptions()) {
        if (sequence->kind == SequenceOptions::Kind::Numbers)
            p.counters.number = RuleKinds::numericSequence(step);
        else
            p.counters.letters = RuleKinds::text(step, k("sequence"));
    }
    return p;
}

bool isActive(const QVariantMap& step)
{
    return RuleKinds::intOf(step, k("isActive")) != 0;
}

// Every active step of the rules that the preview runs, in order.
std::vector<PreparedStep> prepareSteps(const QList<QVariantMap>& rules)
{
    std::vector<PreparedStep> steps;
    for (qsizetype i = 0; i < rules.size(); ++i) {
        if (!isActive(rules[i]))
            continue;
        if (std::optional<PreparedStep> p = prepare(rules[i], i))
            steps.push_back(std::move(*p));
    }
    return steps;
}

// Whether the run restarts its counters at each folder: any sequence or photo step that
// asks for it.
bool resetsPerFolder(const std::vector<PreparedStep>& steps)
{
    return std::any_of(steps.begin(), steps.end(),
                       [](const PreparedStep& step) { return step.method.restartsInEachFolder(); });
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
    state.photoSkips = {};
    // Rule chains rename each item on its own: groups of an earlier preview no longer hold.
    state.companions.forget(state.list.files);
    state.numberedNames = 0;

    std::vector<PreparedStep> steps = prepareSteps(rules);
    const bool perFolder = resetsPerFolder(steps);
    if (perFolder)
        state.list.sortForFolderRuns();

    // The photo steps share one counter and working state.
    PhotoRun photo;
    QString lastFolder;
    bool result = false;
    size_t reached = 0;
    // Whether each item is still there and whether its new name is taken are answered from
    // the same entries: each folder that holds many items is listed once.
    FolderEntries disk;
    NameVerdicts names;
    for (FileSystemItem& item : state.list.files) {
        if (state.isCancelProcess.load())
            break;
        ++reached;
        bool firstOfFolder = false;
        if (perFolder) {
            const QString folder = item.fileLocation();
            if (folder != lastFolder) {
                lastFolder = folder;
                photo.number = 1;
                firstOfFolder = true;
            }
        }
        item.newFilename.clear();
        if (progress)
            progress->setPath(FileSystemItem::getDisplayFilePath(item.fullPath));

        if (mode.classify)
            item.inode = disk.inodeAt(item.fullPath);
        if (mode.classify && item.inode == 0) {
            item.newFilename = item.kind() == ItemType::File ? Status::FileNotFound : Status::FolderNotFound;
        } else {
            for (PreparedStep& step : steps) {
                step.startCounterIfDue(firstOfFolder);
                if (const std::optional<MethodResult> called = step.method.call(item, step.counters, photo))
                    result = shareWithPass(*called, error);
            }
            if (mode.classify)
                proposesNewName(item, names);
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
    if (mode.classify)
        state.namesNote = names.summary();

    state.photoSkips = photo.skippedExtensions();
    for (const PreparedStep& step : steps) {
        if (const std::optional<QVariant> counter = step.counterToStore())
            rules[step.index].insert(k("sequence"), *counter);
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
