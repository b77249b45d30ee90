#pragma once

#include "app/settingsbinder.h"

#include <QLabel>

// Under the Find field of the replace/remove tab: the error of a Find text that is read as
// a regular expression and does not compile, with the position QRegularExpression
// reports. Hidden while there is no such error.
class FindExpressionErrorLabel : public QLabel, public SettingsView {
    Q_OBJECT
public:
    explicit FindExpressionErrorLabel(QWidget* parent = nullptr);
    void showSettings(const Settings& settings) override;
};
