#include "app/qtuserinterface.h"

#include "app/busypanel.h"
#include "app/filetablemodel.h"
#include "app/filetableview.h"
#include "app/mainwindow.h"
#include "app/openpanel.h"
#include "app/quorvelappcontroller.h"
#include "engine/filesystemitem.h"
#include "platform/edition.h"
#include "platform/messages.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QGridLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>
#include <QUrl>

namespace {

constexpr int kCalloutMs = 6000;
constexpr int kAlertMinimumWidth = 440;

QMessageBox::ButtonRole roleOf(const QString& key)
{
    static const QStringList rejecting = {QStringLiteral("NO"), QStringLiteral("ABORT"), QStringLiteral("CANCEL")};
    return rejecting.contains(key) ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
}

} // namespace

QWidget* QtUserInterface::dialogParent() const
{
    // While a sheet is open the window is blocked behind it: an alert or panel on the
    // window would wait behind the sheet. The topmost modal widget carries it instead.
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return &window_;
}

QtUserInterface::QtUserInterface(QuorvelAppController& controller, MainWindow& window)
    : controller_(controller)
    , window_(window)
{
}

QString QtUserInterface::alert(AlertStyle style, const QString& title, const QString& message,
                               const QStringList& buttonKeys)
{
    const QStringList keys = buttonKeys.isEmpty() ? QStringList{QStringLiteral("OK")} : buttonKeys;
    QMessageBox box(dialogParent());
    box.setObjectName(QStringLiteral("alert"));
    box.setWindowModality(Qt::WindowModal);
    box.setWindowTitle(Edition::current().displayName);
    box.setIcon(style == AlertStyle::Critical  ? QMessageBox::Critical
                : style == AlertStyle::Warning ? QMessageBox::Warning
                                               : QMessageBox::Information);
    box.setText(title);
    box.setInformativeText(message);
    box.setProperty("messageText", message);
    QList<QPushButton*> buttons;
    for (const QString& key : keys) {
        QPushButton* button = box.addButton(msg(key.toLatin1().constData()), roleOf(key));
        button->setObjectName(key);
        buttons << button;
    }
    // Escape and closing the box give the cautious answer: "NO", "ABORT", else the last
    // button (never "CONTINUE" without a rename log).
    const qsizetype cautious = keys.contains(QStringLiteral("NO")) ? keys.indexOf(QStringLiteral("NO"))
        : keys.contains(QStringLiteral("ABORT"))                   ? keys.indexOf(QStringLiteral("ABORT"))
                                                                   : keys.size() - 1;
    box.setDefaultButton(buttons.first());
    box.setEscapeButton(buttons.at(cautious));
    // A width of its own, so that a sentence is not broken after every few words.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(kAlertMinimumWidth, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    return clicked ? clicked->objectName() : keys.at(cautious);
}

void QtUserInterface::showCallout(int controlTag, const QString& messageKey)
{
    QWidget* anchor = window_.controlWithTag(controlTag);
    if (!anchor)
        anchor = &window_;
    calloutShown_ = true;
    calloutTag_ = controlTag;
    calloutKey_ = messageKey;
    const QPoint centre(anchor->width() / 2, anchor->height() / 2);
    QToolTip::showText(anchor->mapToGlobal(centre), msg(messageKey.toLatin1().constData()), anchor, QRect(),
                       kCalloutMs);
}

void QtUserInterface::hideCallout()
{
    if (calloutShown_)
        QToolTip::hideText();
    calloutShown_ = false;
}

bool QtUserInterface::isCalloutShown() const
{
    return calloutShown_ && QToolTip::isVisible();
}

void QtUserInterface::focusControl(const QString& control)
{
    QWidget* w = window_.control(control);
    if (!w)
        return;
    w->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->selectAll();
}

void QtUserInterface::endEditing()
{
    // Text fields write the record on every keystroke; a spin box still holds what was
    // typed until it interprets it.
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(QApplication::focusWidget()))
        spin->interpretText();
}

QStringList QtUserInterface::openPanel(const PanelOptions& options)
{
    if (openPanelHandler)
        return openPanelHandler(options);
    return OpenPanel::open(dialogParent(), options);
}

QString QtUserInterface::savePanel(const PanelOptions& options)
{
    if (savePanelHandler)
        return savePanelHandler(options);
    return OpenPanel::save(dialogParent(), options);
}

void QtUserInterface::passStarted(const QString& progressMessage)
{
    hideCallout();
    passCountText_.clear();
    window_.model()->detach();
    window_.busyPanel()->start(progressMessage);
    controller_.passStarted();
}

void QtUserInterface::setProgressMessage(const QString& text)
{
    window_.busyPanel()->setMessage(text);
}

void QtUserInterface::setProgressPath(const QString& displayPath)
{
    window_.busyPanel()->setPath(displayPath);
}

void QtUserInterface::setCountText(const QString& text)
{
    window_.setCountText(text);
    if (window_.model()->isDetached())
        passCountText_ = text;
}

void QtUserInterface::passEnded()
{
    controller_.passEnded();
}

void QtUserInterface::reloadList()
{
    // During a pass the model is detached; the end of the pass shows the new list.
    if (window_.model()->isDetached())
        return;
    controller_.reloadTable();
}

void QtUserInterface::showTimeTaken(const QString& text)
{
    // The pass's last count ("12 files renamed") stays beside the timing message, since
    // the count line goes back to the size of the list; an apply's outcome line is both.
    const bool countIsText = passCountText_.isEmpty() || passCountText_ == text;
    window_.setTimeText(countIsText ? text : QStringLiteral("%1 — %2").arg(passCountText_, text));
    passCountText_.clear();
}

void QtUserInterface::showStatusMessage(const QString& text)
{
    window_.showStatusMessage(text);
}

void QtUserInterface::openDocument(const QString& path)
{
    if (QDir::isAbsolutePath(path)) {
        // The desktop's handler for the file's type; without one the user is told, rather
        // than a click that seems to do nothing.
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            alert(AlertStyle::Warning, msg("VIEWLOGFILETITLE"),
                  msg("OPENDOCUMENTNOHANDLER").arg(FileSystemItem::getDisplayFilePath(path)));
        return;
    }
    if (helpPageHandler) {
        helpPageHandler(path);
        return;
    }
    qWarning().noquote() << QStringLiteral("Error in openDocument : no help viewer for %1").arg(path);
}

void QtUserInterface::refreshSettingsView()
{
    window_.showSettings();
    controller_.settingsReplaced();
    // Whoever refreshed may still change the run flags (a load clears
    // isHasFilesForRenaming afterwards): the commands follow once it returns.
    QTimer::singleShot(0, &window_, &MainWindow::updateCommands);
}

void QtUserInterface::updateWindowTitle(const QString&)
{
    // Told whenever the current profile changed (loaded, saved as, reset, deleted): the
    // window builds its own title, with the profile's name and whether it was changed.
    controller_.profileShown();
    const QString language = Messages::preferredLanguage();
    window_.setFlag(QuorvelAppController::flagImageName(language), language);
}

void QtUserInterface::reloadRules(bool selectTopRow)
{
    emit controller_.rulesReloaded(selectTopRow);
}
