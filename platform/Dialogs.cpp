#include "platform/Dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace {
QWidget* owner() {
    return QApplication::activeWindow();
}
} // namespace

void QtDialogs::error(const QString& text) {
    QMessageBox::critical(owner(), QStringLiteral("Velumbra"), text);
}

void QtDialogs::information(const QString& text) {
    QMessageBox::information(owner(), QStringLiteral("Velumbra"), text);
}

bool QtDialogs::question(const QString& text) {
    return QMessageBox::question(owner(), QStringLiteral("Velumbra"), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

int QtDialogs::exec(QDialog& dialog) {
    return dialog.exec();
}

bool QtDialogs::confirm(const QString& text) {
    return QMessageBox::question(owner(), QStringLiteral("Velumbra"), text,
                                 QMessageBox::Yes | QMessageBox::Cancel) == QMessageBox::Yes;
}

QString QtDialogs::saveFileName(const QString& title, const QString& filter,
                                const QString& suffix) {
    QFileDialog d(owner(), title, QString(), filter);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setDefaultSuffix(suffix);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    d.setDirectory(QDir(documents).exists() ? documents : QDir::homePath());
    return d.exec() == QDialog::Accepted ? d.selectedFiles().value(0) : QString();
}
