#include "Unit1.h"

#include "AtlasExport.h"
#include "UAcercade.h"
#include "UEdRad.h"
#include "UMagLimite.h"
#include "UPlanNoche.h"
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
#include "output/UImpresion.h"
#include "platform/ChartView.h"
#include "platform/Dialogs.h"
#include "platform/FileSizeSignal.h"
#include "platform/Glyphs.h"
#include "platform/Logo.h"
#include "platform/PictureFile.h"
#include "platform/Printer.h"
#include "platform/UpDownField.h"
#include "render/Layers.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QItemSelectionModel>
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

namespace {

constexpr int kFreeCentre = 12;
constexpr int kGoToEntries = 200;

QString errorText(const VelumbraError& e) {
    return QString::fromStdString(ErrorText(e));
}

QFrame* makePanel(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    panel->setGeometry(geometry);
    auto* label = new QLabel(caption, panel);
    label->setGeometry(8, 6, geometry.width() - 16, 16);
    panel->hide();
    return panel;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                        const QString& hint = {}) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    return b;
}

// Keys that act wherever the focus is inside a panel.
template <typename F> void onKeys(QWidget* scope, std::initializer_list<int> keys, F action) {
    for (int key : keys) {
        auto* shortcut = new QShortcut(QKeySequence(key), scope);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, scope, action);
    }
}

template <typename F> void onEnter(QWidget* scope, F action) {
    onKeys(scope, {Qt::Key_Return, Qt::Key_Enter}, action);
}

template <typename F> void onEscape(QWidget* scope, F action) {
    onKeys(scope, {Qt::Key_Escape}, action);
}

} // namespace

template <typename F> void TForm1::guarded(F operation) {
    try {
        operation();
    } catch (const VelumbraError& e) {
        dialogs_.error(errorText(e));
    }
}

TForm1::TForm1(Dialogs& dialogs, Printer& printer, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      dialogs_(dialogs), printer_(printer) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8("Velumbra (para observación visual de meteoros)"));
    auto* client = new QWidget(this);
    client->setFixedSize(522, 452);
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
    GoToList.clear();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

TForm1::~TForm1() = default;

QToolButton* TForm1::toolButton(const char* name, const QString& hint, int x, int y, int width) {
    auto* b = new QToolButton(Panel3);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setGeometry(x, y, width, 25);
    b->setAutoRaise(false);
    b->setIconSize(QSize(18, 18));
    return b;
}

void TForm1::buildToolPanel() {
    Label6 = new QLabel(QStringLiteral("Carta Brno"), Panel3);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setGeometry(10, 9, 55, 13);
    cbCarta = new QComboBox(Panel3);
    cbCarta->setObjectName(QStringLiteral("cbCarta"));
    cbCarta->setToolTip(QStringLiteral("Selecciona Carta Brno"));
    cbCarta->setGeometry(10, 26, 50, 21);
    cbCarta->addItems({QStringLiteral("    1"), QStringLiteral("    2"), QStringLiteral("    3"),
                       QStringLiteral("    4"), QStringLiteral("    5"), QStringLiteral("    6"),
                       QStringLiteral("    7 "), QStringLiteral("    8"), QStringLiteral("    9"),
                       QStringLiteral("  10"), QStringLiteral("  11"), QStringLiteral("  12"),
                       QStringLiteral("  ----")});
    cbCarta->setMaxVisibleItems(13);
    cbCarta->setCurrentIndex(-1);
    connect(cbCarta, &QComboBox::activated, this, [this] { cbCartaClick(); });

    struct ButtonLayout {
        QToolButton*& button;
        const char* name;
        const char* hint;
        int x, y, width;
        Glyph glyph;
        const char* caption;
    };
    const ButtonLayout layouts[] = {
        {SpeedButton1, "SpeedButton1", "Disminuye Dec", 10, 60, 25, Glyph::ArrowDown, nullptr},
        {SpeedButton3, "SpeedButton3", "Aumenta Dec", 35, 60, 25, Glyph::ArrowUp, nullptr},
        {SpeedButton2, "SpeedButton2", "Disminuye A.R.", 10, 85, 25, Glyph::ArrowRight, nullptr},
        {SpeedButton4, "SpeedButton4", "Aumenta A.R.", 35, 85, 25, Glyph::ArrowLeft, nullptr},
        {SpeedButton8, "SpeedButton8", "Activa flechas desplazamiento", 10, 110, 25, Glyph::Arrows,
         nullptr},
        {SBEscala, "SBEscala", "Cambia escala desplazamiento", 35, 110, 25, Glyph::Arrows, "10"},
        {sbZMenos, "sbZMenos", "Disminuye zoom", 10, 140, 25, Glyph::ZoomOut, nullptr},
        {sbZMas, "sbZMas", "Aumenta zoom", 34, 140, 25, Glyph::ZoomIn, nullptr},
        {sbMagMenos, "sbMagMenos", "Disminuye magnitud", 10, 165, 25, Glyph::MagDown, nullptr},
        {sbMagMas, "sbMagMas", "Aumenta magnitud", 35, 165, 25, Glyph::MagUp, nullptr},
        {sbEstrellas, "sbEstrellas", "Muestra/oculta estrellas", 10, 190, 25, Glyph::Stars,
         nullptr},
        {sbPintaMag, "sbPintaMag", "Muestra/oculta magnitudes", 35, 190, 25, Glyph::Stars, "M"},
        {sbConstelaciones, "sbConstelaciones", "Muestra/oculta constelaciones", 10, 215, 25,
         Glyph::Figures, nullptr},
        {sbNombres, "sbNombres", "Muestra/oculta nombres constelaciones", 35, 215, 25,
         Glyph::Figures, "N"},
        {sbCoord, "sbCoord", "Muestra/oculta coord. gnomónicas", 10, 240, 25, Glyph::Grid, nullptr},
        {sbZonas, "sbZonas", "Muestra/oculta zonas MALE", 35, 240, 25, Glyph::Zones, nullptr},
        {sbFechaRad, "sbFechaRad", "Fecha para radiantes", 10, 270, 51, Glyph::Calendar, nullptr},
        {sbRad, "sbRad", "Muestra/oculta radiantes", 10, 295, 25, Glyph::Radiants, nullptr},
        {sbRadTer, "sbRadTer", "Muestra/oculta radiantes de Terentjeva", 35, 295, 25,
         Glyph::RadiantsTer, nullptr},
        {sbDesRad, "sbDesRad", "Desplazamiento de radiantes", 10, 320, 25, Glyph::Drift, nullptr},
        {sbGoRad, "sbGoRad", "Ir a radiante activo...", 35, 320, 25, Glyph::GoTo, nullptr},
        {SpeedButton5, "SpeedButton5", "Guarda carta como imagen...", 10, 391, 25, Glyph::Save,
         nullptr},
        {SpeedButton9, "SpeedButton9", "Imprime carta...", 35, 391, 25, Glyph::Print, nullptr},
        {SpeedButton7, "SpeedButton7", "Acerca de...", 10, 419, 51, Glyph::About, nullptr},
    };
    for (const ButtonLayout& s : layouts) {
        s.button = toolButton(s.name, QString::fromUtf8(s.hint), s.x, s.y, s.width);
        if (s.caption) {
            s.button->setText(QString::fromLatin1(s.caption));
            s.button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        } else {
            s.button->setIcon(MakeGlyph(s.glyph));
        }
    }

    for (QToolButton* toggle : {sbEstrellas, sbPintaMag, sbConstelaciones, sbNombres, sbCoord,
                                sbZonas, sbRad, sbRadTer, sbDesRad})
        toggle->setCheckable(true);
    for (QToolButton* down : {sbCoord, sbConstelaciones, sbZonas, sbEstrellas})
        down->setChecked(true);
    for (QToolButton* off : {sbMagMas, sbZMenos, sbRad, sbRadTer, sbGoRad})
        off->setEnabled(false);
    setArrowsEnabled(false);

    auto on = [this](QToolButton* b, void (TForm1::*handler)()) {
        connect(b, &QToolButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    on(SpeedButton1, &TForm1::SpeedButton1Click);
    on(SpeedButton2, &TForm1::SpeedButton2Click);
    on(SpeedButton3, &TForm1::SpeedButton3Click);
    on(SpeedButton4, &TForm1::SpeedButton4Click);
    on(SpeedButton8, &TForm1::SpeedButton8Click);
    on(SBEscala, &TForm1::SBEscalaClick);
    on(sbZMenos, &TForm1::sbZMenosClick);
    on(sbZMas, &TForm1::sbZMasClick);
    on(sbMagMenos, &TForm1::sbMagMenosClick);
    on(sbMagMas, &TForm1::sbMagMasClick);
    for (QToolButton* toggle :
         {sbEstrellas, sbPintaMag, sbConstelaciones, sbNombres, sbCoord, sbZonas})
        on(toggle, &TForm1::sbEstrellasClick);
    on(sbFechaRad, &TForm1::sbFechaRadClick);
    on(sbRad, &TForm1::sbRadClick);
    on(sbRadTer, &TForm1::sbRadClick);
    on(sbDesRad, &TForm1::sbDesRadClick);
    on(sbGoRad, &TForm1::sbGoRadClick);
    on(SpeedButton7, &TForm1::SpeedButton7Click);
    on(SpeedButton5, &TForm1::SpeedButton5Click);
    on(SpeedButton9, &TForm1::SpeedButton9Click);
}

void TForm1::buildChartArea() {
    PaintBox1 = new ChartView(450, Panel1);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->move(1, 1);
    PaintBox1->setCursor(Qt::PointingHandCursor);
    PaintBox1->onPaint = [this] { PaintBox1Paint(); };
    PaintBox1->onMouseUp = [this](int x, int y) { PaintBox1MouseUp(x, y); };
}

void TForm1::buildRadiantDatePanel() {
    pRad =
        makePanel(Panel1, "pRad", QStringLiteral("Fecha para radiantes:"), QRect(10, 10, 170, 100));
    auto* dayLabel = new QLabel(QStringLiteral("D"), pRad);
    dayLabel->setGeometry(10, 32, 12, 20);
    upDia = new UpDownField(pRad);
    upDia->setObjectName(QStringLiteral("upDia"));
    upDia->setGeometry(24, 30, 50, 22);
    upDia->setRange(1, 31);
    upDia->setValue(1);
    upDia->setWrapping(false);
    // The day is chosen with the arrows only, so it always fits its month.
    upDia->findChild<QLineEdit*>()->setReadOnly(true);
    auto* monthLabel = new QLabel(QStringLiteral("M"), pRad);
    monthLabel->setGeometry(86, 32, 12, 20);
    upMes = new UpDownField(pRad);
    upMes->setObjectName(QStringLiteral("upMes"));
    upMes->setGeometry(100, 30, 50, 22);
    upMes->setRange(1, 12);
    upMes->setValue(1);
    upMes->setWrapping(false);
    connect(upMes, &QSpinBox::valueChanged, this, [this] { meMesChange(); });
    Button6 = makeButton(pRad, "Button6", QStringLiteral("Hoy"), QRect(10, 64, 70, 25));
    Button3 = makeButton(pRad, "Button3", QStringLiteral("Aplicar"), QRect(88, 64, 70, 25));
    connect(Button6, &QPushButton::clicked, this, [this] { Button6Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    onEnter(pRad, [this] { Button3->click(); });
    onEscape(pRad, [this] { dismissDatePanel(); });
}

void TForm1::buildGoToPanel() {
    pGoRad = makePanel(Panel1, "pGoRad", QStringLiteral("Ir a radiante:"), QRect(10, 10, 250, 300));
    lbRad = new QListWidget(pGoRad);
    lbRad->setObjectName(QStringLiteral("lbRad"));
    lbRad->setGeometry(8, 26, 234, 228);
    lbRad->setSelectionMode(QAbstractItemView::SingleSelection);
    // The keyboard only moves the selection; a click or Enter goes to the selected radiant.
    auto choose = [this] {
        if (!pGoRad->isHidden() && !lbRad->selectedItems().isEmpty())
            lbRadClick();
    };
    connect(lbRad, &QListWidget::itemClicked, this, choose);
    onEnter(pGoRad, choose);
    Button7 = makeButton(pGoRad, "Button7", QStringLiteral("Cancelar"), QRect(88, 264, 75, 25));
    connect(Button7, &QPushButton::clicked, this, [this] { Button7Click(); });
    onEscape(pGoRad, [this] { Button7->click(); });
}

void TForm1::buildDriftPanel() {
    pDesRad = makePanel(Panel1, "pDesRad", QStringLiteral("Desplazamiento de radiantes:"),
                        QRect(10, 10, 270, 340));
    lbDesRad = new QListWidget(pDesRad);
    lbDesRad->setObjectName(QStringLiteral("lbDesRad"));
    lbDesRad->setGeometry(8, 26, 254, 268);
    lbDesRad->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Button1 = makeButton(pDesRad, "Button1", QStringLiteral("Aplicar"), QRect(8, 304, 80, 25),
                         QStringLiteral("Dibuja desplazamiento de radiantes seleccionados"));
    Button2 = makeButton(pDesRad, "Button2", QStringLiteral("Borr. sel"), QRect(95, 304, 80, 25),
                         QString::fromUtf8("Borra selección de radiantes"));
    Button4 = makeButton(pDesRad, "Button4", QStringLiteral("Cancelar"), QRect(182, 304, 80, 25),
                         QStringLiteral("Cancela dibujo de radiantes"));
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    onEscape(pDesRad, [this] { Button4->click(); });
}

void TForm1::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(19);
    const std::array<int, 5> widths{125, 45, 125, 50, 50};
    const std::array<const char*, 5> texts{"Centro (J2000): 000 +00", "Mag: 0",
                                           "Fecha radiantes: 00/00", "Zoom: 1", ""};
    for (std::size_t i = 0; i < StatusPanels.size(); ++i) {
        auto* label = new QLabel(QString::fromLatin1(texts[i]), bar);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setAlignment(Qt::AlignCenter);
        label->setFixedWidth(widths[i]);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        bar->addWidget(label);
        StatusPanels[i] = label;
    }
}

void TForm1::buildMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Archivo"));
    Salir1 = file->addAction(QStringLiteral("Salir"), this, [this] { Salir1Click(); });
    Salir1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    Planificarlanoche1 = new QAction(QStringLiteral("Planificar la noche..."), this);
    Planificarlanoche1->setObjectName(QStringLiteral("Planificarlanoche1"));
    connect(Planificarlanoche1, &QAction::triggered, this, [this] { Planificarlanoche1Click(); });
    file->insertAction(Salir1, Planificarlanoche1);
    Exportaratlas1 = new QAction(QStringLiteral("Exportar atlas PDF..."), this);
    Exportaratlas1->setObjectName(QStringLiteral("Exportaratlas1"));
    connect(Exportaratlas1, &QAction::triggered, this, [this] { Exportaratlas1Click(); });
    file->insertAction(Salir1, Exportaratlas1);
    QMenu* edit = menuBar()->addMenu(QString::fromUtf8("&Edición"));
    Dibujarmagnitud1 = edit->addAction(QStringLiteral("Dibujo de magnitudes"), this,
                                       [this] { Dibujarmagnitud1Click(); });
    Dibujarmagnitud1->setCheckable(true);
    Magnitudlimite1 = edit->addAction(QString::fromUtf8("Magnitud límite..."), this,
                                      [this] { Magnitudlimite1Click(); });
    Magnitudlimite1->setObjectName(QStringLiteral("Magnitudlimite1"));
    Radiantes1 = edit->addAction(QStringLiteral("Radiantes"), this, [this] { Radiantes1Click(); });
    RadiantesdeTerentjeva1 = edit->addAction(QStringLiteral("Radiantes de Terentjeva"), this,
                                             [this] { RadiantesdeTerentjeva1Click(); });
    QMenu* lists = menuBar()->addMenu(QStringLiteral("&Listados"));
    RadiantesIMO1 =
        lists->addAction(QStringLiteral("Radiantes"), this, [this] { RadiantesIMO1Click(); });
    RadiantesdeTerentjeva2 = lists->addAction(QStringLiteral("Radiantes de Terentjeva"), this,
                                              [this] { RadiantesdeTerentjeva2Click(); });
    const QList<QAction*> named{Salir1,        Dibujarmagnitud1,
                                Radiantes1,    RadiantesdeTerentjeva1,
                                RadiantesIMO1, RadiantesdeTerentjeva2};
    const char* names[] = {"Salir1",        "Dibujarmagnitud1",
                           "Radiantes1",    "RadiantesdeTerentjeva1",
                           "RadiantesIMO1", "RadiantesdeTerentjeva2"};
    for (int i = 0; i < named.size(); ++i)
        named[i]->setObjectName(QString::fromLatin1(names[i]));
}

// Keys press the buttons, so a key acts exactly when its button is enabled and follows every
// rule of the button's handler.
void TForm1::buildKeys() {
    const std::pair<QKeySequence, QToolButton*> windowKeys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_P), SpeedButton9},
        {QKeySequence(Qt::CTRL | Qt::Key_S), SpeedButton5},
        {QKeySequence(Qt::Key_F1), SpeedButton7},
    };
    for (const auto& [key, button] : windowKeys) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, button, &QToolButton::click);
    }
    PaintBox1->onKey = [this](int key) {
        const std::pair<int, QToolButton*> chartKeys[] = {
            {Qt::Key_Up, SpeedButton3},   {Qt::Key_Down, SpeedButton1},
            {Qt::Key_Left, SpeedButton4}, {Qt::Key_Right, SpeedButton2},
            {Qt::Key_Plus, sbZMas},       {Qt::Key_Minus, sbZMenos},
        };
        for (const auto& [chartKey, button] : chartKeys) {
            if (key == chartKey) {
                button->click();
                return true;
            }
        }
        return false;
    };
    PaintBox1->onWheel = [this](int notch) { (notch > 0 ? sbZMas : sbZMenos)->click(); };
}

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
    dataDir_ = QDir::currentPath().toStdString();
    view_.ChartSize = static_cast<std::int16_t>(PaintBox1->width());
    view_.GridStep = static_cast<std::int16_t>(Round(view_.ChartSize * 0.2));
    view_.ZoomLevel = 1;
    view_.MagLimit = 7;
    TakePrintUnits(printer_, view_);
    view_.MarkMode = false;
    // A file that fails leaves its table as far as it was read; every other file is still
    // read, and the chart shows what there is.
    QStringList failures;
    LoadSky(sky_, dataDir_, [&failures](const VelumbraError& e) { failures << errorText(e); });
    cbCarta->setCurrentIndex(0);
    showDriftLines();
    chartStale_ = true;
    PaintBox1->update();
    // Each failure once, over the window already at its size and showing chart 1.
    if (!failures.isEmpty())
        QTimer::singleShot(0, this, [this, failures] {
            for (const QString& text : failures)
                dialogs_.error(text);
        });
}

void TForm1::showDriftLines() {
    lbDesRad->clear();
    for (const std::string& line : sky_.driftLines)
        lbDesRad->addItem(FromAnsi(line));
}

int TForm1::RadiantDate() const {
    return DayOfYear(upDia->value(), upMes->value());
}

ChartOptions TForm1::chartOptions() const {
    ChartOptions o;
    o.grid = sbCoord->isChecked();
    o.figures = sbConstelaciones->isChecked();
    o.names = sbNombres->isChecked();
    o.zones = sbZonas->isChecked();
    o.stars = sbEstrellas->isChecked();
    o.labels = sbPintaMag->isChecked();
    o.imoRadiants = sbRad->isChecked();
    o.terRadiants = sbRadTer->isChecked();
    o.driftTracks = sbDesRad->isChecked();
    o.gridLetter = GridLetterFor(cbCarta->currentIndex());
    o.radiantDate = RadiantDate();
    // One pass over the selection: asking each line whether it is selected searches the whole
    // selection every time, which with the table full cost more than the chart.
    o.driftSelected.assign(static_cast<std::size_t>(lbDesRad->count()), false);
    for (const QModelIndex& line : lbDesRad->selectionModel()->selectedIndexes())
        o.driftSelected[static_cast<std::size_t>(line.row())] = true;
    return o;
}

void TForm1::setArrowsEnabled(bool on) {
    for (QToolButton* arrow : {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4})
        arrow->setEnabled(on);
}

void TForm1::RedrawChart() {
    if (view_.ZoomLevel != 1) {
        cbCarta->setCurrentIndex(kFreeCentre);
        sbCoord->setChecked(false);
        sbCoord->setEnabled(false);
    } else {
        sbCoord->setEnabled(true);
    }
    const int index = cbCarta->currentIndex();
    setArrowsEnabled(index == kFreeCentre);
    if (index >= 0 && index < static_cast<int>(kChartCentres.size())) {
        view_.CentreRA = kChartCentres[static_cast<std::size_t>(index)].ra;
        view_.CentreDec = kChartCentres[static_cast<std::size_t>(index)].dec;
    }
    view_.deriveForRedraw();

    StatusPanels[0]->setText(QStringLiteral("Centro (J2000): ") +
                             QString::fromStdString(FormatFloat("000", view_.CentreRA) + " " +
                                                    FormatFloat("+00;-00", view_.CentreDec)));
    StatusPanels[1]->setText(QStringLiteral("Mag: %1").arg(view_.MagLimit));
    const bool radiantsShown = sbRad->isChecked() || sbRadTer->isChecked();
    StatusPanels[2]->setText(
        radiantsShown ? QStringLiteral("Fecha Radiantes: ") +
                            QString::fromStdString(FormatFloat("00", upDia->value()) + "/" +
                                                   FormatFloat("00", upMes->value()))
                      : QString());
    StatusPanels[3]->setText(QStringLiteral("Zoom: %1").arg(view_.ZoomLevel));

    canvas_.begin(&PaintBox1->buffer());
    guarded([this] { DrawChart(canvas_, view_, sky_, chartOptions()); });
    canvas_.end();
    chartStale_ = false;
    PaintBox1->update();

    if (FImpresion) {
        FImpresion->rbDatos->setEnabled(radiantsShown);
        // A choice that cannot be made is not left standing.
        if (!radiantsShown)
            FImpresion->rbCarta->setChecked(true);
    }
}

void TForm1::PaintBox1Paint() {
    if (chartStale_)
        RedrawChart();
}

void TForm1::PaintBox1MouseUp(int x, int y) {
    if (view_.MarkMode) {
        markStarAt(x, y);
        return;
    }
    const SkyPoint p = Unproject(view_, x, y);
    view_.CentreRA = p.ra;
    view_.CentreDec = p.dec;
    cbCarta->setCurrentIndex(kFreeCentre);
    RedrawChart();
}

void TForm1::markStarAt(int x, int y) {
    const int slot = NearestStar(view_, sky_.stars, x, y);
    // A failed write leaves the mark in memory as the file holds it.
    if (slot != 0)
        guarded([&] { ToggleMark(sky_.stars, slot, dataDir_); });
    RedrawChart();
}

void TForm1::cbCartaClick() {
    view_.ZoomLevel = 1;
    sbZMenos->setEnabled(false);
    sbZMas->setEnabled(true);
    sbCoord->setChecked(true);
    RedrawChart();
}

void TForm1::SpeedButton1Click() {
    view_.CentreDec = std::max(view_.CentreDec - SBEscala->text().toInt(), -90);
    RedrawChart();
}

void TForm1::SpeedButton3Click() {
    view_.CentreDec = std::min(view_.CentreDec + SBEscala->text().toInt(), 90);
    RedrawChart();
}

void TForm1::SpeedButton4Click() {
    view_.CentreRA += SBEscala->text().toInt();
    if (view_.CentreRA > 360)
        view_.CentreRA -= 360;
    RedrawChart();
}

void TForm1::SpeedButton2Click() {
    view_.CentreRA -= SBEscala->text().toInt();
    if (view_.CentreRA < 0)
        view_.CentreRA += 360;
    RedrawChart();
}

void TForm1::SpeedButton8Click() {
    cbCarta->setCurrentIndex(kFreeCentre);
    setArrowsEnabled(true);
}

void TForm1::SBEscalaClick() {
    const QString step = SBEscala->text();
    SBEscala->setText(step == QStringLiteral("10")   ? QStringLiteral("25")
                      : step == QStringLiteral("25") ? QStringLiteral("1")
                                                     : QStringLiteral("10"));
}

void TForm1::sbZMasClick() {
    sbZMenos->setEnabled(true);
    ++view_.ZoomLevel;
    if (view_.ZoomLevel == 5)
        sbZMas->setEnabled(false);
    RedrawChart();
}

void TForm1::sbZMenosClick() {
    sbZMas->setEnabled(true);
    --view_.ZoomLevel;
    if (view_.ZoomLevel == 1)
        sbZMenos->setEnabled(false);
    RedrawChart();
}

void TForm1::sbMagMenosClick() {
    sbMagMas->setEnabled(true);
    --view_.MagLimit;
    if (view_.MagLimit == 0)
        sbMagMenos->setEnabled(false);
    RedrawChart();
}

void TForm1::sbMagMasClick() {
    sbMagMenos->setEnabled(true);
    ++view_.MagLimit;
    if (view_.MagLimit == 7)
        sbMagMas->setEnabled(false);
    RedrawChart();
}

void TForm1::sbEstrellasClick() {
    RedrawChart();
}

void TForm1::SpeedButton7Click() {
    if (AboutBox)
        dialogs_.exec(*AboutBox);
}

void TForm1::SpeedButton9Click() {
    if (!FImpresion || dialogs_.exec(*FImpresion) != QDialog::Accepted)
        return;
    const PrintChoice choice =
        FImpresion->rbCarta->isChecked() ? PrintChoice::Chart : PrintChoice::ActiveRadiants;
    PrintSources sources = printSources();
    if (choice == PrintChoice::ActiveRadiants && SelectSheetRadiants(sources).empty()) {
        dialogs_.information(QString::fromStdString(NothingOnSheetMessage(sources)));
        return;
    }
    guarded([&] { PrintCommand(choice, dialogs_, printer_, sources); });
}

PrintSources TForm1::printSources() {
    return {sky_,           view_,          chartOptions(),
            upDia->value(), upMes->value(), [dir = dataDir_] { return LoadLogo(dir); }};
}

void TForm1::RadiantesIMO1Click() {
    PrintSources sources = printSources();
    guarded([&] { PrintListing(ListingKind::Imo, dialogs_, printer_, sources, dataDir_); });
}

void TForm1::RadiantesdeTerentjeva2Click() {
    PrintSources sources = printSources();
    guarded([&] { PrintListing(ListingKind::Terentjeva, dialogs_, printer_, sources, dataDir_); });
}

void TForm1::SpeedButton5Click() {
    const std::string name = dialogs_.savePictureDialog();
    if (!name.empty()) {
        RedrawChart();
        QImage& chart = PaintBox1->buffer();
        canvas_.begin(&chart);
        DrawChartCaption(canvas_, view_, chart.height(),
                         sbRad->isChecked() || sbRadTer->isChecked(), upDia->value(),
                         upMes->value());
        canvas_.end();
        Image1 = chart.copy(0, 0, view_.ChartSize, chart.height());
        guarded([&] { SavePicture(Image1, name); });
    }
    // The caption leaves the screen.
    RedrawChart();
}

void TForm1::Salir1Click() {
    close();
}

void TForm1::Dibujarmagnitud1Click() {
    view_.MarkMode = !view_.MarkMode;
    Dibujarmagnitud1->setChecked(view_.MarkMode);
    if (view_.MarkMode) {
        sbPintaMag->setChecked(true);
        sbPintaMag->setEnabled(false);
        PaintBox1->setCursor(Qt::CrossCursor);
        RedrawChart();
    } else {
        sbPintaMag->setEnabled(true);
        PaintBox1->setCursor(Qt::PointingHandCursor);
    }
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
    FEdRad->DataDir = dataDir_;
    dialogs_.exec(*FEdRad);
    for (QToolButton* b : {sbRad, sbRadTer, sbDesRad})
        b->setChecked(false);
    sbGoRad->setEnabled(false);
    // The radiants are off and the table is read anew: the chart must not keep old symbols.
    guarded([this] { LoadRadiants(sky_.radiants, sky_.driftLines, dataDir_); });
    showDriftLines();
    chartStale_ = true;
    PaintBox1->update();
}

void TForm1::Planificarlanoche1Click() {
    TFPlanNoche window(sky_.radiants, upDia->value(), upMes->value(), dialogs_, this);
    dialogs_.exec(window);
}

void TForm1::Exportaratlas1Click() {
    guarded([this] { ExportAtlas(dialogs_, printSources(), today().year()); });
}

void TForm1::Magnitudlimite1Click() {
    TFMagLimite window(*this, dialogs_, this);
    window.upAreaChange();
    dialogs_.exec(window);
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
    const int month = upMes->value();
    const int days = DaysInMonth(month);
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
    for (QToolButton* b : {sbRad, sbRadTer}) {
        b->setEnabled(true);
        b->setChecked(false);
    }
    // The go-to list belongs to the date it was built for.
    lbRad->clear();
    GoToList.clear();
    sbGoRad->setEnabled(false);
    RedrawChart();
}

void TForm1::sbRadClick() {
    lbRad->blockSignals(true);
    lbRad->clear();
    const int date = RadiantDate();
    std::vector<std::string> listedCodes;
    for (int i = 0; i <= sky_.radiants.RadiantCount(); ++i) {
        const Radiant& r = sky_.radiants.at(i);
        int activeDay = 0;
        if (!IsActive(r, date, activeDay))
            continue;
        const RadiantKind kind = KindOf(r);
        const bool counts = (kind == RadiantKind::Terentjeva && sbRadTer->isChecked()) ||
                            (kind == RadiantKind::Imo && sbRad->isChecked());
        // The go-to table has room for 200; the list never shows a line it cannot go to.
        if (!counts || lbRad->count() >= kGoToEntries)
            continue;
        lbRad->addItem(FromAnsi(RadiantLine(r)));
        GoToList.at(lbRad->count()) = PositionAt(r, activeDay);
        listedCodes.push_back(r.Code);
    }
    lbRad->blockSignals(false);

    // A shower stored in pieces (the Antihelion Source) has one code for all of them; only the
    // piece whose own period holds the date gets its track.
    for (int j = 0; j < lbDesRad->count(); ++j) {
        const Radiant& r = sky_.radiants.at(j);
        int activeDay = 0;
        if (IsActive(r, date, activeDay) &&
            std::find(listedCodes.begin(), listedCodes.end(), r.Code) != listedCodes.end())
            lbDesRad->item(j)->setSelected(true);
    }
    if (lbDesRad->selectedItems().isEmpty())
        sbDesRad->setChecked(false);
    sbGoRad->setEnabled(lbRad->count() > 0);
    RedrawChart();
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
    const RadiantPosition p = GoToList.at(k);
    view_.CentreRA = static_cast<int>(Round(p.ra));
    view_.CentreDec = static_cast<int>(Round(p.dec));
    cbCarta->setCurrentIndex(kFreeCentre);
    closePanel(pGoRad);
    RedrawChart();
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
    for (int i = 0; i < lbDesRad->count(); ++i) {
        if (lbDesRad->item(i)->isSelected()) {
            const Radiant& r = sky_.radiants.at(i);
            view_.CentreRA = static_cast<int>(Round(r.RA));
            view_.CentreDec = static_cast<int>(Round(r.Dec));
            break;
        }
    }
    closePanel(pDesRad);
    if (lbDesRad->selectedItems().isEmpty())
        sbDesRad->setChecked(false);
    cbCarta->setCurrentIndex(kFreeCentre);
    RedrawChart();
}

void TForm1::Button2Click() {
    lbDesRad->clearSelection();
}

void TForm1::Button4Click() {
    closePanel(pDesRad);
    sbDesRad->setChecked(false);
    // The uncovered chart repaints without tracks.
    chartStale_ = true;
    PaintBox1->update();
}
