#include "app/tabs/findexpressionerrorlabel.h"

#include "engine/findexpression.h"
#include "engine/settings.h"
#include "pipeline/previewchecks.h"

#include <QPalette>

FindExpressionErrorLabel::FindExpressionErrorLabel(QWidget* parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("findExpressionError"));
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor(0xc0, 0x1c, 0x28));
    setPalette(p);
    hide();
}

void FindExpressionErrorLabel::showSettings(const Settings& settings)
{
    const QString find = settings.text(QStringLiteral("replaceRemoveThis"));
    QString error;
    if (PreviewChecks::usesRegularExpression(settings) && !find.isEmpty())
        error = FindExpression::errorText(find, settings.flag(QStringLiteral("isReplaceRemoveCaseSensitive")));
    setText(error);
    setVisible(!error.isEmpty());
}
