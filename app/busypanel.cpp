#include "app/busypanel.h"

#include "app/themeicons.h"
#include "platform/messages.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

BusyPanel::BusyPanel(QWidget* parent)
    : QWidget(parent)
    , message_(new QLabel(this))
    , path_(new QLabel(this))
    , bar_(new QProgressBar(this))
    , cancel_(new QPushButton(ThemeIcons::icon({"process-stop"}, "process-stop"), msg("ACTIONCANCEL"), this))
{
    setObjectName(QStringLiteral("busyPanel"));
    QFont bold = message_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    message_->setFont(bold);
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    path_->setAlignment(Qt::AlignCenter);
    path_->setTextFormat(Qt::PlainText);
    path_->setMinimumWidth(100);
    path_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar_->setRange(0, 0);
    bar_->setTextVisible(false);
    bar_->setMaximumWidth(360);
    cancel_->setObjectName(QStringLiteral("busyCancelButton"));
    cancel_->setToolTip(msg("TIPCANCEL"));

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(2);
    layout->addWidget(message_);
    layout->addSpacing(8);
    layout->addWidget(bar_, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addWidget(path_);
    layout->addSpacing(12);
    layout->addWidget(cancel_, 0, Qt::AlignHCenter);
    layout->addStretch(3);
}

void BusyPanel::start(const QString& message)
{
    message_->setText(message);
    fullPath_.clear();
    path_->clear();
}

void BusyPanel::setMessage(const QString& text)
{
    message_->setText(text);
}

void BusyPanel::setPath(const QString& displayPath)
{
    fullPath_ = displayPath;
    const int width = qMax(100, path_->width() - 8);
    path_->setText(path_->fontMetrics().elidedText(displayPath, Qt::ElideMiddle, width));
}

QString BusyPanel::message() const
{
    return message_->text();
}

QString BusyPanel::path() const
{
    return fullPath_;
}
