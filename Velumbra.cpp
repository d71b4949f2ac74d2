// Program entry: finds the data, creates the four windows in their order and runs the event loop.
#include "platform/DataLocation.h"
#include "platform/Dialogs.h"
#include "platform/NightMode.h"
#include "platform/QtCanvas.h"
#include "platform/QtPrinter.h"
#include "windows/UAcercade.h"
#include "windows/UEdRad.h"
#include "windows/UImpresion.h"
#include "windows/Unit1.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

#include <filesystem>
#include <iostream>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velumbra"));
    QApplication::setApplicationVersion(QStringLiteral(VELUMBRA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(VELUMBRA_ID));
    QIcon icon;
    for (int size : {48, 128})
        icon.addFile(QStringLiteral(":/icons/velumbra-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
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
    const std::filesystem::path programDir = QApplication::applicationDirPath().toStdString();
    const DataLocation data = LocateData(
        {std::filesystem::current_path(),
         std::filesystem::path(
             QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString()) /
             "velumbra",
         (programDir / VELUMBRA_DATA_FROM_BIN).lexically_normal()});
    if (data.dir.empty()) {
        std::cerr << data.message << '\n';
        dialogs.error(QString::fromStdString(data.message));
        return 1;
    }
    QtPrinter printer;
    TForm1 Form1(dialogs, printer, data.dir.string());
    TAboutBox AboutBox(data.dir.string(), &Form1);
    TFEdRad FEdRad(dialogs, &Form1);
    TFImpresion FImpresion(&Form1);
    Form1.AboutBox = &AboutBox;
    Form1.FEdRad = &FEdRad;
    Form1.FImpresion = &FImpresion;
    if (RememberedNightMode())
        Form1.Modonocturno1->trigger();
    Form1.show();
    // The window's size and place are the user's from one run to the next.
    QSettings settings(QStringLiteral("Velumbra"), QStringLiteral("Velumbra"));
    Form1.restoreGeometry(settings.value(QStringLiteral("ventana/geometria")).toByteArray());
    const int result = QApplication::exec();
    settings.setValue(QStringLiteral("ventana/geometria"), Form1.saveGeometry());
    return result;
}
