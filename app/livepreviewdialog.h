#pragma once

#include <QDialog>

class QLineEdit;
class QRadioButton;
struct LivePreviewOptions;

// The live preview options sheet: recompute every item, or only the first ones up to a
// limit. Turning it on emits applied with the choice; Cancel only closes it.
class LivePreviewDialog : public QDialog {
    Q_OBJECT
public:
    LivePreviewDialog(const LivePreviewOptions& options, QWidget* parent);

    QRadioButton* allFilesButton() const { return all_; }
    QRadioButton* limitButton() const { return limited_; }
    QLineEdit* limitField() const { return limit_; }

signals:
    void applied(bool allFiles, const QString& filesLimit);

private:
    QRadioButton* all_ = nullptr;
    QRadioButton* limited_ = nullptr;
    QLineEdit* limit_ = nullptr;
};
