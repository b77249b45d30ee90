#include "app/tabs/methodtabs.h"
#include "app/tabs/tabbuilder.h"
#include "platform/edition.h"
#include "platform/messages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace TabBuilder;

namespace {

const QList<QPair<const char*, QVariant>> kCases = {{"UPPERCASE", 1}, {"LOWERCASE", 2}, {"PROPERCASE", 3}};

} // namespace

QWidget* MethodTabs::generalTab(QuorvelAppController&)
{
    auto* w = new QWidget;
    QGroupBox* box = groupBox(w, "GENERALOPERATION");
    auto* grid = new QGridLayout(box);
    QButtonGroup* op = radioGroup(w, "generalOptionIndex");

    // One row per operation, in two columns (of six, or seven with the transliteration
    // and the encoding repair): its radio button (id = generalOptionIndex) and its
    // fields, enabled while it is the chosen operation.
    const bool extended = Edition::current().hasExtendedMethods;
    const int perColumn = extended ? 7 : 6;
    auto add = [&](int id, const char* labelKey, std::initializer_list<QWidget*> fields) -> QRadioButton* {
        const int row = id % perColumn;
        int column = id < perColumn ? 0 : 4;
        QRadioButton* button = radio(w, op, id, labelKey);
        grid->addWidget(button, row, column++);
        const QByteArray condition = "generalOptionIndex=" + QByteArray::number(id);
        for (QWidget* field : fields) {
            enabledWhen(field, condition.constData());
            grid->addWidget(field, row, column++);
        }
        return button;
    };
    add(0, "CONVERTFILENAMECASE", {comboBox(w, "generalFileNameCase", kCases)});
    add(1, "CONVERTEXTENSIONCASE", {comboBox(w, "generalExtensionCase", kCases)});
    add(2, "REMOVEEXTENSION", {});
    add(3, "CHANGEEXTENSION", {lineEdit(w, "generalChangeExtension", 0, 120)});
    add(4, "REVERSEFILENAME", {});
    add(5, "REMOVESPACES", {});
    add(6, "SWAPFROMSEPARATOR", {lineEdit(w, "generalSwapSeperator", 0, 120)});
    add(7, "SWAPFROMPOSITION", {numberEdit(w, "generalSwapPosition")});
    QLineEdit* afterText = lineEdit(w, "generalRemoveAfterString", 640001, 160);
    QLineEdit* afterOccurrence = numberEdit(w, "generalRemoveAfterStringOccurrence");
    afterOccurrence->setToolTip(msg("OCCURRENCE"));
    add(8, "REMOVEAFTERTEXT", {afterText, afterOccurrence});
    QLineEdit* fromText = lineEdit(w, "generalRemoveFromString", 640002, 160);
    QLineEdit* fromOccurrence = numberEdit(w, "generalRemoveFromStringOccurrence");
    fromOccurrence->setToolTip(msg("OCCURRENCE"));
    add(9, "REMOVEFROMTEXT", {fromText, fromOccurrence});
    QLineEdit* mask = lineEdit(w, "generalFilenameMask", 640003, 240);
    mask->setToolTip(msg("TIPFILENAMEMASK"));
    add(10, "FILENAMEMASK", {mask});
    QLineEdit* safe = lineEdit(w, "generalConvertWindowsCompatibleString", 0, 80);
    safe->setToolTip(msg("TIPWINDOWSCOMPATIBLE"));
    add(11, "WINDOWSCOMPATIBLE", {safe});
    if (extended) {
        add(12, "TRANSLITERATE", {})->setToolTip(msg("TIPTRANSLITERATE"));
        QLineEdit* encoding = lineEdit(w, "generalRepairEncodingFrom", 0, 120);
        encoding->setToolTip(msg("TIPREPAIRENCODING"));
        add(13, "REPAIRENCODING", {encoding});
    }
    grid->setColumnMinimumWidth(3, 24);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(7, 1);

    auto* layout = new QVBoxLayout(w);
    layout->addWidget(box);
    layout->addStretch(1);
    return page(w);
}
