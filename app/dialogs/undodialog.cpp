#include "app/dialogs/undodialog.h"

#include "app/dialogs/dialogwidgets.h"
#include "app/dialogs/listtablemodel.h"
#include "platform/dateformat.h"
#include "platform/messages.h"
#include "platform/userinterface.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>

using namespace DialogWidgets;

UndoDialog::UndoDialog(ControllerState& state, UserInterface& ui, QWidget* parent)
    : Sheet(parent)
    , controller_(state, ui)
    , ui_(ui)
{
    setObjectName(QStringLiteral("UndoSheet"));
    setWindowTitle(msg("UNDOFILESFOLDERSTITLE"));

    model_ = new ListTableModel(
        {{QStringLiteral("logFileName"), msg("Log File")},
         {QStringLiteral("dateCreated"), msg("Date Created")},
         {QStringLiteral("filesCount"), msg("Renamed Items")}},
        [this] { return int(controller_.logFiles().size()); },
        [this](int row, const QString& id) {
            const LogFileEntry& entry = controller_.logFiles().at(row);
            if (id == QLatin1String("logFileName"))
                return entry.logFileName;
            if (id == QLatin1String("dateCreated"))
                return DateFormat::localeDateTime(entry.sortTime);
            return QString::number(entry.filesCount);
        },
        this);

    table_ = makeRowTable(this, QStringLiteral("logFilesList"), model_);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    sortOnHeaderClick(table_, [this](int column, bool ascending) {
        controller_.sortByColumn(model_->identifier(column), ascending);
    });
    onRowSelected(table_, [this](int row) { controller_.tableViewSelectionDidChange(row); });

    logTotalNosOfFiles_ = new QLabel(this);
    logTotalNosOfFiles_->setObjectName(QStringLiteral("logTotalNosOfFiles"));
    totalFilesInLog_ = new QLabel(this);
    totalFilesInLog_->setObjectName(QStringLiteral("totalFilesInLog"));
    progressIndicator_ = new QProgressBar(this);
    progressIndicator_->setObjectName(QStringLiteral("progressIndicator"));
    progressIndicator_->setRange(0, 0); // busy
    progressIndicator_->setTextVisible(false);
    progressIndicator_->setMaximumWidth(80);
    progressIndicator_->setVisible(false);

    auto* status = new QHBoxLayout;
    status->addWidget(logTotalNosOfFiles_);
    status->addStretch();
    status->addWidget(totalFilesInLog_);
    status->addWidget(progressIndicator_);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeButton(this, msg("Help"), [this] { controller_.showHelp(); }));
    buttons->addWidget(makeButton(this, msg("Open..."), [this] { controller_.openLogFile(); }));
    view_ = makeButton(this, msg("View"), [this] { controller_.viewLogFileContent(); });
    view_->setObjectName(QStringLiteral("viewButton"));
    buttons->addWidget(view_);
    delete_ = makeButton(this, msg("Delete"), [this] { controller_.deleteLogFile(); });
    delete_->setObjectName(QStringLiteral("deleteButton"));
    buttons->addWidget(delete_);
    buttons->addStretch();
    buttons->addWidget(makeButton(this, msg("Close"), [this] { reject(); }));
    undo_ = makeButton(this, msg("Undo"), [this] { confirmAndUndo(); });
    undo_->setObjectName(QStringLiteral("undoButton"));
    undo_->setDefault(true);
    buttons->addWidget(undo_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addLayout(status);
    layout->addLayout(buttons);
    resize(640, 400);

    controller_.setChanged([this] { refresh(); });
    controller_.awakeFromNib();
    // The newest log (the list is newest first) is the one a person most often undoes.
    if (!controller_.logFiles().isEmpty())
        controller_.tableViewSelectionDidChange(0);
}

void UndoDialog::confirmAndUndo()
{
    if (controller_.currLogFilePath().isEmpty() || controller_.isUndoing())
        return;
    // As Rename does: the count first, then the renames.
    const QString answer =
        ui_.alert(AlertStyle::Informational, msg("UNDOFILESFOLDERSTITLE"),
                  msgN("UNDOCONFIRMMESSAGE", controller_.totalFilesCanBeUndoFromLog()),
                  {QStringLiteral("Undo"), QStringLiteral("CANCEL")});
    if (answer == QLatin1String("Undo"))
        controller_.undoRenaming();
}

UndoDialog::~UndoDialog()
{
    // The table outlives the controller it reads (children go after members).
    table_->setModel(nullptr);
}

void UndoDialog::refresh()
{
    model_->reload();
    selectRowQuietly(table_, controller_.selectedRow());
    logTotalNosOfFiles_->setText(controller_.logTotalNosOfFiles());
    totalFilesInLog_->setText(controller_.totalFilesInLog());
    progressIndicator_->setVisible(controller_.isUndoing());
    // While a log is checked or undone nothing else may start from this sheet.
    table_->setEnabled(!controller_.isUndoing());
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setEnabled(!controller_.isUndoing());
    // What acts on a log is offered exactly while one is current.
    const bool current = !controller_.isUndoing() && !controller_.currLogFilePath().isEmpty();
    for (QPushButton* button : {undo_, view_, delete_})
        button->setEnabled(current);
    // Checking runs right after this on the main thread: show its state now.
    paintNow(this);
}

void UndoDialog::reject()
{
    if (controller_.isUndoing())
        return;
    Sheet::reject();
}
