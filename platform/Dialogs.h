#pragma once
// The modal dialogs the windows use, behind an interface so that handlers can be tested with a
// fake that answers at once.
#include "platform/OutputDialogs.h"
#include "sky/Errors.h"

#include <QString>
#include <QStringList>

class QDialog;

class Dialogs : public OutputDialogs {
  public:
    // The error box of a failed operation.
    virtual void error(const QString& text) = 0;
    virtual void information(const QString& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool question(const QString& text) = 0;
    // A Yes/Cancel confirmation; true for Yes.
    virtual bool confirm(const QString& text) { return question(text); }
    // Shows a window of the program modally; returns its result code.
    virtual int exec(QDialog& dialog) = 0;
    // A save-file dialog that asks before overwriting; the empty text when cancelled.
    virtual QString saveFileName(const QString& title, const QString& filter,
                                 const QString& suffix) = 0;
    // A folder to write into; the empty text when cancelled.
    virtual QString folderName(const QString& title) = 0;
    // Existing files to read; none when cancelled.
    virtual QStringList openFileNames(const QString& title, const QString& filter) = 0;
};

class QtDialogs : public Dialogs {
  public:
    void error(const QString& text) override;
    void information(const QString& text) override;
    bool question(const QString& text) override;
    bool confirm(const QString& text) override;
    int exec(QDialog& dialog) override;
    QString saveFileName(const QString& title, const QString& filter,
                         const QString& suffix) override;
    QString folderName(const QString& title) override;
    QStringList openFileNames(const QString& title, const QString& filter) override;
    int printDialog(Printer& printer) override;
    bool printPreview(Printer& printer, const std::function<void(Printer&)>& pages) override;
    std::string savePictureDialog() override;
    std::unique_ptr<Progress> progress(const std::string& title, int steps) override;
};

// The error box of a failure: the message, the file's full path on its own line, the advice.
QString ErrorBoxText(const VelumbraError& e);

// Runs an operation; a failure stops it there and is shown in the error box. True when the
// operation ran to its end.
template <typename F> bool Guarded(Dialogs& dialogs, F&& operation) {
    try {
        operation();
        return true;
    } catch (const VelumbraError& e) {
        dialogs.error(ErrorBoxText(e));
        return false;
    }
}
