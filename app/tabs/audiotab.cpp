#include "app/quorvelappcontroller.h"
#include "app/tabs/methodtabs.h"
#include "app/tabs/tabbuilder.h"
#include "metadata/metadatacatalogue.h"
#include "platform/edition.h"
#include "platform/messages.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

using namespace TabBuilder;

QWidget* MethodTabs::audioTab(QuorvelAppController& controller)
{
    auto* w = new QWidget;

    QGroupBox* maskBox = groupBox(w, "AUDIOMASK");
    auto* maskLayout = new QGridLayout(maskBox);
    QLineEdit* mask = readOnlyEdit(w, "id3RenamingMask");
    mask->setToolTip(msg("TIPAUDIOMASK"));
    // A push button with a menu keeps room for its arrow beside the label.
    auto* addTag = new QPushButton(msg("ADDTAG"), w);
    addTag->setObjectName(QStringLiteral("id3RenamingMaskAddButton"));
    auto* tags = new QMenu(addTag);
    static const char* const kTagLabels[8] = {"TAGARTIST", "TAGYEAR",  "TAGGENRE",       "TAGTITLE",
                                              "TAGALBUM",  "TAGCOMMENTS", "TAGTRACKNUMBER", "TAGCOMPOSER"};
    for (int tag = 1; tag <= 8; ++tag) {
        QAction* action = tags->addAction(QStringLiteral("%1  %2").arg(msg(kTagLabels[tag - 1]),
                                                                         MetaDataCatalogue::audioToken(tag)));
        QObject::connect(action, &QAction::triggered, &controller,
                         [&controller, tag] { controller.id3RenamingMaskActions(tag); });
    }
    addTag->setMenu(tags);
    auto* clear = new QPushButton(msg("CLEARMASK"), w);
    clear->setObjectName(QStringLiteral("id3RenamingMaskClearButton"));
    QObject::connect(clear, &QPushButton::clicked, &controller, [&controller] { controller.id3RenamingMaskClear(); });
    maskLayout->addWidget(label(w, "MASK", mask), 0, 0);
    maskLayout->addWidget(mask, 0, 1);
    maskLayout->addWidget(addTag, 0, 2);
    maskLayout->addWidget(clear, 0, 3);

    QGroupBox* options = groupBox(w, "AUDIOOPTIONS");
    auto* grid = new QGridLayout(options);
    grid->addWidget(checkBox(w, "isID3RenamingSeperator", "SEPARATEWITH"), 0, 0);
    QLineEdit* separator = separatorEdit(w, "id3RenamingSeperator");
    enabledWhen(separator, "isID3RenamingSeperator");
    grid->addWidget(separator, 0, 1);
    grid->addWidget(checkBox(w, "isID3RenamingColonReplace", "REPLACECOLONWITH"), 1, 0);
    QLineEdit* colon = separatorEdit(w, "id3RenamingColonReplace");
    enabledWhen(colon, "isID3RenamingColonReplace");
    grid->addWidget(colon, 1, 1);
    grid->setColumnStretch(2, 1);

    QGroupBox* extensions = groupBox(w, "AUDIOEXTENSIONS");
    auto* extLayout = new QHBoxLayout(extensions);
    extLayout->addWidget(readOnlyEdit(w, "id3Extensions"), 1);
    if (Edition::current().hasExtensionEditor) {
        auto* edit = new QPushButton(msg("EDITEXTENSIONS"), w);
        edit->setObjectName(QStringLiteral("id3ExtensionEditorButton"));
        QObject::connect(edit, &QPushButton::clicked, &controller, [&controller] { controller.id3ExtensionEditor(); });
        extLayout->addWidget(edit);
    }

    auto* layout = new QVBoxLayout(w);
    layout->addWidget(maskBox);
    layout->addWidget(options);
    layout->addWidget(extensions);
    layout->addStretch(1);
    return page(w);
}
