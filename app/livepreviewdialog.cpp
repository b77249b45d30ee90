#include "app/livepreviewdialog.h"

#include "app/themeicons.h"
#include "pipeline/livepreview.h"
#include "platform/messages.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

LivePreviewDialog::LivePreviewDialog(const LivePreviewOptions& options, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("LivePreviewSheet"));
    setWindowTitle(msg("LIVEPREVIEWTITLE"));
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* picture = new QLabel(this);
    picture->setPixmap(ThemeIcons::image(QStringLiteral("preview48")));
    auto* explanation = new QLabel(msg("LIVEPREVIEWMESSAGE"), this);
    explanation->setWordWrap(true);

    // Tag 1: every item; tag 0: the first items up to the limit.
    auto* choice = new QButtonGroup(this);
    choice->setObjectName(QStringLiteral("fileLimit"));
    all_ = new QRadioButton(msg("LIVEPREVIEWALLITEMS"), this);
    all_->setObjectName(QStringLiteral("fileLimit_1"));
    limited_ = new QRadioButton(msg("LIVEPREVIEWFIRSTITEMS"), this);
    limited_->setObjectName(QStringLiteral("fileLimit_0"));
    choice->addButton(all_, 1);
    choice->addButton(limited_, 0);
    limit_ = new QLineEdit(options.livePreviewFilesLimit, this);
    limit_->setObjectName(QStringLiteral("livePreviewFilesLimit"));
    limit_->setValidator(new QIntValidator(1, 1000000, limit_));
    limit_->setMaximumWidth(90);
    limit_->setAlignment(Qt::AlignRight);
    all_->setChecked(options.isLivePreviewAllFiles);
    limited_->setChecked(!options.isLivePreviewAllFiles);
    limit_->setEnabled(!options.isLivePreviewAllFiles);
    connect(choice, &QButtonGroup::idClicked, this, [this](int tag) { limit_->setEnabled(tag == 0); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(msg("CANCEL"));
    QPushButton* on = buttons->addButton(msg("LIVEPREVIEWTURNON"), QDialogButtonBox::AcceptRole);
    on->setObjectName(QStringLiteral("applyLivePreview"));
    on->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        const QString limit = limit_->text().trimmed().isEmpty() ? QStringLiteral("200") : limit_->text().trimmed();
        accept();
        emit applied(all_->isChecked(), limit);
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(picture, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(explanation, 0, 1, 1, 2);
    grid->addWidget(all_, 1, 1, 1, 2);
    grid->addWidget(limited_, 2, 1);
    grid->addWidget(limit_, 2, 2, Qt::AlignLeft);
    grid->addWidget(buttons, 3, 0, 1, 3);
    grid->setColumnStretch(2, 1);
}
