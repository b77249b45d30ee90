#include "app/quorvelappcontroller.h"
#include "app/tabs/methodtabs.h"
#include "app/tabs/tabbuilder.h"
#include "platform/messages.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace TabBuilder;

QWidget* MethodTabs::renameFromListTab(QuorvelAppController& controller)
{
    auto* w = new QWidget;

    auto* explanation = new QLabel(msg("RENAMEFROMLISTHELP"), w);
    explanation->setWordWrap(true);

    QGroupBox* file = groupBox(w, "RENAMEFROMLISTFILE");
    auto* grid = new QGridLayout(file);
    QLineEdit* path = lineEdit(w, "renameFile");
    path->setPlaceholderText(msg("RENAMEFROMLISTPLACEHOLDER"));
    auto* browse = new QPushButton(msg("BROWSE"), w);
    browse->setObjectName(QStringLiteral("browseRenameFileButton"));
    QObject::connect(browse, &QPushButton::clicked, &controller, [&controller] { controller.browseRenameFile(); });
    grid->addWidget(path, 0, 0);
    grid->addWidget(browse, 0, 1);

    // The import type is the controller's, not a setting: it is wired here.
    auto* types = new QButtonGroup(w);
    types->setObjectName(QStringLiteral("importType"));
    auto* files = new QRadioButton(msg("LISTNAMESFILES"), w);
    auto* folders = new QRadioButton(msg("LISTNAMESFOLDERS"), w);
    files->setObjectName(QStringLiteral("importType_0"));
    folders->setObjectName(QStringLiteral("importType_1"));
    types->addButton(files, 0);
    types->addButton(folders, 1);
    files->setChecked(controller.state().importType == 0);
    folders->setChecked(controller.state().importType != 0);
    QObject::connect(types, &QButtonGroup::idClicked, &controller, [&controller](int id) { controller.importTypeChanged(id); });
    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(files);
    typeRow->addWidget(folders);
    typeRow->addStretch(1);
    auto* load = new QPushButton(msg("LOADLIST"), w);
    load->setObjectName(QStringLiteral("loadRenameFileButton"));
    load->setDefault(false);
    QObject::connect(load, &QPushButton::clicked, &controller, [&controller] { controller.loadRenameFile(); });
    typeRow->addWidget(load);
    grid->addLayout(typeRow, 1, 0, 1, 2);

    auto* layout = new QVBoxLayout(w);
    layout->addWidget(explanation);
    layout->addWidget(file);
    layout->addStretch(1);
    return page(w);
}
