#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class QButtonGroup;
class QWidget;
class Settings;
struct SettingDescriptor;

// A widget that shows something drawn from several settings rather than one key (the
// error of an invalid regular expression under its field) implements this; the binder
// finds it below the roots it binds and refreshes it with the controls.
class SettingsView {
public:
    virtual ~SettingsView() = default;
    virtual void showSettings(const Settings& settings) = 0;
};

// Connects the controls of the window to the settings record by name: a widget whose
// objectName is a settings key shows and edits that key, a QButtonGroup named after an
// index key is a radio group whose button ids are the values (and the tags) of its
// choices. Only user signals write the record (textEdited, clicked, activated, idClicked,
// and the value changes of spin boxes and date editors, which refresh() blocks); refresh()
// shows the record again under QSignalBlocker.
//
// Widget kinds per key kind: text - QLineEdit (read-only ones only show the value) or
// QComboBox (item data, else the item text); flag - QCheckBox or a checkable QGroupBox;
// integer - QComboBox (item data, else the index), QSpinBox or a QButtonGroup; date -
// QDateTimeEdit; list - a read-only QLineEdit showing the entries joined by "; ".
//
// A widget may carry "enabledWhen": conditions joined by "&", each "key" (flag set),
// "!key" (flag clear) or "key=1,2" (integer among the values); refresh() enables it
// exactly when all hold. A QLineEdit whose "tag" has a text entry rule gets that rule
// applied on every keystroke before its text reaches the record.
class SettingsBinder : public QObject {
    Q_OBJECT
public:
    explicit SettingsBinder(Settings& settings, QObject* parent = nullptr);

    // Wires every control below root (QButtonGroups that are children of root or of any
    // widget below it) whose name is a settings key.
    void bind(QWidget* root);

    // A radio group whose choice is handled elsewhere (the files/folders choice empties the
    // list): the handler receives the chosen id instead of the record.
    void setGroupHandler(const QString& key, std::function<void(int id)> handler);

    // Shows the record in every bound control; except keeps what it shows (the field that
    // is being typed in).
    void refresh(QWidget* except = nullptr);

    // After each user change of a bound control, once the record holds it.
    std::function<void(const QString& key)> onUserChange;

    QStringList boundKeys() const { return controls_.keys(); }
    // The widget or QButtonGroup bound to a key, or nullptr.
    QObject* controlFor(const QString& key) const { return controls_.value(key); }

private:
    void bindControl(QObject* control, const SettingDescriptor& d);
    void bindGroup(QButtonGroup* group, const QString& key);
    void userChanged(const QString& key, QObject* sender);
    void show(QObject* control, const SettingDescriptor& d);
    bool conditionHolds(const QString& condition) const;

    Settings& settings_;
    QHash<QString, QObject*> controls_;
    QHash<QString, std::function<void(int)>> groupHandlers_;
    QList<QPointer<QWidget>> conditional_;
    QList<QPointer<QWidget>> views_; // widgets that are SettingsViews
};
