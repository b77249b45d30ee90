// Rule files from arbitrary bytes: read with and without the version test, shape-checked,
// each step loaded into a settings record and shown as the sheet's tree, and, when every
// active step passes the preview's checks (as the rule preview requires), the chain run
// over a small list of real files.
#include "fuzzsupport.h"

#include "engine/filesystemitem.h"
#include "pipeline/controllerstate.h"
#include "pipeline/passprogress.h"
#include "profiles/rule.h"
#include "profiles/rulefile.h"
#include "profiles/rulekinds.h"
#include "profiles/rulepreview.h"
#include "profiles/rulesteps.h"

#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>

namespace {

QStringList listedPaths;

void makeItems()
{
    const QString root = FuzzSupport::scratchFolder() + QStringLiteral("/tree");
    QDir().mkpath(root + QStringLiteral("/Folder One"));
    QDir().mkpath(root + QStringLiteral("/Folder One/Sub"));
    const QStringList files = {QStringLiteral("IMG_0001.JPG"), QStringLiteral("Song 01.mp3"),
                               QStringLiteral("notes.txt"), QStringLiteral("a:b é.txt"),
                               QStringLiteral(".hidden"), QStringLiteral("Folder One/x.tar.gz"),
                               QStringLiteral("Folder One/Sub/2010-03-07 photo.jpeg")};
    for (const QString& name : files) {
        QFile f(root + QLatin1Char('/') + name);
        if (f.open(QIODevice::WriteOnly))
            f.write("content");
        listedPaths << f.fileName();
    }
    listedPaths << root + QStringLiteral("/Folder One") << root + QStringLiteral("/Folder One/Sub");
}

void renderTree(const Rule& node, int depth)
{
    (void)node.objectValueForColumn(QStringLiteral("options"));
    (void)node.objectValueForColumn(QStringLiteral("value"));
    if (depth > 2)
        return;
    for (int i = 0; i < node.numberOfChildren(); ++i)
        renderTree(*node.childAtIndex(i), depth + 1);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::initialize(argc, argv);
    makeItems();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = FuzzSupport::writeScratchFile(bytes, QStringLiteral("input.qvrule"));

    QList<QVariantMap> steps;
    QString why;
    (void)RuleFile::read(path, steps, true, &why);
    steps.clear();
    if (RuleFile::read(path, steps, false, &why) != RuleFile::ReadResult::Read)
        return 0;

    bool runnable = true;
    for (const QVariantMap& step : steps) {
        renderTree(*Rule::rootItem(step), 0);
        Settings settings;
        (void)RuleSteps::loadStep(settings, step);
        if (RuleKinds::intOf(step, QStringLiteral("isActive")) != 0 && RuleSteps::checkStep(step))
            runnable = false;
    }
    if (!runnable)
        return 0;

    ControllerState state;
    for (const QString& listed : listedPaths) {
        if (std::optional<FileSystemItem> item = FileSystemItem::initWithPath(listed))
            state.list.append(*item);
    }
    state.rules = steps;
    RulePreview::resetSequences(state.rules);
    PassProgress progress(nullptr);
    QString error;
    RulePreview::previewRule(state, state.rules, progress, error);
    for (const FileSystemItem& item : state.list.files)
        (void)item.newFilenameValue();
    return 0;
}
