#pragma once

#include <QString>
#include <QVariantMap>

#include <memory>
#include <vector>

// The read-only display tree of one rule step, as the rules sheet's outline shows it: a
// root that names the step's "type" in the window's words, and one child per shown option
// of the step with its label and value. Labels are the window's labels of the same options;
// values read as a person reads them ("yes", a quoted text, "from the end"), never as stored.
class Rule {
public:
    // The root node of a step.
    static std::unique_ptr<Rule> rootItem(const QVariantMap& step);

    QVariantMap rule; // the step, on the root only
    QString option;   // the row's label
    QString value;    // the row's value text

    // The children are built on the first request, once.
    int numberOfChildren() const;
    const Rule* childAtIndex(int index) const;

    // The outline's cell: the column "options" shows the label, any other the value.
    QString objectValueForColumn(const QString& identifier) const;

private:
    Rule(const QString& option, const QString& value);
    void buildChildren() const;

    bool isRoot_ = false;
    mutable bool built_ = false;
    mutable std::vector<std::unique_ptr<Rule>> children_;
};
