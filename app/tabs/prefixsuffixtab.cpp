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

QWidget* MethodTabs::prefixSuffixTab(QuorvelAppController&)
{
    auto* w = new QWidget;
    QButtonGroup* mode = radioGroup(w, "prefixSuffixIndex");

    QGroupBox* texts = groupBox(w, "PREFIXSUFFIXTEXTGROUP");
    auto* textGrid = new QGridLayout(texts);
    textGrid->addWidget(radio(w, mode, 0, "PREFIXSUFFIXTEXT"), 0, 0, 1, 2);
    QLineEdit* prefix = lineEdit(w, "prefixSuffixPrefix");
    QLineEdit* suffix = lineEdit(w, "prefixSuffixSuffix");
    enabledWhen(prefix, "isPrefixSuffixString");
    enabledWhen(suffix, "isPrefixSuffixString");
    textGrid->addWidget(label(w, "PREFIX", prefix), 1, 0);
    textGrid->addWidget(prefix, 1, 1);
    textGrid->addWidget(label(w, "SUFFIX", suffix), 1, 2);
    textGrid->addWidget(suffix, 1, 3);

    QGroupBox* dates = groupBox(w, "PREFIXSUFFIXDATEGROUP");
    auto* dateGrid = new QGridLayout(dates);
    dateGrid->addWidget(radio(w, mode, 1, "PREFIXSUFFIXDATE"), 0, 0);
    QWidget* dateOptions = new QWidget(w);
    enabledWhen(dateOptions, "isPrefixSuffixDate");
    auto* options = new QGridLayout(dateOptions);
    options->setContentsMargins(24, 0, 0, 0);
    QComboBox* attribute =
        comboBox(dateOptions, "prefixSuffixFileDateAttribute", {{"DATECREATED", 1}, {"DATEMODIFIED", 2}});
    options->addWidget(label(dateOptions, "FILEDATE", attribute), 0, 0);
    options->addWidget(attribute, 0, 1);
    auto* placement = new QHBoxLayout;
    placement->addWidget(checkBox(dateOptions, "isPrefixSuffixDatePrefix", "ASPREFIX"));
    placement->addWidget(checkBox(dateOptions, "isPrefixSuffixDateSuffix", "ASSUFFIX"));
    placement->addStretch(1);
    options->addLayout(placement, 0, 2);
    options->addWidget(label(dateOptions, "DATEPARTS"), 1, 0);
    options->addLayout(partsRow(dateOptions, "prefixSuffixDatePart1", "prefixSuffixDateSeperator1",
                                "prefixSuffixDatePart2", "prefixSuffixDateSeperator2", "prefixSuffixDatePart3", false),
                       1, 1, 1, 2);
    options->addWidget(label(dateOptions, "TIMEPARTS"), 2, 0);
    options->addLayout(partsRow(dateOptions, "prefixSuffixTimePart1", "prefixSuffixTimeSeperator1",
                                "prefixSuffixTimePart2", "prefixSuffixTimeSeperator2", "prefixSuffixTimePart3", true),
                       2, 1, 1, 2);
    QLineEdit* before = lineEdit(dateOptions, "prefixSuffixDatePrefix", 0, 160);
    QLineEdit* after = lineEdit(dateOptions, "prefixSuffixDateSuffix", 0, 160);
    auto* around = new QHBoxLayout;
    around->addWidget(before);
    around->addWidget(label(dateOptions, "TEXTAFTERDATE", after));
    around->addWidget(after);
    around->addStretch(1);
    options->addWidget(label(dateOptions, "TEXTBEFOREDATE", before), 3, 0);
    options->addLayout(around, 3, 1, 1, 2);
    options->setColumnStretch(3, 1);
    dateGrid->addWidget(dateOptions, 1, 0);

    auto* layout = new QVBoxLayout(w);
    layout->addWidget(texts);
    layout->addWidget(dates);
    layout->addStretch(1);
    return page(w);
}
