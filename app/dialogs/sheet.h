#pragma once

#include <QDialog>

#include <functional>

// A sheet: a window-modal dialog opened with open(). When it finishes (accepted or
// rejected) didFinish runs once with the result, then the sheet deletes itself later, so
// a sheet is always created with new.
class Sheet : public QDialog {
    Q_OBJECT
public:
    explicit Sheet(QWidget* parent);

    // The ...DidFinish operation of the sheet's owner.
    std::function<void(int result)> didFinish;
};
