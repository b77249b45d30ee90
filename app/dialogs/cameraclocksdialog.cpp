#include "app/dialogs/cameraclocksdialog.h"

#include "app/dialogs/dialogwidgets.h"
#include "app/listsortcommands.h"
#include "app/mainwindow.h"
#include "app/qtuserinterface.h"
#include "app/quorvelappcontroller.h"
#include "engine/filename.h"
#include "metadata/photorenaming.h"
#include "pipeline/passprogress.h"
#include "pipeline/passrunner.h"
#include "platform/dateformat.h"
#include "platform/messages.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include <memory>

using namespace DialogWidgets;

namespace {

const QString kShiftsKey = QStringLiteral("photoClockShifts");

QString timeText(const std::optional<QDateTime>& time)
{
    return time ? DateFormat::formatWallClock(*time, QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QStringLiteral("—");
}

QTableWidgetItem* readOnlyCell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    cell->setTextAlignment(alignment);
    return cell;
}

} // namespace

CameraClocksDialog::CameraClocksDialog(CameraClocksController controller, UserInterface& ui, QWidget* parent)
    : Sheet(parent)
    , controller_(std::move(controller))
    , ui_(ui)
{
    setObjectName(QStringLiteral("CameraClocksSheet"));
    setWindowTitle(msg("CAMERACLOCKSTITLE"));

    auto* explain = new QLabel(msg("CAMERACLOCKSEXPLAIN"), this);
    explain->setWordWrap(true);

    table_ = new QTableWidget(0, ColumnCount, this);
    table_->setObjectName(QStringLiteral("cameraClocks"));
    table_->setHorizontalHeaderLabels({msg("CAMERACLOCKSMODEL"), msg("CAMERACLOCKSFILES"),
                                       msg("CAMERACLOCKSEARLIEST"), msg("CAMERACLOCKSSHIFT"),
                                       msg("CAMERACLOCKSSHIFTED")});
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(Model, QHeaderView::Stretch);
    for (int column : {Files, Earliest, Shifted})
        table_->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    // Room for a shift being typed ("-12:00:00"), whatever the rows hold.
    table_->horizontalHeader()->resizeSection(Shift, table_->fontMetrics().horizontalAdvance(QStringLiteral("-00:00:00")) + 24);
    fillRows();
    connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == Shift)
            shiftEdited(item->row());
    });

    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("shiftProblem"));
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: palette(highlight);"));
    problem_->hide();

    QPushButton* apply = makeButton(this, msg("APPLY"), [this] {
        controller_.applyShifts();
        accept();
    });
    apply->setObjectName(QStringLiteral("applyButton"));
    apply->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeButton(this, msg("Help"), [this] { ui_.openDocument(QStringLiteral("Photo-renaming.html")); }));
    buttons->addStretch();
    buttons->addWidget(makeButton(this, msg("CANCEL"), [this] { reject(); }));
    buttons->addWidget(apply);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explain);
    layout->addWidget(table_, 1);
    layout->addWidget(problem_);
    layout->addLayout(buttons);
    resize(720, 360);
}

void CameraClocksDialog::fillRows()
{
    const QSignalBlocker blocker(table_);
    const QList<CameraClocksController::Row>& rows = controller_.rows();
    table_->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        const CameraClocksController::Row& r = rows.at(row);
        table_->setItem(row, Model, readOnlyCell(row == 0 ? msg("CAMERACLOCKSEVERYCAMERA") : r.model));
        table_->setItem(row, Files, readOnlyCell(QString::number(r.files), Qt::AlignRight | Qt::AlignVCenter));
        table_->setItem(row, Earliest, readOnlyCell(timeText(r.earliest)));
        auto* shift = new QTableWidgetItem(controller_.shiftText(row));
        shift->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        shift->setToolTip(msg("CAMERACLOCKSSHIFTTIP"));
        table_->setItem(row, Shift, shift);
        table_->setItem(row, Shifted, readOnlyCell(QString()));
    }
    for (int row = 0; row < rows.size(); ++row)
        showShifted(row);
    if (!rows.isEmpty())
        table_->setCurrentCell(rows.size() > 1 ? 1 : 0, Shift);
}

void CameraClocksDialog::showShifted(int row)
{
    const QSignalBlocker blocker(table_);
    table_->item(row, Shifted)->setText(timeText(controller_.earliestAfterShift(row)));
}

void CameraClocksDialog::shiftEdited(int row)
{
    QTableWidgetItem* cell = table_->item(row, Shift);
    const QString typed = cell->text();
    const bool taken = controller_.setShift(row, typed);
    {
        const QSignalBlocker blocker(table_);
        cell->setText(controller_.shiftText(row)); // as stored: "+1:00:00" reads "+3600"
    }
    problem_->setVisible(!taken);
    if (!taken) {
        problem_->setText(msg("CAMERACLOCKSBADSHIFT").arg(typed));
        return;
    }
    // A shift for every camera moves each model that has none of its own.
    for (int r = 0; r < table_->rowCount(); ++r)
        showShifted(r);
}

void CameraClocksDialog::openFor(QuorvelAppController& controller)
{
    ControllerState& state = controller.state();
    if (state.isExecuting.load())
        return;
    // The photos the method would name; their paths are read on the pass thread, the list
    // itself is left to the window.
    const PhotoOptions options = PhotoOptions::from(state.settings);
    const QStringList extensions = PhotoRenaming::photoExtensions(options.extensions);
    auto photos = std::make_shared<std::vector<FileSystemItem>>();
    for (const FileSystemItem& item : state.list.files) {
        if (item.kind() == ItemType::File
            && PhotoRenaming::namesExtension(splitName(item.filenameWithExtension()).extension, extensions))
            photos->push_back(item);
    }
    const QStringList stored = state.settings.list(kShiftsKey);
    QtUserInterface& ui = controller.ui();

    state.isCancelProcess = false;
    state.isExecuting = true;
    ui.passStarted(msg("CAMERACLOCKSREADING"));
    auto progress = std::make_shared<PassProgress>(&ui);
    auto survey = std::make_shared<CameraSurvey>();
    ControllerState* s = &state;
    QuorvelAppController* c = &controller;
    PassRunner::start(
        [s, photos, options, progress, survey] {
            *survey = CameraSurvey::survey(*photos, options, s->isCancelProcess, [&](const FileSystemItem& item) {
                progress->setPath(FileSystemItem::getDisplayFilePath(item.fullPath));
            });
        },
        [s, c, progress, survey, stored] {
            progress->flush();
            s->isExecuting = false;
            c->ui().passEnded();
            if (survey->cancelled)
                return;
            auto* sheet = new CameraClocksDialog(CameraClocksController(*survey, stored), c->ui(), c->window());
            sheet->controller().delegate = [c](const QStringList& entries) {
                if (c->state().isExecuting.load())
                    return;
                c->state().settings.setList(kShiftsKey, entries);
                c->mainWindow().showSettings();
                ListSortCommands::sortAgainAfterClockChange(*c);
            };
            sheet->open();
        });
}
