#include "app/dialogs/sheet.h"

Sheet::Sheet(QWidget* parent)
    : QDialog(parent)
{
    setWindowModality(Qt::WindowModal);
    setSizeGripEnabled(true);
    connect(this, &QDialog::finished, this, [this](int result) {
        if (didFinish)
            didFinish(result);
        deleteLater();
    });
}
