#include "app/tabs/methodtabs.h"
#include "app/tabs/tabbuilder.h"
#include "platform/messages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace TabBuilder;

QWidget* MethodTabs::pathComponentsTab(QuorvelAppController&)
{
    auto* w = new QWidget;

    QGroupBox* which = groupBox(w, "PATHCOMPONENTS");
    auto* whichGrid = new QGridLayout(which);
    auto* level = new QSpinBox(w);
    level->setObjectName(QStringLiteral("pathComponentsLevelNo"));
    level->setRange(1, 99);
    level->setToolTip(msg("TIPPATHLEVEL"));
    whichGrid->addWidget(label(w, "PATHLEVEL", level), 0, 0);
    whichGrid->addWidget(level, 0, 1);
    QLineEdit* separator = separatorEdit(w, "pathComponentsSeparator");
    whichGrid->addWidget(label(w, "PATHSEPARATOR", separator), 0, 2);
    whichGrid->addWidget(separator, 0, 3);
    QLineEdit* prefix = lineEdit(w, "pathComponentsPrefix", 0, 160);
    QLineEdit* suffix = lineEdit(w, "pathComponentsSuffix", 0, 160);
    whichGrid->addWidget(label(w, "TEXTBEFORE", prefix), 1, 0);
    whichGrid->addWidget(prefix, 1, 1);
    whichGrid->addWidget(label(w, "TEXTAFTER", suffix), 1, 2);
    whichGrid->addWidget(suffix, 1, 3);
    whichGrid->setColumnStretch(4, 1);

    QGroupBox* where = groupBox(w, "PLACEMENT");
    auto* grid = new QGridLayout(where);
    QButtonGroup* at = radioGroup(w, "pathComponentsOptionsIndex");
    grid->addWidget(radio(w, at, 0, "ATBEGINNING"), 0, 0);
    grid->addWidget(radio(w, at, 1, "ATEND"), 0, 1);
    grid->addWidget(radio(w, at, 2, "ATPOSITION"), 1, 0);
    QLineEdit* position = numberEdit(w, "pathComponentsAtPositionNo");
    QComboBox* direction = directionCombo(w, "pathComponentsAtPositionDirection");
    enabledWhen(position, "pathComponentsOptionsIndex=2");
    enabledWhen(direction, "pathComponentsOptionsIndex=2");
    grid->addWidget(position, 1, 1);
    grid->addWidget(direction, 1, 2);
    grid->addWidget(radio(w, at, 3, "BEFORETEXT"), 2, 0);
    QLineEdit* before = lineEdit(w, "pathComponentsAtBeforeText", 940001);
    QLineEdit* beforeOccurrence = numberEdit(w, "pathComponentsAtBeforeOccurrence");
    enabledWhen(before, "pathComponentsOptionsIndex=3");
    enabledWhen(beforeOccurrence, "pathComponentsOptionsIndex=3");
    grid->addWidget(before, 2, 1, 1, 2);
    grid->addWidget(label(w, "OCCURRENCE", beforeOccurrence), 2, 3);
    grid->addWidget(beforeOccurrence, 2, 4);
    grid->addWidget(radio(w, at, 4, "AFTERTEXT"), 3, 0);
    QLineEdit* after = lineEdit(w, "pathComponentsAtAfterText", 940002);
    QLineEdit* afterOccurrence = numberEdit(w, "pathComponentsAtAfterOccurrence");
    enabledWhen(after, "pathComponentsOptionsIndex=4");
    enabledWhen(afterOccurrence, "pathComponentsOptionsIndex=4");
    grid->addWidget(after, 3, 1, 1, 2);
    grid->addWidget(label(w, "OCCURRENCE", afterOccurrence), 3, 3);
    grid->addWidget(afterOccurrence, 3, 4);
    grid->setColumnStretch(5, 1);

    auto* layout = new QVBoxLayout(w);
    layout->addWidget(which);
    layout->addWidget(where);
    layout->addStretch(1);
    return page(w);
}
