#include "app/rulebar.h"

#include "platform/messages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

RuleBar::RuleBar(QWidget* parent)
    : QFrame(parent)
    , text_(new QLabel(this))
    , showRule_(new QPushButton(msg("RULEBARSHOWRULE"), this))
    , useTab_(new QPushButton(msg("RULEBARUSETAB"), this))
{
    setObjectName(QStringLiteral("ruleBar"));
    setFrameShape(QFrame::StyledPanel);
    // A tinted strip, as desktops show a notice above what it speaks of.
    setAutoFillBackground(true);
    QPalette tinted = palette();
    tinted.setColor(QPalette::Window, palette().color(QPalette::Highlight).lighter(185));
    tinted.setColor(QPalette::WindowText, palette().color(QPalette::Text));
    setPalette(tinted);

    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(size, size));
    text_->setObjectName(QStringLiteral("ruleBarText"));
    showRule_->setObjectName(QStringLiteral("showRule"));
    useTab_->setObjectName(QStringLiteral("useTabInstead"));
    showRule_->setToolTip(msg("TIPRULEBARSHOWRULE"));
    useTab_->setToolTip(msg("TIPRULEBARUSETAB"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 3, 8, 3);
    layout->addWidget(icon);
    layout->addWidget(text_, 1);
    layout->addWidget(showRule_);
    layout->addWidget(useTab_);
    connect(showRule_, &QPushButton::clicked, this, &RuleBar::showRuleClicked);
    connect(useTab_, &QPushButton::clicked, this, &RuleBar::useTabClicked);
    hide();
}

void RuleBar::showRule(bool drivesList, int steps)
{
    if (drivesList)
        text_->setText(msgN("RULEBARTEXT", steps));
    setVisible(drivesList);
}
