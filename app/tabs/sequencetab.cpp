#include "app/tabs/methodtabs.h"
#include "app/tabs/tabbuilder.h"
#include "platform/messages.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace TabBuilder;

QWidget* MethodTabs::sequenceTab(QuorvelAppController&)
{
    auto* w = new QWidget;
    auto* top = new QHBoxLayout;

    QGroupBox* kind = groupBox(w, "SEQUENCEKIND");
    auto* kindLayout = new QVBoxLayout(kind);
    QButtonGroup* kinds = radioGroup(w, "alphaNumericNumericAlphabeticIndex");
    kindLayout->addWidget(radio(w, kinds, 0, "SEQUENCENUMBERS"));
    kindLayout->addWidget(radio(w, kinds, 1, "SEQUENCELETTERS"));
    kindLayout->addStretch(1);

    QGroupBox* direction = groupBox(w, "SEQUENCEDIRECTION");
    auto* directionLayout = new QVBoxLayout(direction);
    QButtonGroup* directions = radioGroup(w, "alphaNumericIncrementDecrementIndex");
    directionLayout->addWidget(radio(w, directions, 0, "SEQUENCEINCREMENT"));
    directionLayout->addWidget(radio(w, directions, 1, "SEQUENCEDECREMENT"));
    directionLayout->addStretch(1);

    QGroupBox* values = groupBox(w, "SEQUENCEVALUES");
    auto* grid = new QGridLayout(values);
    QLineEdit* numericStart = numberEdit(w, "alphaNumericNumericStartWith", 300302);
    QLineEdit* alphabeticStart = lineEdit(w, "alphaNumericAlphabeticStartWith", 300301, 120);
    QLineEdit* incrementBy = numberEdit(w, "alphaNumericIncrementBy", 300303);
    QLineEdit* decrementBy = numberEdit(w, "alphaNumericDecrementBy", 300304);
    QLineEdit* padding = lineEdit(w, "alphaNumericPaddingMask", 300305, 120);
    enabledWhen(numericStart, "isAlphaNumericNumeric");
    enabledWhen(alphabeticStart, "isAlphaNumericAlphabetic");
    enabledWhen(incrementBy, "isAlphaNumericIncrement");
    enabledWhen(decrementBy, "isAlphaNumericDecrement");
    padding->setToolTip(msg("TIPPADDINGMASK"));
    numericStart->setToolTip(msg("TIPNUMERICSTART"));
    alphabeticStart->setToolTip(msg("TIPALPHABETICSTART"));
    grid->addWidget(label(w, "SEQUENCENUMERICSTART", numericStart), 0, 0);
    grid->addWidget(numericStart, 0, 1);
    grid->addWidget(label(w, "SEQUENCEALPHABETICSTART", alphabeticStart), 0, 2);
    grid->addWidget(alphabeticStart, 0, 3);
    grid->addWidget(label(w, "SEQUENCEINCREMENTBY", incrementBy), 1, 0);
    grid->addWidget(incrementBy, 1, 1);
    grid->addWidget(label(w, "SEQUENCEDECREMENTBY", decrementBy), 1, 2);
    grid->addWidget(decrementBy, 1, 3);
    grid->addWidget(label(w, "SEQUENCEPADDINGMASK", padding), 2, 0);
    grid->addWidget(padding, 2, 1, 1, 3);
    grid->setColumnStretch(4, 1);

    top->addWidget(kind);
    top->addWidget(direction);
    top->addWidget(values, 1);

    QGroupBox* placement = groupBox(w, "SEQUENCEPLACEMENT");
    auto* placementLayout = new QGridLayout(placement);
    placementLayout->addWidget(checkBox(w, "isAlphaNumericPrefix", "SEQUENCEASPREFIX"), 0, 0);
    placementLayout->addWidget(checkBox(w, "isAlphaNumericSufix", "SEQUENCEASSUFFIX"), 0, 1);
    placementLayout->addWidget(checkBox(w, "isAlphaNumericSeperator", "SEQUENCESEPARATOR"), 1, 0);
    QLineEdit* separator = lineEdit(w, "alphaNumericSeperator", 0, 120);
    enabledWhen(separator, "isAlphaNumericSeperator");
    placementLayout->addWidget(separator, 1, 1);
    placementLayout->addWidget(checkBox(w, "isAlphaNumericResetSequenceOnEachFolder", "SEQUENCERESETEACHFOLDER"), 2, 0, 1, 2);
    placementLayout->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(w);
    layout->addLayout(top);
    layout->addWidget(placement);
    layout->addStretch(1);
    return page(w);
}
