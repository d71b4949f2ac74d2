#include "windows/Unit1.h"

#include "geometry/Calendar.h"
#include "geometry/ChartCentres.h"
#include "geometry/HitTest.h"
#include "geometry/Numbers.h"
#include "geometry/Projection.h"
#include "output/ActiveSheet.h"
#include "output/ChartCaption.h"
#include "output/Listing.h"
#include "output/PrintCommand.h"
#include "output/PrintUnits.h"
#include "platform/ChartView.h"
#include "platform/Dialogs.h"
#include "platform/FileSizeSignal.h"
#include "platform/Glyphs.h"
#include "platform/Logo.h"
#include "platform/NightMode.h"
#include "platform/PictureFile.h"
#include "platform/Printer.h"
#include "platform/UpDownField.h"
#include "platform/VectorPicture.h"
#include "render/Layers.h"
#include "windows/AtlasExport.h"
#include "windows/ObservationTransfer.h"
#include "windows/UAcercade.h"
#include "windows/UEdRad.h"
#include "windows/UImpresion.h"
#include "windows/UListaObservaciones.h"
#include "windows/UMagLimite.h"
#include "windows/UObservacion.h"
#include "windows/UPlanNoche.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <string>
#include <vector>

TForm1::TForm1(Dialogs& dialogs, Printer& printer, const std::string& dataDir, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                              Qt::WindowCloseButtonHint),
      dialogs_(dialogs), printer_(printer), model_(dataDir) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8("Velumbra (para observación visual de meteoros)"));
    auto* client = new QWidget(this);
    // The program's own size is the smallest; larger, the chart grows with the window.
    client->setMinimumSize(522, 452);
    setCentralWidget(client);
    Panel3 = new QFrame(client);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFrameShape(QFrame::Panel);
    Panel3->setFrameShadow(QFrame::Raised);
    Panel3->setGeometry(0, 0, 70, 452);
    Panel1 = new QFrame(client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(70, 0, 452, 452);
    // The chart draws its own frame; a frame of the panel beside it would double it.
    Panel1->setFrameShape(QFrame::NoFrame);
    Panel1->setAutoFillBackground(true);
    Panel1->setPalette(QPalette(Qt::white));
    buildToolPanel();
    buildChartArea();
    buildRadiantDatePanel();
    buildGoToPanel();
    buildDriftPanel();
    buildStatusBar();
    buildMenu();
    buildKeys();
    canvas_.font.size = 9; // the paint box's font, 12 pixels high
    resize(sizeHint());
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const QSize client = centralWidget()->size();
    Panel3->setGeometry(0, 0, 70, client.height());
    Panel1->setGeometry(70, 0, client.width() - 70, client.height());
    // Square, as large as the panel allows, with the one-pixel border it has at its own size.
    const int side = std::min(Panel1->width(), Panel1->height()) - 2;
    PaintBox1->setGeometry((Panel1->width() - side) / 2, (Panel1->height() - side) / 2, side, side);
}

TForm1::~TForm1() = default;

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (activated_)
        return;
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    FormActivate();
}

void TForm1::FormActivate() {
    if (activated_)
        return;
    activated_ = true;
    IgnoreFileSizeSignal();
    QStringList failures;
    model_.start(PaintBox1->width(), printer_,
                 [&failures](const VelumbraError& e) { failures << ErrorBoxText(e); });
    showDriftLines();
    drawAndShow();
    // Each failure once, over the window already at its size and showing chart 1.
    if (!failures.isEmpty())
        QTimer::singleShot(0, this, [this, failures] {
            for (const QString& text : failures)
                dialogs_.error(text);
        });
}

void TForm1::showDriftLines() {
    lbDesRad->clear();
    for (const std::string& line : model_.sky().driftLines)
        lbDesRad->addItem(FromAnsi(line));
}

void TForm1::changeChart(const std::function<void()>& command) {
    model_.read(inputs());
    Guarded(dialogs_, command);
    drawAndShow();
}

void TForm1::RedrawChart() {
    model_.read(inputs());
    drawAndShow();
}

void TForm1::drawAndShow() {
    QImage& buffer = PaintBox1->buffer();
    const int side = PaintBox1->deviceSide();
    if (side == model_.view().ChartSize) {
        if (buffer.width() != side)
            buffer = QImage(side, side, QImage::Format_RGB32);
        canvas_.begin(&buffer, Modonocturno1->isChecked() ? Inks::Night : Inks::AsDrawn);
        Guarded(dialogs_, [this] { model_.draw(canvas_); });
        canvas_.end();
    } else {
        // Drawn in device pixels, then shown at the screen's ratio.
        buffer = QImage(side, side, QImage::Format_RGB32);
        buffer.fill(Qt::white);
        // Labels keep the proportions of paper, never smaller than the screen's own text.
        const double dpi =
            std::max(ChartModel::LargeChartDpi(side), 96.0 * PaintBox1->devicePixelRatioF());
        const int dotsPerMeter = qRound(dpi / 0.0254);
        buffer.setDotsPerMeterX(dotsPerMeter);
        buffer.setDotsPerMeterY(dotsPerMeter);
        largeCanvas_.begin(&buffer, Modonocturno1->isChecked() ? Inks::Night : Inks::AsDrawn);
        Guarded(dialogs_, [&] { model_.drawLarge(largeCanvas_, side); });
        largeCanvas_.end();
        buffer.setDevicePixelRatio(PaintBox1->devicePixelRatioF());
    }
    showControls(model_.controls());
    PaintBox1->update();
}

void TForm1::PaintBox1MouseUp(int x, int y) {
    changeChart([&] { model_.click(x, y); });
}

void TForm1::cbCartaClick() {
    changeChart([this] { model_.chooseChart(); });
}

void TForm1::SpeedButton1Click() {
    changeChart([this] { model_.step(0, -1); });
}

void TForm1::SpeedButton3Click() {
    changeChart([this] { model_.step(0, 1); });
}

void TForm1::SpeedButton4Click() {
    changeChart([this] { model_.step(1, 0); });
}

void TForm1::SpeedButton2Click() {
    changeChart([this] { model_.step(-1, 0); });
}

void TForm1::SpeedButton8Click() {
    model_.read(inputs());
    model_.freeCentre();
    showControls(model_.controls());
}

void TForm1::SBEscalaClick() {
    model_.read(inputs());
    model_.nextStepScale();
    showControls(model_.controls());
}

void TForm1::sbZMasClick() {
    changeChart([this] { model_.zoomIn(); });
}

void TForm1::sbZMenosClick() {
    changeChart([this] { model_.zoomOut(); });
}

void TForm1::sbMagMenosClick() {
    changeChart([this] { model_.magDown(); });
}

void TForm1::sbMagMasClick() {
    changeChart([this] { model_.magUp(); });
}

void TForm1::sbEstrellasClick() {
    RedrawChart();
}

void TForm1::SpeedButton7Click() {
    if (AboutBox)
        dialogs_.exec(*AboutBox);
}

void TForm1::SpeedButton9Click() {
    choosePrintout(false);
}

void TForm1::Vistaprevia1Click() {
    choosePrintout(true);
}

void TForm1::choosePrintout(bool forPreview) {
    if (!FImpresion)
        return;
    model_.read(inputs());
    FImpresion->offerSheet(model_.radiantsShown());
    FImpresion->offerListings(forPreview);
    const int answer = dialogs_.exec(*FImpresion);
    if (answer != QDialog::Accepted && answer != TFImpresion::Preview)
        return;
    PrintSources sources = printSources();
    if (FImpresion->sheetChosen() && SelectSheetRadiants(sources).empty()) {
        dialogs_.information(QString::fromStdString(NothingOnSheetMessage(sources)));
        return;
    }
    const auto command = answer == TFImpresion::Preview ? PreviewCommand : PrintCommand;
    Guarded(dialogs_,
            [&] { command(FImpresion->choice(), dialogs_, printer_, sources, model_.dataDir()); });
}

void TForm1::Modonocturno1Click() {
    RememberNightMode(Modonocturno1->isChecked());
    ShowNightMode(Modonocturno1->isChecked(), *this);
    RedrawChart();
}

PrintSources TForm1::printSources() {
    model_.read(inputs());
    return model_.printSources([dir = model_.dataDir()] { return LoadLogo(dir); });
}

void TForm1::RadiantesIMO1Click() {
    PrintSources sources = printSources();
    Guarded(dialogs_,
            [&] { PrintListing(ListingKind::Imo, dialogs_, printer_, sources, model_.dataDir()); });
}

void TForm1::RadiantesdeTerentjeva2Click() {
    PrintSources sources = printSources();
    Guarded(dialogs_, [&] {
        PrintListing(ListingKind::Terentjeva, dialogs_, printer_, sources, model_.dataDir());
    });
}

void TForm1::SpeedButton5Click() {
    const std::string name = dialogs_.savePictureDialog();
    if (name.empty())
        return;
    if (IsVectorPictureName(name)) {
        const PrintSources sources = printSources();
        Guarded(dialogs_, [&] { SaveVectorChart(sources, name); });
        return;
    }
    model_.read(inputs());
    QImage picture(PaintBox1->buffer().size(), PaintBox1->buffer().format());
    canvas_.begin(&picture);
    Guarded(dialogs_, [&] { model_.drawPicture(canvas_, picture.height()); });
    canvas_.end();
    Guarded(dialogs_, [&] { SavePicture(picture, name); });
}

void TForm1::Salir1Click() {
    close();
}

void TForm1::Dibujarmagnitud1Click() {
    model_.read(inputs());
    model_.toggleMarkMode();
    showControls(model_.controls());
    if (model_.view().MarkMode)
        RedrawChart();
}

void TForm1::Radiantes1Click() {
    editRadiants(RadiantList::Imo);
}

void TForm1::RadiantesdeTerentjeva1Click() {
    editRadiants(RadiantList::Terentjeva);
}

void TForm1::editRadiants(RadiantList list) {
    if (!FEdRad)
        return;
    FEdRad->EditMode = list;
    FEdRad->DataDir = model_.dataDir();
    dialogs_.exec(*FEdRad);
    model_.read(inputs());
    Guarded(dialogs_, [this] { model_.reloadRadiants(); });
    showDriftLines();
    drawAndShow();
}

void TForm1::Planificarlanoche1Click() {
    TFPlanNoche window(model_.sky().radiants, upDia->value(), upMes->value(), dialogs_, this);
    window.DataDir = model_.dataDir();
    dialogs_.exec(window);
}

void TForm1::Exportaratlas1Click() {
    Guarded(dialogs_, [this] { ExportAtlas(dialogs_, printSources(), today().year()); });
}

void TForm1::Magnitudlimite1Click() {
    TFMagLimite window(
        model_, [this](const std::function<void()>& command) { changeChart(command); }, dialogs_,
        this);
    window.upAreaChange();
    dialogs_.exec(window);
}

ObservationContext TForm1::observationContext() {
    // A 29 February of the radiant date falls on the last day of the month in other years.
    QDate evening(today().year(), upMes->value(), 1);
    evening = evening.addDays(std::min(upDia->value(), evening.daysInMonth()) - 1);
    return {model_.sky().radiants,
            {evening.year(), evening.month(), evening.day()},
            [this] {
                return Equatorial{double(model_.view().CentreRA), double(model_.view().CentreDec)};
            },
            [this] { return model_.limitingMagnitude(); },
            model_.dataDir(),
            dialogs_,
            printer_};
}

void TForm1::Nuevaobservacion1Click() {
    TFObservacion window(observationContext(), this);
    dialogs_.exec(window);
}

void TForm1::Abrirobservacion1Click() {
    ShowObservationList(observationContext(), TFListaObservaciones::Purpose::Open, this);
}

void TForm1::ExportarVMDB1Click() {
    ShowObservationList(observationContext(), TFListaObservaciones::Purpose::Export, this);
}

void TForm1::ImportarVMDB1Click() {
    if (ImportObservations(observationContext()) > 0)
        Abrirobservacion1Click();
}

void TForm1::Imprimirinforme1Click() {
    ShowObservationList(observationContext(), TFListaObservaciones::Purpose::Print, this);
}

void TForm1::openPanel(QFrame* panel, QWidget* focus) {
    panel->show();
    panel->raise();
    Panel3->setEnabled(false);
    focus->setFocus();
}

void TForm1::closePanel(QFrame* panel) {
    panel->hide();
    Panel3->setEnabled(true);
    PaintBox1->setFocus();
    PaintBox1->ignoreNextDoubleClick();
}

void TForm1::sbFechaRadClick() {
    shownDate_ = {upDia->value(), upMes->value()};
    openPanel(pRad, upMes);
}

void TForm1::dismissDatePanel() {
    upMes->setValue(shownDate_.month);
    upDia->setValue(shownDate_.day);
    closePanel(pRad);
}

void TForm1::meMesChange() {
    const int days = DaysInMonth(upMes->value());
    if (days == 0)
        return;
    // Lowering the maximum brings a day beyond it down to the month's last day.
    upDia->setMaximum(days);
}

void TForm1::Button6Click() {
    const QDate now = today();
    int day = now.day();
    if (now.month() == 2 && day == 29)
        day = 28;
    upMes->setValue(now.month());
    upDia->setValue(day);
}

void TForm1::Button3Click() {
    // A month field left empty or holding 0 or 13 still shows its text, while the control
    // keeps the month before it: taking that one would apply a date the user never saw.
    if (!upMes->hasAcceptableInput()) {
        dialogs_.error(QString::fromUtf8("«%1» no es un mes: escriba en el campo M un número "
                                         "de 1 a 12 y pulse «Aplicar».")
                           .arg(upMes->cleanText()));
        upMes->setFocus();
        return;
    }
    closePanel(pRad);
    lbRad->clear();
    changeChart([this] { model_.applyRadiantDate(); });
}

void TForm1::sbRadClick() {
    model_.read(inputs());
    lbRad->blockSignals(true);
    lbRad->clear();
    Guarded(dialogs_, [this] {
        for (const std::string& line : model_.listActiveRadiants())
            lbRad->addItem(FromAnsi(line));
    });
    lbRad->blockSignals(false);
    drawAndShow();
}

void TForm1::sbGoRadClick() {
    // The first line starts selected, so the keyboard reaches every line from there.
    lbRad->setCurrentRow(0);
    openPanel(pGoRad, lbRad);
}

void TForm1::lbRadClick() {
    const int k = lbRad->currentRow() + 1;
    if (k < 1)
        return;
    closePanel(pGoRad);
    changeChart([this, k] { model_.goTo(k); });
}

void TForm1::Button7Click() {
    closePanel(pGoRad);
}

void TForm1::sbDesRadClick() {
    if (sbDesRad->isChecked())
        openPanel(pDesRad, lbDesRad);
    else
        RedrawChart();
}

void TForm1::Button1Click() {
    closePanel(pDesRad);
    changeChart([this] { model_.centreOnDriftSelection(); });
}

void TForm1::Button2Click() {
    lbDesRad->clearSelection();
}

void TForm1::Button4Click() {
    closePanel(pDesRad);
    changeChart([this] { model_.cancelDriftTracks(); });
}
