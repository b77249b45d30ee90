#include "app/dialogs/cameraclocksdialog.h"
#include "app/quorvelappcontroller.h"
#include "app/tabs/methodtabs.h"
#include "app/tabs/tabbuilder.h"
#include "metadata/extensionseditorcontroller.h"
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

QWidget* MethodTabs::photoTab(QuorvelAppController& controller)
{
    auto* w = new QWidget;

    QGroupBox* maskBox = groupBox(w, "PHOTOMASK");
    auto* maskLayout = new QGridLayout(maskBox);
    QLineEdit* mask = readOnlyEdit(w, "photoRenamingMask");
    mask->setToolTip(msg("TIPPHOTOMASK"));
    auto* edit = new QPushButton(msg("EDITMASK"), w);
    edit->setObjectName(QStringLiteral("photoRenamingMaskEditorButton"));
    QObject::connect(edit, &QPushButton::clicked, &controller, [&controller] { controller.photoRenamingMaskEditor(); });
    auto* quick = new QPushButton(msg("ADDFIELD"), w);
    quick->setObjectName(QStringLiteral("photoRenamingMaskQuickButton"));
    auto* fields = new QMenu(quick);
    static const char* const kQuick[6] = {"FIELDDATE",        "FIELDTIME",       "FIELDDEVICEMAKE",
                                          "FIELDDEVICEMODEL", "FIELDDIMENSIONS", "FIELDFILENAME"};
    for (int command = 0; command < 6; ++command) {
        QAction* action = fields->addAction(msg(kQuick[command]));
        QObject::connect(action, &QAction::triggered, &controller,
                         [&controller, command] { controller.photoRenamingMaskQuick(command); });
    }
    quick->setMenu(fields);
    auto* clear = new QPushButton(msg("CLEARMASK"), w);
    clear->setObjectName(QStringLiteral("photoRenamingMaskClearButton"));
    QObject::connect(clear, &QPushButton::clicked, &controller, [&controller] { controller.photoRenamingMaskClear(); });
    maskLayout->addWidget(label(w, "MASK", mask), 0, 0);
    maskLayout->addWidget(mask, 0, 1);
    maskLayout->addWidget(edit, 0, 2);
    maskLayout->addWidget(quick, 0, 3);
    maskLayout->addWidget(clear, 0, 4);
    maskLayout->setColumnStretch(1, 1);

    QGroupBox* options = groupBox(w, "PHOTOOPTIONS");
    auto* grid = new QGridLayout(options);
    grid->addWidget(checkBox(w, "isPhotoRenamingSeperator", "SEPARATEWITH"), 0, 0);
    QLineEdit* separator = separatorEdit(w, "photoRenamingSeperator");
    enabledWhen(separator, "isPhotoRenamingSeperator");
    grid->addWidget(separator, 0, 1);
    grid->addWidget(checkBox(w, "isPhotoRenamingColonReplace", "REPLACECOLONWITH"), 0, 2);
    QLineEdit* colon = separatorEdit(w, "photoRenamingColonReplace");
    enabledWhen(colon, "isPhotoRenamingColonReplace");
    grid->addWidget(colon, 0, 3);
    grid->addWidget(label(w, "DATEPARTS"), 1, 0);
    grid->addLayout(partsRow(w, "photoDatePart1", "photoDateSeperator1", "photoDatePart2", "photoDateSeperator2",
                             "photoDatePart3", false),
                    1, 1, 1, 4);
    grid->addWidget(label(w, "TIMEPARTS"), 2, 0);
    grid->addLayout(partsRow(w, "photoTimePart1", "photoTimeSeperator1", "photoTimePart2", "photoTimeSeperator2",
                             "photoTimePart3", true),
                    2, 1, 1, 4);
    QLineEdit* padding = lineEdit(w, "photoPaddingMask", 0, 120);
    padding->setToolTip(msg("TIPPADDINGMASK"));
    grid->addWidget(label(w, "SEQUENCEPADDINGMASK", padding), 3, 0);
    grid->addWidget(padding, 3, 1, 1, 2);
    const bool extended = Edition::current().hasExtendedMethods;
    grid->addWidget(checkBox(w, "isPhotoResetSequenceOnEachFolder", "SEQUENCERESETEACHFOLDER"), 4, 0, 1, extended ? 2 : 4);
    if (extended) {
        QCheckBox* local = checkBox(w, "photoVideoTimesAreLocal", "VIDEOTIMESARELOCAL");
        local->setToolTip(msg("TIPVIDEOTIMESARELOCAL"));
        grid->addWidget(local, 4, 2, 1, 4);
        // Cameras whose clocks were off: their shifts, and the table where they are typed.
        QLineEdit* shifts = readOnlyEdit(w, "photoClockShifts");
        shifts->setToolTip(msg("TIPCAMERACLOCKS"));
        auto* clocks = new QPushButton(msg("CAMERACLOCKS"), w);
        clocks->setObjectName(QStringLiteral("cameraClocksButton"));
        clocks->setToolTip(msg("TIPCAMERACLOCKS"));
        QObject::connect(clocks, &QPushButton::clicked, &controller,
                         [&controller] { CameraClocksDialog::openFor(controller); });
        grid->addWidget(label(w, "CAMERACLOCKSLABEL", shifts), 3, 3);
        grid->addWidget(shifts, 3, 4);
        grid->addWidget(clocks, 3, 5);
    }
    grid->setColumnStretch(6, 1);

    QGroupBox* extensions = groupBox(w, "PHOTOEXTENSIONS");
    auto* extLayout = new QHBoxLayout(extensions);
    extLayout->addWidget(readOnlyEdit(w, "photoExtensions"), 1);
    if (Edition::current().hasExtensionEditor) {
        auto* editExtensions = new QPushButton(msg("EDITEXTENSIONS"), w);
        editExtensions->setObjectName(QStringLiteral("photoExtensionEditorButton"));
        QObject::connect(editExtensions, &QPushButton::clicked, &controller,
                         [&controller] { controller.photoExtensionEditor(); });
        extLayout->addWidget(editExtensions);
        auto* everyFormat = new QPushButton(msg("ADDEVERYFORMAT"), w);
        everyFormat->setObjectName(QStringLiteral("photoAddEveryFormatButton"));
        everyFormat->setToolTip(msg("TIPADDEVERYFORMAT"));
        QObject::connect(everyFormat, &QPushButton::clicked, &controller, [&controller] {
            const QStringList now = controller.state().settings.list(QStringLiteral("photoExtensions"));
            const QStringList every = ExtensionsEditorController::withEveryReadableFormat(now);
            if (every != now)
                controller.ExtensionsEditorControllerDidFinish(every, int(ExtensionList::Photo));
        });
        extLayout->addWidget(everyFormat);
    }

    auto* layout = new QVBoxLayout(w);
    layout->addWidget(maskBox);
    layout->addWidget(options);
    layout->addWidget(extensions);
    layout->addStretch(1);
    return page(w);
}
