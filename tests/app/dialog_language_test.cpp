// The sheets in the user's language: with the French tables installed, the profiles sheet
// and the rules sheet show French labels, buttons, headers and rule names (the texts are
// written out here, so a key missing from the tables shows as its English key).
#include "dialog_fixture.h"

#include "app/dialogs/profilesdialog.h"
#include "app/dialogs/rulessheet.h"
#include "platform/edition.h"
#include "platform/messages.h"
#include "profiles/profilecommands.h"
#include "profiles/settingsloader.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTreeView>

namespace {

// French texts for the test's lifetime; English again afterwards.
class FrenchTables {
public:
    FrenchTables() { Messages::install(Edition::current(), QStringLiteral("fr")); }
    ~FrenchTables() { Messages::install(Edition::current(), QStringLiteral("en")); }
};

QStringList texts(const QList<QLabel*>& labels)
{
    QStringList out;
    for (const QLabel* l : labels)
        out << l->text();
    return out;
}

QString header(QAbstractItemModel* model, int section)
{
    return model->headerData(section, Qt::Horizontal).toString();
}

class DialogLanguageTest : public DialogTest {
protected:
    SettingsLoader loader{state, ui};
    ProfileCommands commands{state, ui, loader};
};

TEST_F(DialogLanguageTest, TheProfilesSheetSpeaksFrench)
{
    FrenchTables french;
    QPointer<ProfilesDialog> dialog = new ProfilesDialog(state, ui, commands, loader, &window);
    dialog->open();

    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Profils"));
    EXPECT_TRUE(texts(dialog->findChildren<QLabel*>()).contains(QStringLiteral("Nouveau profil :")));
    EXPECT_EQ(dialog->newProfileNameField()->placeholderText(), QStringLiteral("Nom du nouveau profil"));
    EXPECT_EQ(dialog->findChild<QPushButton*>(QStringLiteral("deleteButton"))->text(), QStringLiteral("Supprimer"));
    EXPECT_EQ(dialog->findChild<QPushButton*>(QStringLiteral("loadButton"))->text(), QStringLiteral("Charger"));
    EXPECT_EQ(header(dialog->table()->model(), 0), QStringLiteral("Profil"));
    EXPECT_EQ(header(dialog->table()->model(), 1), QStringLiteral("Date de création"));

    // An alert from the sheet is French as well.
    click(dialog->findChild<QPushButton*>(QStringLiteral("deleteButton")));
    EXPECT_EQ(lastAlert().title, QStringLiteral("Profils"));
    EXPECT_EQ(lastAlert().message, QStringLiteral("Sélectionnez d'abord un profil."));
    dialog->reject();
}

TEST_F(DialogLanguageTest, TheRulesSheetShowsKindsTypesAndOptionsInFrench)
{
    FrenchTables french;
    state.rules.append(QVariantMap{{QStringLiteral("rule"), QStringLiteral("InsertDelete")},
                                   {QStringLiteral("type"), QStringLiteral("Insert")},
                                   {QStringLiteral("isActive"), QStringLiteral("1")},
                                   {QStringLiteral("insertDeleteInsert"), QStringLiteral("x")},
                                   {QStringLiteral("insertDeleteInsertOptionIndex"), QStringLiteral("1")}});
    QPointer<RulesSheet> sheet = new RulesSheet(state, ui, &window);
    sheet->open();

    QAbstractItemModel* table = sheet->table()->model();
    EXPECT_EQ(header(table, 0), QStringLiteral("Actif"));
    EXPECT_EQ(header(table, 1), QStringLiteral("Méthode"));
    EXPECT_EQ(table->index(0, 1).data().toString(), QStringLiteral("Insérer/Supprimer"));
    EXPECT_EQ(table->index(0, 2).data().toString(), QStringLiteral("Insérer « x » à la fin"));

    clickRow(sheet->table(), 0, 1);
    QAbstractItemModel* outline = sheet->outline()->model();
    EXPECT_EQ(header(outline, 0), QStringLiteral("Option"));
    EXPECT_EQ(header(outline, 1), QStringLiteral("Valeur"));
    const QModelIndex root = outline->index(0, 0);
    EXPECT_EQ(root.data().toString(), QStringLiteral("Insérer"));
    QStringList options;
    for (int row = 0; row < outline->rowCount(root); ++row)
        options << outline->index(row, 0, root).data().toString() + QLatin1Char('=')
                       + outline->index(row, 1, root).data().toString();
    // The window's labels and values, translated.
    EXPECT_TRUE(options.contains(QStringLiteral("Où=À la fin"))) << options.join(QLatin1Char(' ')).toStdString();
    sheet->reject();
}

} // namespace
