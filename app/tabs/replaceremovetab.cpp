#include "app/tabs/findexpressionerrorlabel.h"
#include "app/tabs/methodtabs.h"
#include "app/tabs/tabbuilder.h"
#include "platform/edition.h"
#include "platform/messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace TabBuilder;

QWidget* MethodTabs::replaceRemoveTab(QuorvelAppController&)
{
    auto* w = new QWidget;

    auto* modes = new QHBoxLayout;
    QButtonGroup* mode = radioGroup(w, "removeReplaceIndex");
    modes->addWidget(radio(w, mode, 0, "REPLACEMODE"));
    modes->addWidget(radio(w, mode, 1, "REMOVEMODE"));
    modes->addWidget(radio(w, mode, 2, "REMOVECHARACTERSMODE"));
    modes->addStretch(1);

    QGroupBox* texts = groupBox(w, "REPLACETEXTS");
    auto* grid = new QGridLayout(texts);
    QLineEdit* find = lineEdit(w, "replaceRemoveThis");
    find->setToolTip(msg("TIPREPLACEFIND"));
    QLineEdit* with = lineEdit(w, "replaceRemoveWith");
    enabledWhen(with, "isReplaceRemoveReplace");
    grid->addWidget(label(w, "REPLACEFIND", find), 0, 0);
    grid->addWidget(find, 0, 1);
    // An invalid regular expression is told right under the field it was typed in.
    grid->addWidget(new FindExpressionErrorLabel(w), 1, 1);
    grid->addWidget(label(w, "REPLACEWITH", with), 2, 0);
    grid->addWidget(with, 2, 1);
    auto* checks = new QHBoxLayout;
    checks->addWidget(checkBox(w, "isReplaceRemoveCaseSensitive", "CASESENSITIVE"));
    checks->addWidget(checkBox(w, "isReplaceRemoveAllOccurrence", "ALLOCCURRENCES"));
    if (Edition::current().hasExtendedMethods) {
        QCheckBox* expression = checkBox(w, "isReplaceRemoveRegularExpression", "REGULAREXPRESSION");
        expression->setToolTip(msg("TIPREGULAREXPRESSION"));
        // Removing each of a set of characters never reads an expression.
        enabledWhen(expression, "!isReplaceRemoveRemoveCharacters");
        checks->addWidget(expression);
    }
    checks->addStretch(1);
    grid->addLayout(checks, 3, 1);

    QGroupBox* where = groupBox(w, "REPLACEWHERE");
    auto* whereGrid = new QGridLayout(where);
    QLineEdit* start = numberEdit(w, "replaceRemoveStartFromCharacter");
    QComboBox* direction = directionCombo(w, "replaceRemovePositionDirection");
    QLineEdit* occurrence = numberEdit(w, "replaceRemoveStartOnOccurrence");
    QLineEdit* count = numberEdit(w, "replaceRemoveOccuranceCount");
    enabledWhen(occurrence, "!isReplaceRemoveAllOccurrence&!isReplaceRemoveRemoveCharacters");
    enabledWhen(count, "!isReplaceRemoveAllOccurrence&!isReplaceRemoveRemoveCharacters");
    whereGrid->addWidget(label(w, "STARTFROMCHARACTER", start), 0, 0);
    whereGrid->addWidget(start, 0, 1);
    whereGrid->addWidget(direction, 0, 2);
    whereGrid->addWidget(label(w, "STARTONOCCURRENCE", occurrence), 1, 0);
    whereGrid->addWidget(occurrence, 1, 1);
    whereGrid->addWidget(label(w, "OCCURRENCECOUNT", count), 1, 2);
    whereGrid->addWidget(count, 1, 3);
    whereGrid->setColumnStretch(4, 1);

    auto* layout = new QVBoxLayout(w);
    layout->addLayout(modes);
    layout->addWidget(texts);
    layout->addWidget(where);
    layout->addStretch(1);
    return page(w);
}
