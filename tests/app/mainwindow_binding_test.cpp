// Every control of the ten tabs and of the scope bar shows and edits its settings key.
#include "gui_testsupport.h"

#include "app/settingsbinder.h"
#include "engine/settings.h"
#include "engine/settingsdescriptors.h"
#include "metadata/maskcommands.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

namespace {

// Keys no control edits directly: the flags the mode selectors keep in step with their
// radio groups, the list's scope flags, the tab (the tab widget itself), the second
// general index and the two field lists, which their masks show.
const QStringList kDerivedKeys = {
    "selectedTab", "isFiles", "isFolders", "generalOptionsIndex",
    "isAlphaNumericIncrement", "isAlphaNumericDecrement", "isAlphaNumericNumeric", "isAlphaNumericAlphabetic",
    "isInsertDeleteInsert", "isInsertDeleteInsertAtBeginning", "isInsertDeleteInsertAtEnd",
    "isInsertDeleteInsertAtPosition", "isInsertDeleteInsertAtBeforeText", "isInsertDeleteInsertAtAfterText",
    "isInsertDeleteDelete", "isReplaceRemoveReplace", "isReplaceRemoveRemove", "isReplaceRemoveRemoveCharacters",
    "isPrefixSuffixString", "isPrefixSuffixDate", "hasDateTimeCustomDate", "isDateTimeAtBeginning",
    "isDateTimeAtEnd", "isDateTimeAtPosition", "isDateTimeAtBeforeText", "isDateTimeAtAfterText",
    "isGeneralConvertFilenameCase", "isGeneralConvertExtension", "isGeneralRemoveExtension",
    "isGeneralChangeExtension", "isGeneralReverseFileName", "isGeneralRemoveSpaces", "isGeneralSwapFromSeperator",
    "isGeneralSwapFromPostion", "isGeneralRemoveAfterString", "isGeneralRemoveFromString",
    "isGeneralConvertWindowsCompatible", "isGeneralFilenameMask", "isGeneralTransliterate", "isGeneralRepairEncoding", "isPathComponentsAtBeginning",
    "isPathComponentsAtEnd", "isPathComponentsAtPosition", "isPathComponentsAtBeforeText",
    "isPathComponentsAtAfterText", "id3RenamingTagsList", "photoMetaDataList"};

// Read-only views: the record shows in them, the user does not type in them.
bool isShownOnly(QObject* control)
{
    auto* edit = qobject_cast<QLineEdit*>(control);
    return edit && edit->isReadOnly();
}

QString key(const SettingDescriptor& d)
{
    return QString::fromLatin1(d.key);
}

// What a user would type into a text field: the entry rules keep their fields numeric
// or lower-case, so those get a value the rule leaves as it is.
QString typedValue(const QString& k, int tag)
{
    switch (tag) {
    case 300301: return QStringLiteral("q");
    case 300302: return QStringLiteral("7");
    case 300303:
    case 300304: return QStringLiteral("5");
    case 300305: return QStringLiteral("000");
    default: return QStringLiteral("v_") + k.left(6);
    }
}

// The combo item the test moves to: the one after the shown one.
int otherIndex(const QComboBox* combo)
{
    return (combo->currentIndex() + 1) % combo->count();
}

// The value the record should hold after a user edit of the control, which this makes
// through the control's own user signal (as a click or keystroke would).
QVariant editAsUser(QObject* control, const SettingDescriptor& d)
{
    const QString k = key(d);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        const QString text = typedValue(k, edit->property("tag").toInt());
        edit->setText(text);
        emit edit->textEdited(text);
        return text;
    }
    if (auto* check = qobject_cast<QCheckBox*>(control)) {
        check->setChecked(!check->isChecked());
        emit check->clicked(check->isChecked());
        return check->isChecked();
    }
    if (auto* box = qobject_cast<QGroupBox*>(control)) {
        box->setChecked(!box->isChecked());
        emit box->clicked(box->isChecked());
        return box->isChecked();
    }
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        const int index = otherIndex(combo);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        const QVariant data = combo->itemData(index);
        if (d.kind == SettingKind::Integer)
            return data.isValid() ? data.toInt() : index;
        return data.isValid() ? data.toString() : combo->itemText(index);
    }
    if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        spin->setValue(spin->value() + 2);
        return spin->value();
    }
    if (auto* date = qobject_cast<QDateTimeEdit*>(control)) {
        const QDateTime when(QDate(2011, 4, 5), QTime(6, 7, 8));
        date->setDateTime(when);
        return when;
    }
    if (auto* group = qobject_cast<QButtonGroup*>(control)) {
        // The last choice of the group (never the default 0).
        const int id = group->id(group->buttons().last());
        group->buttons().last()->setChecked(true);
        emit group->idClicked(id);
        return id;
    }
    ADD_FAILURE() << "no way to edit the control of " << k.toStdString();
    return QVariant();
}

QVariant recordValue(const Settings& s, const SettingDescriptor& d)
{
    const QString k = key(d);
    switch (d.kind) {
    case SettingKind::Text: return s.text(k);
    case SettingKind::Flag: return s.flag(k);
    case SettingKind::Integer: return s.integer(k);
    case SettingKind::Date: return s.date(k);
    case SettingKind::List: return s.list(k);
    case SettingKind::MetaDataList: return QVariant();
    }
    return QVariant();
}

// A value of the key's kind different from its default, written into the record.
QVariant storeOtherValue(Settings& s, const SettingDescriptor& d, QObject* control)
{
    const QString k = key(d);
    switch (d.kind) {
    case SettingKind::Text: {
        QString v = QStringLiteral("r_") + k.right(5);
        if (auto* combo = qobject_cast<QComboBox*>(control))
            v = combo->itemData(otherIndex(combo)).toString();
        s.setText(k, v);
        return v;
    }
    case SettingKind::Flag:
        s.setFlag(k, !s.flag(k));
        return s.flag(k);
    case SettingKind::Integer: {
        int v = s.integer(k) + 1;
        if (auto* combo = qobject_cast<QComboBox*>(control))
            v = combo->itemData(otherIndex(combo)).toInt();
        if (auto* group = qobject_cast<QButtonGroup*>(control))
            v = group->id(group->buttons().last());
        s.setInteger(k, v);
        return v;
    }
    case SettingKind::Date: {
        const QDateTime when(QDate(2012, 1, 2), QTime(3, 4, 5));
        s.setDate(k, when);
        return when;
    }
    case SettingKind::List: {
        const QStringList v = {QStringLiteral(".ABC"), QStringLiteral(".DEF")};
        s.setList(k, v);
        return v;
    }
    case SettingKind::MetaDataList:
        return QVariant();
    }
    return QVariant();
}

QVariant shownValue(QObject* control, const SettingDescriptor& d)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return d.kind == SettingKind::List ? QVariant(edit->text().split(QStringLiteral("; "))) : QVariant(edit->text());
    if (auto* check = qobject_cast<QCheckBox*>(control))
        return check->isChecked();
    if (auto* box = qobject_cast<QGroupBox*>(control))
        return box->isChecked();
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        const QVariant data = combo->currentData();
        return d.kind == SettingKind::Integer ? QVariant(data.toInt()) : QVariant(data.toString());
    }
    if (auto* spin = qobject_cast<QSpinBox*>(control))
        return spin->value();
    if (auto* date = qobject_cast<QDateTimeEdit*>(control))
        return date->dateTime();
    if (auto* group = qobject_cast<QButtonGroup*>(control))
        return group->checkedId();
    return QVariant();
}

class Binding : public ::testing::Test {
protected:
    StartedWindow w;
    Settings& settings() { return w.controller.state().settings; }
    SettingsBinder& binder() { return w.window().binder(); }
};

} // namespace

TEST_F(Binding, EveryKeyOfEveryTabHasItsControlAndNothingElseIsUnbound)
{
    ASSERT_TRUE(w.started);
    QStringList unbound;
    for (const SettingDescriptor& d : SettingDescriptors::all()) {
        if (!binder().controlFor(key(d)))
            unbound << key(d);
    }
    QStringList expected = kDerivedKeys;
    expected.sort();
    unbound.sort();
    EXPECT_EQ(unbound, expected);
    // Bound controls are reachable through their names and tags.
    EXPECT_EQ(w.window().controlWithTag(12000), &w.table());
    EXPECT_EQ(w.window().controlWithTag(15000), w.window().previewGroup());
    EXPECT_EQ(w.window().controlWithTag(1000), static_cast<QWidget*>(w.window().flagView()));
    for (int tag : {300301, 300302, 300303, 300304, 300305, 640001, 640002, 640003, 740001, 740002, 840001, 840002,
                    940001, 940002})
        EXPECT_NE(w.window().controlWithTag(tag), nullptr) << tag;
}

TEST_F(Binding, UserEditsReachTheRecordForEveryTab)
{
    for (int tab = -1; tab <= 9; ++tab) {
        for (const SettingDescriptor& d : SettingDescriptors::all()) {
            if (d.tab != tab || kDerivedKeys.contains(key(d)) || key(d) == QLatin1String("fileFolderIndex"))
                continue;
            QObject* control = binder().controlFor(key(d));
            ASSERT_NE(control, nullptr) << d.key;
            if (isShownOnly(control))
                continue;
            const QVariant expected = editAsUser(control, d);
            EXPECT_EQ(recordValue(settings(), d), expected) << "tab " << tab << " key " << d.key;
        }
    }
}

TEST_F(Binding, TheRecordShowsInEveryControlForEveryTab)
{
    for (int tab = -1; tab <= 9; ++tab) {
        QHash<QString, QVariant> stored;
        for (const SettingDescriptor& d : SettingDescriptors::all()) {
            if (d.tab != tab || kDerivedKeys.contains(key(d)))
                continue;
            stored.insert(key(d), storeOtherValue(settings(), d, binder().controlFor(key(d))));
        }
        w.controller.ui().refreshSettingsView();
        for (auto it = stored.cbegin(); it != stored.cend(); ++it) {
            const SettingDescriptor* d = SettingDescriptors::find(it.key());
            EXPECT_EQ(shownValue(binder().controlFor(it.key()), *d), it.value()) << "tab " << tab << " key "
                                                                                << d->key;
        }
    }
}

TEST_F(Binding, RadioGroupsRunTheirModeSelectors)
{
    auto click = [&](const char* group, int id) {
        auto* g = qobject_cast<QButtonGroup*>(binder().controlFor(QString::fromLatin1(group)));
        ASSERT_NE(g, nullptr);
        g->button(id)->setChecked(true);
        emit g->idClicked(id);
    };
    click("generalOptionIndex", 8);
    EXPECT_TRUE(settings().flag("isGeneralRemoveAfterString"));
    EXPECT_FALSE(settings().flag("isGeneralConvertFilenameCase"));
    EXPECT_EQ(settings().integer("generalOptionsIndex"), 8);
    click("removeReplaceIndex", 2);
    EXPECT_TRUE(settings().flag("isReplaceRemoveRemoveCharacters"));
    EXPECT_FALSE(settings().flag("isReplaceRemoveReplace"));
    click("insertDeleteInsertOptionIndex", 3);
    EXPECT_TRUE(settings().flag("isInsertDeleteInsertAtBeforeText"));
    EXPECT_FALSE(settings().flag("isInsertDeleteInsertAtBeginning"));
    click("dateTimeDateOptionIndex", 2);
    EXPECT_TRUE(settings().flag("hasDateTimeCustomDate"));
    click("pathComponentsOptionsIndex", 4);
    EXPECT_TRUE(settings().flag("isPathComponentsAtAfterText"));
    click("prefixSuffixIndex", 1);
    EXPECT_TRUE(settings().flag("isPrefixSuffixDate"));
    EXPECT_FALSE(settings().flag("isPrefixSuffixString"));
    // The fields of the chosen operation are the enabled ones.
    EXPECT_TRUE(w.window().controlWithTag(640001)->isEnabled());
    EXPECT_FALSE(w.window().controlWithTag(640003)->isEnabled());
}

TEST_F(Binding, TheFilesFoldersChoiceEmptiesTheList)
{
    TempTree tree;
    w.controller.tableViewAcceptDrop({tree.file("a.txt"), tree.file("b.txt")});
    waitIdle(w.controller);
    ASSERT_EQ(w.model().rowCount(), 2);
    auto* scope = qobject_cast<QButtonGroup*>(binder().controlFor("fileFolderIndex"));
    ASSERT_NE(scope, nullptr);
    scope->button(1)->setChecked(true);
    emit scope->idClicked(1);
    EXPECT_TRUE(settings().flag("isFolders"));
    EXPECT_FALSE(settings().flag("isFiles"));
    EXPECT_EQ(w.model().rowCount(), 0);
    EXPECT_EQ(w.window().countLabel()->text(), msgN("TOTALFOLDERSSELECTED", 0));
}

TEST_F(Binding, TabChangesByTheUserClearTheListFileButLoadsDoNot)
{
    QTabWidget* tabs = w.window().methodTabs();
    settings().setText("renameFile", "/tmp/list.txt");
    tabs->setCurrentIndex(4);
    EXPECT_EQ(w.controller.state().selectedTab(), 4);
    EXPECT_FALSE(settings().hasRenameFile());

    // A loaded record shows its tab without the user's tab change.
    QVariantMap loaded = settings().getCurrentSettings();
    loaded.insert("selectedTab", "9");
    loaded.insert("renameFile", "/tmp/other.txt");
    ASSERT_TRUE(w.controller.settingsLoader().applySettings(loaded));
    EXPECT_EQ(tabs->currentIndex(), 9);
    EXPECT_EQ(settings().text("renameFile"), "/tmp/other.txt");
    // Preview is not offered on the list tab.
    EXPECT_FALSE(w.window().actions().preview->isEnabled());
    EXPECT_FALSE(w.window().previewGroup()->isEnabled());
    tabs->setCurrentIndex(2);
    EXPECT_TRUE(w.window().actions().preview->isEnabled());
}

TEST_F(Binding, MasksAndExtensionListsAreShownFromTheRecord)
{
    w.controller.id3RenamingMaskActions(1);
    w.controller.id3RenamingMaskActions(4);
    auto* mask = qobject_cast<QLineEdit*>(binder().controlFor("id3RenamingMask"));
    EXPECT_EQ(mask->text(), "<Artist><Title>");
    auto* separatorFlag = qobject_cast<QCheckBox*>(binder().controlFor("isID3RenamingSeperator"));
    auto* separator = qobject_cast<QLineEdit*>(binder().controlFor("id3RenamingSeperator"));
    separatorFlag->setChecked(true);
    emit separatorFlag->clicked(true);
    separator->setText("-");
    emit separator->textEdited("-");
    EXPECT_EQ(mask->text(), "<Artist>-<Title>");

    w.controller.photoRenamingMaskQuick(0);
    w.controller.photoRenamingMaskQuick(5);
    EXPECT_EQ(qobject_cast<QLineEdit*>(binder().controlFor("photoRenamingMask"))->text(),
              "<EXIF_Date><FILEINFO_Filename>");
    w.controller.photoRenamingMaskClear();
    EXPECT_EQ(qobject_cast<QLineEdit*>(binder().controlFor("photoRenamingMask"))->text(), "");

    EXPECT_EQ(qobject_cast<QLineEdit*>(binder().controlFor("photoExtensions"))->text(),
              ".JPG; .JPEG; .EXIF; .TIF; .TIFF");
    w.controller.ExtensionsEditorControllerDidFinish({".MP3", ".OGG"}, 1);
    EXPECT_EQ(qobject_cast<QLineEdit*>(binder().controlFor("id3Extensions"))->text(), ".MP3; .OGG");
}
