#include "app/tabs/methodtabs.h"
#include "app/tabs/tabbuilder.h"
#include "platform/messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace TabBuilder;

QWidget* MethodTabs::dateTimeTab(QuorvelAppController&)
{
    auto* w = new QWidget;

    // Which date
    QGroupBox* source = groupBox(w, "DATESOURCE");
    auto* sourceLayout = new QHBoxLayout(source);
    QButtonGroup* sources = radioGroup(w, "dateTimeDateOptionIndex");
    sourceLayout->addWidget(radio(w, sources, 0, "DATECREATED"));
    sourceLayout->addWidget(radio(w, sources, 1, "DATEMODIFIED"));
    sourceLayout->addWidget(radio(w, sources, 2, "DATECUSTOM"));
    auto* custom = new QDateTimeEdit(w);
    custom->setObjectName(QStringLiteral("dateTimeCustomDate"));
    custom->setCalendarPopup(true);
    custom->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    enabledWhen(custom, "dateTimeDateOptionIndex=2");
    sourceLayout->addWidget(custom);
    sourceLayout->addStretch(1);

    // Where
    QGroupBox* where = groupBox(w, "PLACEMENT");
    auto* grid = new QGridLayout(where);
    QButtonGroup* at = radioGroup(w, "dateTimeOptionsIndex");
    grid->addWidget(radio(w, at, 0, "ATBEGINNING"), 0, 0);
    grid->addWidget(radio(w, at, 1, "ATEND"), 0, 1);
    grid->addWidget(radio(w, at, 2, "ATPOSITION"), 1, 0);
    QLineEdit* position = numberEdit(w, "dateTimeAtPositionNo");
    QComboBox* direction = directionCombo(w, "dateTimeAtPositionDirection");
    enabledWhen(position, "dateTimeOptionsIndex=2");
    enabledWhen(direction, "dateTimeOptionsIndex=2");
    grid->addWidget(position, 1, 1);
    grid->addWidget(direction, 1, 2);
    grid->addWidget(radio(w, at, 3, "BEFORETEXT"), 2, 0);
    QLineEdit* before = lineEdit(w, "dateTimeAtBeforeText", 840001);
    QLineEdit* beforeOccurrence = numberEdit(w, "dateTimeAtBeforeTextOccurrence");
    enabledWhen(before, "dateTimeOptionsIndex=3");
    enabledWhen(beforeOccurrence, "dateTimeOptionsIndex=3");
    grid->addWidget(before, 2, 1, 1, 2);
    grid->addWidget(label(w, "OCCURRENCE", beforeOccurrence), 2, 3);
    grid->addWidget(beforeOccurrence, 2, 4);
    grid->addWidget(radio(w, at, 4, "AFTERTEXT"), 3, 0);
    QLineEdit* after = lineEdit(w, "dateTimeAtAfterText", 840002);
    QLineEdit* afterOccurrence = numberEdit(w, "dateTimeAtAfterTextOccurrence");
    enabledWhen(after, "dateTimeOptionsIndex=4");
    enabledWhen(afterOccurrence, "dateTimeOptionsIndex=4");
    grid->addWidget(after, 3, 1, 1, 2);
    grid->addWidget(label(w, "OCCURRENCE", afterOccurrence), 3, 3);
    grid->addWidget(afterOccurrence, 3, 4);
    grid->setColumnStretch(5, 1);

    // Format
    QGroupBox* format = groupBox(w, "DATEFORMAT");
    auto* formatGrid = new QGridLayout(format);
    formatGrid->addWidget(checkBox(w, "hasDateFormat", "DATEPARTS"), 0, 0);
    auto* dateParts = new QWidget(w);
    enabledWhen(dateParts, "hasDateFormat");
    auto* dateRow = partsRow(dateParts, "dateTimeFormatDatePart1", "dateTimeFormatDateSeperator1",
                             "dateTimeFormatDatePart2", "dateTimeFormatDateSeperator2", "dateTimeFormatDatePart3", false);
    dateRow->setContentsMargins(0, 0, 0, 0);
    dateParts->setLayout(dateRow);
    formatGrid->addWidget(dateParts, 0, 1, 1, 3);
    formatGrid->addWidget(checkBox(w, "hasTimeFormat", "TIMEPARTS"), 1, 0);
    auto* timeParts = new QWidget(w);
    enabledWhen(timeParts, "hasTimeFormat");
    auto* timeRow = partsRow(timeParts, "dateTimeFormatTimePart1", "dateTimeFormatTimeSeperator1",
                             "dateTimeFormatTimePart2", "dateTimeFormatTimeSeperator2", "dateTimeFormatTimePart3", true);
    timeRow->setContentsMargins(0, 0, 0, 0);
    timeParts->setLayout(timeRow);
    formatGrid->addWidget(timeParts, 1, 1, 1, 3);
    QLineEdit* between = separatorEdit(w, "dateTimeSeparator");
    enabledWhen(between, "hasDateFormat&hasTimeFormat");
    formatGrid->addWidget(label(w, "DATETIMESEPARATOR", between), 2, 0);
    formatGrid->addWidget(between, 2, 1);
    auto* colon = new QHBoxLayout;
    colon->addWidget(checkBox(w, "isDateTimeColonReplace", "REPLACECOLONWITH"));
    QLineEdit* colonWith = separatorEdit(w, "dateTimeColonReplace");
    enabledWhen(colonWith, "isDateTimeColonReplace");
    colon->addWidget(colonWith);
    colon->addStretch(1);
    formatGrid->addLayout(colon, 2, 2, 1, 2);
    QLineEdit* prefix = lineEdit(w, "dateTimePrefix", 0, 160);
    QLineEdit* suffix = lineEdit(w, "dateTimeSuffix", 0, 160);
    formatGrid->addWidget(label(w, "TEXTBEFOREDATE", prefix), 3, 0);
    formatGrid->addWidget(prefix, 3, 1);
    formatGrid->addWidget(label(w, "TEXTAFTERDATE", suffix), 3, 2);
    formatGrid->addWidget(suffix, 3, 3);
    formatGrid->setColumnStretch(4, 1);

    // Which date and where on the left, its format on the right.
    auto* left = new QVBoxLayout;
    left->addWidget(source);
    left->addWidget(where);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(format);
    right->addStretch(1);
    auto* layout = new QHBoxLayout(w);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);
    return page(w);
}
