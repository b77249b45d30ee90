#include "app/skippedextensionsnote.h"

#include "app/mainwindow.h"
#include "app/quorvelappcontroller.h"
#include "metadata/extensionseditorcontroller.h"
#include "platform/edition.h"
#include "platform/messages.h"

#include <QLabel>
#include <QStatusBar>

#include <utility>

namespace {

const char* const kExtensionsProperty = "skippedExtensions";

// The note's label in the status bar, made on first use.
QLabel* noteLabel(QuorvelAppController& controller)
{
    QStatusBar* bar = controller.mainWindow().statusBar();
    if (auto* label = bar->findChild<QLabel*>(QStringLiteral("skippedExtensionsNote")))
        return label;
    auto* label = new QLabel(bar);
    label->setObjectName(QStringLiteral("skippedExtensionsNote"));
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->hide();
    bar->addPermanentWidget(label);
    QObject::connect(label, &QLabel::linkActivated, label, [label, c = &controller] {
        if (c->state().isExecuting.load())
            return;
        const QStringList skipped = label->property(kExtensionsProperty).toStringList();
        QStringList extensions = c->state().settings.list(QStringLiteral("photoExtensions"));
        for (const QString& extension : skipped) {
            if (!extensions.contains(extension))
                extensions.append(extension);
        }
        label->hide();
        c->ExtensionsEditorControllerDidFinish(extensions, int(ExtensionList::Photo));
        c->mainWindow().showStatusMessage(msg("PHOTOEXTENSIONSADDED").arg(skipped.join(QStringLiteral(", "))));
        c->actionPreview();
    });
    return label;
}

} // namespace

namespace SkippedExtensionsNote {

void show(QuorvelAppController& controller)
{
    const SkippedExtensions skipped = std::exchange(controller.state().photoSkips, SkippedExtensions());
    // Without the extension editor the photo list is the factory one: nothing to add.
    if (!Edition::current().hasExtensionEditor)
        return;
    if (skipped.isEmpty()) {
        if (auto* label = controller.mainWindow().statusBar()->findChild<QLabel*>(
                QStringLiteral("skippedExtensionsNote")))
            label->hide();
        return;
    }
    QLabel* label = noteLabel(controller);
    const char* add = skipped.extensions.size() == 1 ? "ADDSKIPPEDEXTENSION" : "ADDSKIPPEDEXTENSIONS";
    label->setText(QStringLiteral("%1 — <a href=\"add\">%2</a>")
                       .arg(skipped.note().toHtmlEscaped(), msg(add).toHtmlEscaped()));
    label->setProperty(kExtensionsProperty, skipped.extensions);
    label->show();
}

} // namespace SkippedExtensionsNote
