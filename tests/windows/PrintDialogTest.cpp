#include "platform/Dialogs.h"
#include "platform/QtPrinter.h"

#include <QApplication>
#include <QPrintDialog>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Answers the next print dialog as a user would, once it is up.
void answerPrintDialog(bool accept) {
    QTimer::singleShot(0, [accept] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
}

} // namespace

// The program repeats the page itself; a printer also asked for the copies would print the
// count squared.
TEST(PrintDialog, ReturnsTheCopyCountAndLeavesThePrinterAskingForOne) {
    QtDialogs dialogs;
    QtPrinter printer;
    printer.device().setCopyCount(3);
    answerPrintDialog(true);
    EXPECT_EQ(dialogs.printDialog(printer), 3);
    EXPECT_EQ(printer.device().copyCount(), 1);
    answerPrintDialog(false);
    EXPECT_EQ(dialogs.printDialog(printer), 0);
}
