#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

// The bar above the method tabs while a rule chain, not the tab on screen, gives the list
// its names: it says so and offers the rule (the drawer) or the tab instead. The tabs stay
// editable; the bar only tells which of the two Rename will apply.
class RuleBar : public QFrame {
    Q_OBJECT
public:
    explicit RuleBar(QWidget* parent = nullptr);

    // Shown with the number of steps of the chain, or hidden.
    void showRule(bool drivesList, int steps);

    QLabel* text() const { return text_; }
    QPushButton* showRuleButton() const { return showRule_; }
    QPushButton* useTabButton() const { return useTab_; }

signals:
    void showRuleClicked();
    void useTabClicked();

private:
    QLabel* text_;
    QPushButton* showRule_;
    QPushButton* useTab_;
};
