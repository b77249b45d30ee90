#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

// Small makers for the method tabs: every control carries its settings key as objectName
// (and the control tag as the "tag" property where it has one), so SettingsBinder wires
// it; every text is a message key.
namespace TabBuilder {

QLineEdit* lineEdit(QWidget* parent, const char* key, int tag = 0, int maxWidth = 0);
// A short numeric field (positions, occurrences, counts).
QLineEdit* numberEdit(QWidget* parent, const char* key, int tag = 0);
QLineEdit* readOnlyEdit(QWidget* parent, const char* key);
QCheckBox* checkBox(QWidget* parent, const char* key, const char* labelKey);
QComboBox* comboBox(QWidget* parent, const char* key, const QList<QPair<const char*, QVariant>>& items);
// "From the start" (0) / "From the end" (1).
QComboBox* directionCombo(QWidget* parent, const char* key);
// Date or time pattern pieces offered for one part ("None" and the pattern letters).
QComboBox* datePartCombo(QWidget* parent, const char* key);
QComboBox* timePartCombo(QWidget* parent, const char* key);
// A separator between two parts.
QLineEdit* separatorEdit(QWidget* parent, const char* key);

QButtonGroup* radioGroup(QWidget* parent, const char* key);
QRadioButton* radio(QWidget* parent, QButtonGroup* group, int id, const char* labelKey);

QLabel* label(QWidget* parent, const char* labelKey, QWidget* buddy = nullptr);
QGroupBox* groupBox(QWidget* parent, const char* titleKey);

// part1 sep1 part2 sep2 part3 in one row.
QHBoxLayout* partsRow(QWidget* parent, const char* part1, const char* sep1, const char* part2,
                      const char* sep2, const char* part3, bool time);

// The control is enabled only while the condition holds (see SettingsBinder).
void enabledWhen(QWidget* widget, const char* condition);

// A tab page with a scroll area around its content, so small windows can still reach
// every control.
QWidget* page(QWidget* content);

} // namespace TabBuilder
