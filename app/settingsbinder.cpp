#include "app/settingsbinder.h"

#include "app/textentryrules.h"
#include "engine/settings.h"
#include "engine/settingsdescriptors.h"
#include "metadata/maskcommands.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

// The value a combo box item stands for: its data when it has some, else its text
// (text keys) or its index (integer keys).
QVariant comboValue(const QComboBox* combo, int index, SettingKind kind)
{
    const QVariant data = combo->itemData(index);
    if (data.isValid())
        return data;
    return kind == SettingKind::Integer ? QVariant(index) : QVariant(combo->itemText(index));
}

int comboIndexOf(const QComboBox* combo, const QVariant& value, SettingKind kind)
{
    for (int i = 0; i < combo->count(); ++i) {
        const QVariant v = comboValue(combo, i, kind);
        if (kind == SettingKind::Integer ? v.toInt() == value.toInt() : v.toString() == value.toString())
            return i;
    }
    return -1;
}

void setLineText(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

} // namespace

SettingsBinder::SettingsBinder(Settings& settings, QObject* parent)
    : QObject(parent)
    , settings_(settings)
{
}

void SettingsBinder::setGroupHandler(const QString& key, std::function<void(int)> handler)
{
    groupHandlers_.insert(key, std::move(handler));
}

void SettingsBinder::bind(QWidget* root)
{
    QList<QObject*> candidates;
    candidates.append(root);
    for (QWidget* w : root->findChildren<QWidget*>())
        candidates.append(w);
    for (QButtonGroup* g : root->findChildren<QButtonGroup*>())
        candidates.append(g);
    for (QObject* control : candidates) {
        if (auto* w = qobject_cast<QWidget*>(control); w && w->property("enabledWhen").isValid())
            conditional_.append(w);
        if (auto* w = qobject_cast<QWidget*>(control); w && dynamic_cast<SettingsView*>(w) && !views_.contains(w))
            views_.append(w);
        const SettingDescriptor* d = SettingDescriptors::find(control->objectName());
        if (!d || controls_.contains(control->objectName()))
            continue;
        if (auto* group = qobject_cast<QButtonGroup*>(control))
            bindGroup(group, control->objectName());
        else
            bindControl(control, *d);
    }
}

void SettingsBinder::bindGroup(QButtonGroup* group, const QString& key)
{
    controls_.insert(key, group);
    for (QAbstractButton* button : group->buttons())
        button->setProperty("tag", group->id(button));
    connect(group, &QButtonGroup::idClicked, this, [this, group, key](int id) {
        if (auto handler = groupHandlers_.value(key)) {
            handler(id);
        } else {
            settings_.setInteger(key, id);
            settings_.runModeSelectorFor(key);
        }
        userChanged(key, group);
    });
}

void SettingsBinder::bindControl(QObject* control, const SettingDescriptor& d)
{
    const QString key = QString::fromLatin1(d.key);
    const SettingKind kind = d.kind;
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        controls_.insert(key, edit);
        if (edit->isReadOnly() || kind != SettingKind::Text)
            return; // shown only: masks and extension lists
        connect(edit, &QLineEdit::textEdited, this, [this, edit, key](const QString& typed) {
            const int tag = edit->property("tag").toInt();
            QString text = typed;
            if (TextEntryRules::hasRule(tag)) {
                text = TextEntryRules::apply(tag, typed);
                if (text != typed) {
                    const QSignalBlocker block(edit);
                    const int cursor = edit->cursorPosition();
                    edit->setText(text);
                    // A default put in place of what was erased is selected, so typing
                    // replaces it.
                    if (!typed.contains(text, Qt::CaseInsensitive))
                        edit->selectAll();
                    else
                        edit->setCursorPosition(qMin(cursor, int(text.size())));
                }
            }
            settings_.setText(key, text);
            userChanged(key, edit);
        });
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        controls_.insert(key, check);
        connect(check, &QCheckBox::clicked, this, [this, key, check](bool on) {
            settings_.setFlag(key, on);
            userChanged(key, check);
        });
    } else if (auto* box = qobject_cast<QGroupBox*>(control); box && box->isCheckable()) {
        controls_.insert(key, box);
        connect(box, &QGroupBox::clicked, this, [this, key, box](bool on) {
            settings_.setFlag(key, on);
            userChanged(key, box);
        });
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        controls_.insert(key, combo);
        connect(combo, &QComboBox::activated, this, [this, key, kind, combo](int index) {
            const QVariant value = comboValue(combo, index, kind);
            if (kind == SettingKind::Integer)
                settings_.setInteger(key, value.toInt());
            else
                settings_.setText(key, value.toString());
            userChanged(key, combo);
        });
    } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        controls_.insert(key, spin);
        connect(spin, &QSpinBox::valueChanged, this, [this, key, spin](int value) {
            settings_.setInteger(key, value);
            userChanged(key, spin);
        });
    } else if (auto* dateEdit = qobject_cast<QDateTimeEdit*>(control)) {
        controls_.insert(key, dateEdit);
        connect(dateEdit, &QDateTimeEdit::dateTimeChanged, this, [this, key, dateEdit](const QDateTime& value) {
            settings_.setDate(key, value);
            userChanged(key, dateEdit);
        });
    }
}

void SettingsBinder::userChanged(const QString& key, QObject* sender)
{
    if (onUserChange)
        onUserChange(key);
    refresh(qobject_cast<QWidget*>(sender));
}

void SettingsBinder::show(QObject* control, const SettingDescriptor& d)
{
    const QString key = QString::fromLatin1(d.key);
    if (auto* group = qobject_cast<QButtonGroup*>(control)) {
        const int value = settings_.integer(key);
        const QList<QAbstractButton*> buttons = group->buttons();
        for (QAbstractButton* b : buttons)
            b->blockSignals(true);
        if (QAbstractButton* chosen = group->button(value)) {
            chosen->setChecked(true);
        } else {
            // A value without a button: none is shown as chosen.
            group->setExclusive(false);
            for (QAbstractButton* b : buttons)
                b->setChecked(false);
            group->setExclusive(true);
        }
        for (QAbstractButton* b : buttons)
            b->blockSignals(false);
        return;
    }
    const QSignalBlocker block(control);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        if (d.kind == SettingKind::List)
            setLineText(edit, MaskCommands::extensionsText(settings_.list(key)));
        else
            setLineText(edit, settings_.text(key));
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        check->setChecked(settings_.flag(key));
    } else if (auto* box = qobject_cast<QGroupBox*>(control)) {
        box->setChecked(settings_.flag(key));
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        const QVariant value = d.kind == SettingKind::Integer ? QVariant(settings_.integer(key))
                                                              : QVariant(settings_.text(key));
        int index = comboIndexOf(combo, value, d.kind);
        if (index < 0 && d.kind == SettingKind::Text) {
            // A value a profile brought that the list does not offer yet.
            combo->addItem(value.toString(), value);
            index = combo->count() - 1;
        }
        combo->setCurrentIndex(index);
    } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        spin->setValue(settings_.integer(key));
    } else if (auto* dateEdit = qobject_cast<QDateTimeEdit*>(control)) {
        dateEdit->setDateTime(settings_.date(key));
    }
}

void SettingsBinder::refresh(QWidget* except)
{
    for (auto it = controls_.cbegin(); it != controls_.cend(); ++it) {
        if (it.value() == except)
            continue;
        if (const SettingDescriptor* d = SettingDescriptors::find(it.key()))
            show(it.value(), *d);
    }
    for (const QPointer<QWidget>& w : conditional_) {
        if (!w)
            continue;
        bool enabled = true;
        for (const QString& condition : w->property("enabledWhen").toString().split(QLatin1Char('&'), Qt::SkipEmptyParts))
            enabled = enabled && conditionHolds(condition.trimmed());
        w->setEnabled(enabled);
    }
    for (const QPointer<QWidget>& w : views_) {
        if (w)
            dynamic_cast<SettingsView*>(w.data())->showSettings(settings_);
    }
}

bool SettingsBinder::conditionHolds(const QString& condition) const
{
    if (condition.startsWith(QLatin1Char('!')))
        return !settings_.flag(condition.mid(1));
    const qsizetype eq = condition.indexOf(QLatin1Char('='));
    if (eq < 0)
        return settings_.flag(condition);
    const int value = settings_.integer(condition.left(eq));
    for (const QString& v : condition.mid(eq + 1).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (v.trimmed().toInt() == value)
            return true;
    }
    return false;
}
