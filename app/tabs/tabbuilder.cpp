#include "app/tabs/tabbuilder.h"

#include "platform/messages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QPalette>
#include <QScrollArea>

namespace TabBuilder {

namespace {

void name(QObject* object, const char* key, int tag)
{
    object->setObjectName(QString::fromLatin1(key));
    if (tag)
        object->setProperty("tag", tag);
}

QComboBox* partCombo(QWidget* parent, const char* key, const QStringList& pieces)
{
    auto* combo = new QComboBox(parent);
    name(combo, key, 0);
    for (const QString& piece : pieces)
        combo->addItem(piece == QLatin1String("None") ? msg("DATEPARTNONE") : piece, piece);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

} // namespace

QLineEdit* lineEdit(QWidget* parent, const char* key, int tag, int maxWidth)
{
    auto* edit = new QLineEdit(parent);
    name(edit, key, tag);
    edit->setClearButtonEnabled(false);
    if (maxWidth)
        edit->setMaximumWidth(maxWidth);
    return edit;
}

QLineEdit* numberEdit(QWidget* parent, const char* key, int tag)
{
    QLineEdit* edit = lineEdit(parent, key, tag, 70);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QLineEdit* readOnlyEdit(QWidget* parent, const char* key)
{
    QLineEdit* edit = lineEdit(parent, key);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    // Drawn on the window's colour, as desktops draw a field that cannot be typed in, so
    // it does not invite typing that would be ignored.
    QPalette palette = edit->palette();
    palette.setBrush(QPalette::Base, palette.brush(QPalette::Window));
    edit->setPalette(palette);
    return edit;
}

QCheckBox* checkBox(QWidget* parent, const char* key, const char* labelKey)
{
    auto* check = new QCheckBox(msg(labelKey), parent);
    name(check, key, 0);
    return check;
}

QComboBox* comboBox(QWidget* parent, const char* key, const QList<QPair<const char*, QVariant>>& items)
{
    auto* combo = new QComboBox(parent);
    name(combo, key, 0);
    for (const auto& [labelKey, value] : items)
        combo->addItem(msg(labelKey), value);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QComboBox* directionCombo(QWidget* parent, const char* key)
{
    return comboBox(parent, key, {{"FROMTHESTART", 0}, {"FROMTHEEND", 1}});
}

QComboBox* datePartCombo(QWidget* parent, const char* key)
{
    return partCombo(parent, key,
                     {QStringLiteral("None"), QStringLiteral("d"), QStringLiteral("dd"), QStringLiteral("EEE"),
                      QStringLiteral("EEEE"), QStringLiteral("M"), QStringLiteral("MM"), QStringLiteral("MMM"),
                      QStringLiteral("MMMM"), QStringLiteral("yy"), QStringLiteral("yyyy"), QStringLiteral("D"),
                      QStringLiteral("w")});
}

QComboBox* timePartCombo(QWidget* parent, const char* key)
{
    return partCombo(parent, key,
                     {QStringLiteral("None"), QStringLiteral("H"), QStringLiteral("HH"), QStringLiteral("h"),
                      QStringLiteral("hh"), QStringLiteral("m"), QStringLiteral("mm"), QStringLiteral("s"),
                      QStringLiteral("ss"), QStringLiteral("a"), QStringLiteral("SSS")});
}

QLineEdit* separatorEdit(QWidget* parent, const char* key)
{
    QLineEdit* edit = lineEdit(parent, key, 0, 44);
    edit->setAlignment(Qt::AlignCenter);
    edit->setToolTip(msg("TIPSEPARATOR"));
    return edit;
}

QButtonGroup* radioGroup(QWidget* parent, const char* key)
{
    auto* group = new QButtonGroup(parent);
    name(group, key, 0);
    group->setExclusive(true);
    return group;
}

QRadioButton* radio(QWidget* parent, QButtonGroup* group, int id, const char* labelKey)
{
    auto* button = new QRadioButton(msg(labelKey), parent);
    button->setObjectName(group->objectName() + QLatin1Char('_') + QString::number(id));
    group->addButton(button, id);
    button->setProperty("tag", id);
    return button;
}

QLabel* label(QWidget* parent, const char* labelKey, QWidget* buddy)
{
    auto* l = new QLabel(msg(labelKey), parent);
    if (buddy)
        l->setBuddy(buddy);
    return l;
}

QGroupBox* groupBox(QWidget* parent, const char* titleKey)
{
    return new QGroupBox(msg(titleKey), parent);
}

QHBoxLayout* partsRow(QWidget* parent, const char* part1, const char* sep1, const char* part2, const char* sep2,
                      const char* part3, bool time)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    auto combo = [&](const char* key) { return time ? timePartCombo(parent, key) : datePartCombo(parent, key); };
    row->addWidget(combo(part1));
    row->addWidget(separatorEdit(parent, sep1));
    row->addWidget(combo(part2));
    row->addWidget(separatorEdit(parent, sep2));
    row->addWidget(combo(part3));
    row->addStretch(1);
    return row;
}

void enabledWhen(QWidget* widget, const char* condition)
{
    widget->setProperty("enabledWhen", QString::fromLatin1(condition));
}

QWidget* page(QWidget* content)
{
    auto* scroll = new QScrollArea;
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    return scroll;
}

} // namespace TabBuilder
