#include "platform/Dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

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
