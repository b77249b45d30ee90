#include "app/tabs/methodtabs.h"
#include "app/tabs/tabbuilder.h"
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

QWidget* MethodTabs::insertDeleteTab(QuorvelAppController&)
{
    auto* w = new QWidget;
    QButtonGroup* mode = radioGroup(w, "insertDeleteIndex");

    // Insert
    QGroupBox* insert = groupBox(w, "INSERTGROUP");
    auto* grid = new QGridLayout(insert);
    QLineEdit* text = lineEdit(w, "insertDeleteInsert");
    text->setToolTip(msg("TIPINSERTTEXT"));
    grid->addWidget(radio(w, mode, 0, "INSERTDELETEINSERT"), 0, 0);
    grid->addWidget(text, 0, 1, 1, 4);
    QWidget* insertOptions = new QWidget(w);
    enabledWhen(insertOptions, "isInsertDeleteInsert");
    auto* where = new QGridLayout(insertOptions);
    where->setContentsMargins(24, 0, 0, 0);
    QButtonGroup* at = radioGroup(w, "insertDeleteInsertOptionIndex");
    where->addWidget(radio(insertOptions, at, 0, "ATBEGINNING"), 0, 0);
    where->addWidget(radio(insertOptions, at, 1, "ATEND"), 0, 1);
    where->addWidget(radio(insertOptions, at, 2, "ATPOSITION"), 1, 0);
    QLineEdit* position = numberEdit(insertOptions, "insertDeleteAtCharacterPositions");
    QComboBox* direction = directionCombo(insertOptions, "insertDeleteInsertAtPostionDirection");
    enabledWhen(position, "insertDeleteInsertOptionIndex=2");
    enabledWhen(direction, "insertDeleteInsertOptionIndex=2");
    where->addWidget(position, 1, 1);
    where->addWidget(direction, 1, 2);
    where->addWidget(radio(insertOptions, at, 3, "BEFORETEXT"), 2, 0);
    QLineEdit* before = lineEdit(insertOptions, "insertDeleteInsertAtBeforeText", 740001);
    QLineEdit* beforeOccurrence = numberEdit(insertOptions, "insertDeleteInsertAtBeforeOccurrence");
    enabledWhen(before, "insertDeleteInsertOptionIndex=3");
    enabledWhen(beforeOccurrence, "insertDeleteInsertOptionIndex=3");
    where->addWidget(before, 2, 1, 1, 2);
    where->addWidget(label(insertOptions, "OCCURRENCE", beforeOccurrence), 2, 3);
    where->addWidget(beforeOccurrence, 2, 4);
    where->addWidget(radio(insertOptions, at, 4, "AFTERTEXT"), 3, 0);
    QLineEdit* after = lineEdit(insertOptions, "insertDeleteInsertAtAfterText", 740002);
    QLineEdit* afterOccurrence = numberEdit(insertOptions, "insertDeleteInsertAtAfterOccurrence");
    enabledWhen(after, "insertDeleteInsertOptionIndex=4");
    enabledWhen(afterOccurrence, "insertDeleteInsertOptionIndex=4");
    where->addWidget(after, 3, 1, 1, 2);
    where->addWidget(label(insertOptions, "OCCURRENCE", afterOccurrence), 3, 3);
    where->addWidget(afterOccurrence, 3, 4);
    where->setColumnStretch(5, 1);
    grid->addWidget(insertOptions, 1, 0, 1, 5);
    enabledWhen(text, "isInsertDeleteInsert");

    // Delete
    QGroupBox* remove = groupBox(w, "DELETEGROUP");
    auto* row = new QHBoxLayout(remove);
    row->addWidget(radio(w, mode, 1, "INSERTDELETEDELETE"));
    QLineEdit* from = numberEdit(w, "insertDeleteFromCharacterPosition");
    QLineEdit* count = numberEdit(w, "insertDeleteNumberOfCharacters");
    QCheckBox* backward = checkBox(w, "isInsertDeleteDeleteFromBackWard", "DELETEFROMEND");
    for (QWidget* c : {static_cast<QWidget*>(from), static_cast<QWidget*>(count), static_cast<QWidget*>(backward)})
        enabledWhen(c, "isInsertDeleteDelete");
    row->addSpacing(12);
    row->addWidget(label(w, "DELETECOUNT", count));
    row->addWidget(count);
    row->addWidget(label(w, "DELETEFROMPOSITION", from));
    row->addWidget(from);
    row->addWidget(backward);
    row->addStretch(1);

    auto* layout = new QVBoxLayout(w);
    layout->addWidget(insert);
    layout->addWidget(remove);
    layout->addStretch(1);
    return page(w);
}
