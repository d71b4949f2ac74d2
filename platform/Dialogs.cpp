#include "platform/Dialogs.h"

#include "platform/PrintPreview.h"
#include "platform/QtPrinter.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProgressDialog>
#include <QScreen>
#include <QStandardPaths>

#include <algorithm>

namespace {
QWidget* owner() {
    return QApplication::activeWindow();
}

class QtProgress : public Progress {
  public:
    QtProgress(const std::string& title, int steps)
        : dialog_(QString(), QStringLiteral("Cancelar"), 0, steps, owner()) {
        dialog_.setWindowTitle(QString::fromStdString(title));
        dialog_.setWindowModality(Qt::ApplicationModal);
        dialog_.setMinimumDuration(0);
        dialog_.setAutoClose(false);
        dialog_.setAutoReset(false);
    }
    bool advance(int done, const std::string& next) override {
        dialog_.setLabelText(QString::fromStdString(next));
        // A modal progress dialog takes the pending events here, the cancel click among them.
        dialog_.setValue(done);
        return !dialog_.wasCanceled();
    }

  private:
    QProgressDialog dialog_;
};
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

QString QtDialogs::folderName(const QString& title) {
    QFileDialog d(owner(), title);
    d.setFileMode(QFileDialog::Directory);
    d.setOption(QFileDialog::ShowDirsOnly);
    d.setDirectory(QDir::homePath());
    return d.exec() == QDialog::Accepted ? d.selectedFiles().value(0) : QString();
}

QStringList QtDialogs::openFileNames(const QString& title, const QString& filter) {
    QFileDialog d(owner(), title, QDir::homePath(), filter);
    d.setFileMode(QFileDialog::ExistingFiles);
    return d.exec() == QDialog::Accepted ? d.selectedFiles() : QStringList();
}

int QtDialogs::printDialog(Printer& printer) {
    auto* qt = dynamic_cast<QtPrinter*>(&printer);
    if (!qt)
        return 0;
    QPrinter& device = qt->device();
    QPrintDialog dialog(&device, owner());
    // A chart is one page: no ranges to choose.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    const int copies = std::max(1, device.copyCount());
    // The program prints each copy as its own job; a printer asked for copies too would
    // print the count squared.
    device.setCopyCount(1);
    return copies;
}

bool QtDialogs::printPreview(Printer& printer, const std::function<void(Printer&)>& pages) {
    auto* qt = dynamic_cast<QtPrinter*>(&printer);
    if (!qt)
        return false;
    PrintPreview preview(*qt, pages, owner());
    // Large enough to read a whole page; the toolbar zooms further.
    if (const QScreen* screen = preview.screen())
        preview.resize(screen->availableSize() * 0.8);
    return preview.run();
}

std::unique_ptr<Progress> QtDialogs::progress(const std::string& title, int steps) {
    return std::make_unique<QtProgress>(title, steps);
}

std::string QtDialogs::savePictureDialog() {
    QFileDialog dialog(owner(), QStringLiteral("Guardar carta como"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters{QStringLiteral("Bitmaps (*.bmp)"), QStringLiteral("PNG (*.png)"),
                              QStringLiteral("SVG (*.svg)")};
    const QStringList suffixes{QStringLiteral("bmp"), QStringLiteral("png"), QStringLiteral("svg")};
    dialog.setNameFilters(filters);
    // Added before the overwrite question, so the question names the file that is written: the
    // type of the filter chosen.
    dialog.setDefaultSuffix(suffixes.first());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(suffixes.value(filters.indexOf(filter), suffixes.first()));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first().toStdString();
}

QString ErrorBoxText(const VelumbraError& e) {
    return QString::fromStdString(ErrorText(e));
}
