#include "platform/PrintPreview.h"

#include <QAction>
#include <QCoreApplication>
#include <QPrintPreviewWidget>

#include <utility>

namespace {

// The dialog's own action of that name, as Qt names it in the running language.
QAction* action(QPrintPreviewDialog& dialog, const char* name) {
    const QString text = QCoreApplication::translate("QPrintPreviewDialog", name);
    for (QAction* a : dialog.findChildren<QAction*>())
        if (a->text() == text)
            return a;
    return nullptr;
}

} // namespace

PrintPreview::PrintPreview(QtPrinter& printer, std::function<void(Printer&)> pages, QWidget* parent)
    : QPrintPreviewDialog(&printer.device(), parent), printer_(printer), pages_(std::move(pages)) {
    setObjectName(QStringLiteral("VistaPrevia"));
    setWindowTitle(QStringLiteral("Velumbra - Vista previa"));
    for (const char* name : {"Page setup", "Portrait", "Landscape"})
        if (QAction* a = action(*this, name))
            a->setVisible(false);
    if (QAction* print = action(*this, "Print")) {
        disconnect(print, nullptr, this, nullptr);
        connect(print, &QAction::triggered, this, &QDialog::accept);
    }
    connect(this, &QPrintPreviewDialog::paintRequested, this, [this] {
        try {
            pages_(printer_);
        } catch (...) {
            failure_ = std::current_exception();
            // Closed once its own window is up and waiting.
            QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
        }
    });
}

void PrintPreview::build() {
    findChild<QPrintPreviewWidget*>()->updatePreview();
    if (failure_)
        std::rethrow_exception(failure_);
}

bool PrintPreview::run() {
    const bool print = exec() == QDialog::Accepted;
    if (failure_)
        std::rethrow_exception(failure_);
    return print;
}
