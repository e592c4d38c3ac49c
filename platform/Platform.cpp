#include "platform/Platform.h"

#include "platform/QtSerialPortBackend.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

void QtDialogs::messageBox(QWidget *parent, const QString &text) {
    QMessageBox box(parent);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

Dialogs::Answer QtDialogs::messageDialog(QWidget *parent, const MessageDialog &dialog) {
    QMessageBox box(parent);
    switch (dialog.icon) {
    case Icon::Note:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Caution:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Stop:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    box.setWindowTitle(dialog.title);
    box.setText(dialog.message);
    box.setInformativeText(dialog.explanation);
    QPushButton *action = box.addButton(dialog.actionCaption, QMessageBox::AcceptRole);
    QPushButton *alternate = nullptr;
    if (!dialog.alternateCaption.isEmpty())
        alternate = box.addButton(dialog.alternateCaption, QMessageBox::DestructiveRole);
    if (dialog.cancelButton)
        box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(action);
    box.exec();
    if (box.clickedButton() == action)
        return Answer::Action;
    if (alternate && box.clickedButton() == alternate)
        return Answer::Alternate;
    return Answer::Cancel;
}

QString QtDialogs::openFile(QWidget *parent, const QString &fileTypeFilter) {
    return QFileDialog::getOpenFileName(parent, QString(), QString(), fileTypeFilter);
}

QString QtDialogs::saveFile(QWidget *parent, const QString &defaultName,
                            const QString &fileTypeFilter) {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileDialog::getSaveFileName(parent, QString(), QDir(dir).filePath(defaultName),
                                        fileTypeFilter);
}

QString DesktopStorage::preferencesFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

Platform makeDesktopPlatform() {
    Platform p;
    p.serial = std::make_unique<QtSerialPortBackend>();
    p.dialogs = std::make_unique<QtDialogs>();
    p.storage = std::make_unique<DesktopStorage>();
    p.ticks = std::make_unique<ElapsedTickCounter>();
    return p;
}
