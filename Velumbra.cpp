// Program entry: creates the four windows in their order and runs the event loop.
#include "UAcercade.h"
#include "UEdRad.h"
#include "Unit1.h"
#include "output/UImpresion.h"
#include "platform/Dialogs.h"
#include "platform/QtCanvas.h"
#include "platform/QtPrinter.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velumbra"));
    // Numbers are always read and written with a decimal point, whatever the desktop's locale.
    QLocale::setDefault(QLocale::c());
    InstallFontSubstitutes();
    QFont uiFont(QStringLiteral("MS Sans Serif"));
    uiFont.setPixelSize(11);
    QApplication::setFont(uiFont);
    QTranslator spanish;
    if (spanish.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&spanish);

    QtDialogs dialogs;
    QtPrinter printer;
    TForm1 Form1(dialogs, printer);
    TAboutBox AboutBox(&Form1);
    TFEdRad FEdRad(dialogs, &Form1);
    TFImpresion FImpresion(&Form1);
    Form1.AboutBox = &AboutBox;
    Form1.FEdRad = &FEdRad;
    Form1.FImpresion = &FImpresion;
    Form1.show();
    return QApplication::exec();
}
