#include "app/dialogs/exportdialog.h"

#include "app/dialogs/dialogwidgets.h"
#include "platform/messages.h"
#include "platform/userinterface.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

using namespace DialogWidgets;

ExportDialog::ExportDialog(ControllerState& state, UserInterface& ui, QWidget* parent)
    : Sheet(parent)
    , ui_(ui)
    , controller_(state, ui)
{
    setObjectName(QStringLiteral("ExportSheet"));
    setWindowTitle(msg("EXPORTFILESTITLE"));

    auto* layout = new QVBoxLayout(this);
    const auto addSwitch = [&](const char* name, const QString& label, bool ExportSheetController::*value) {
        auto* box = new QCheckBox(label, this);
        box->setObjectName(QString::fromLatin1(name));
        connect(box, &QCheckBox::clicked, this, [this, value](bool checked) { controller_.*value = checked; });
        switches_.append(box);
        layout->addWidget(box);
    };
    addSwitch("isFilename", msg("Current names"), &ExportSheetController::isFilename);
    addSwitch("isNewFilename", msg("New names"), &ExportSheetController::isNewFilename);
    addSwitch("isLocation", msg("Folders"), &ExportSheetController::isLocation);
    addSwitch("isIncludeLocation", msg("Full paths in the name columns"), &ExportSheetController::isIncludeLocation);
    addSwitch("addColumnNamesInHeader", msg("Column names in the first line"),
              &ExportSheetController::addColumnNamesInHeader);

    // Shown only while an export runs, with what it is doing.
    progressRow_ = new QWidget(this);
    auto* progressLayout = new QHBoxLayout(progressRow_);
    progressLayout->setContentsMargins(0, 0, 0, 0);
    auto* progressLabel = new QLabel(msg("EXPORTINGLIST"), progressRow_);
    progressLabel->setObjectName(QStringLiteral("progressLabel"));
    progress_ = new QProgressBar(progressRow_);
    progress_->setObjectName(QStringLiteral("progressIndicator"));
    progress_->setRange(0, 1);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progressLabel->setBuddy(progress_);
    progressLayout->addWidget(progressLabel);
    progressLayout->addWidget(progress_, 1);
    layout->addWidget(progressRow_);
    // What the last export did, in the progress row's place, besides the status bar.
    done_ = new QLabel(this);
    done_->setObjectName(QStringLiteral("exportDone"));
    done_->hide();
    layout->addWidget(done_);
    controller_.progressIndicator = [this](int value, int maximum) {
        progress_->setRange(0, qMax(maximum, 1));
        progress_->setValue(value);
        paintNow(progress_);
    };

    export_ = makeButton(this, msg("Export..."), [this] { startExport(); });
    export_->setObjectName(QStringLiteral("exportButton"));
    close_ = makeButton(this, msg("Close"), [this] { reject(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeButton(this, msg("Help"), [this] { ui_.openDocument(QStringLiteral("Export.html")); }));
    buttons->addStretch();
    buttons->addWidget(close_);
    buttons->addWidget(export_);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    // As tall as what it shows: no empty band where the progress row hides.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    refresh();
}

QCheckBox* ExportDialog::switchNamed(const QString& name) const
{
    for (QCheckBox* box : switches_) {
        if (box->objectName() == name)
            return box;
    }
    return nullptr;
}

void ExportDialog::startExport()
{
    if (controller_.isExporting)
        return;
    controller_.isExporting = true;
    done_->hide();
    refresh();
    QTimer::singleShot(exportDelayMs, this, [this] {
        if (controller_.exportList()) {
            done_->setText(msg("EXPORTFILESEXPORTEDSUCCESS"));
            done_->show();
        }
        // Also when the export could not even start (a pass was running).
        controller_.isExporting = false;
        refresh();
    });
}

void ExportDialog::reject()
{
    if (controller_.isExporting)
        return;
    Sheet::reject();
}

void ExportDialog::refresh()
{
    const bool values[] = {controller_.isFilename, controller_.isNewFilename, controller_.isLocation,
                           controller_.isIncludeLocation, controller_.addColumnNamesInHeader};
    for (int i = 0; i < switches_.size(); ++i) {
        const QSignalBlocker blocker(switches_.at(i));
        switches_.at(i)->setChecked(values[i]);
        switches_.at(i)->setEnabled(!controller_.isExporting);
    }
    export_->setEnabled(!controller_.isExporting);
    close_->setEnabled(!controller_.isExporting);
    progressRow_->setVisible(controller_.isExporting);
    if (controller_.isExporting && progress_->maximum() <= 1 && progress_->value() == 0)
        progress_->setRange(0, 0); // busy until the first item is written
    else if (!controller_.isExporting)
        progress_->setRange(0, 1);
}
