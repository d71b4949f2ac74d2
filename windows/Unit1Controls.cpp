#include "windows/Unit1.h"

#include "platform/ChartView.h"
#include "platform/Glyphs.h"
#include "platform/UpDownField.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolButton>

#include <array>
#include <tuple>
namespace {

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
    for (QToolButton* arrow : {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4})
        arrow->setEnabled(false);

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
    // Clicks land on the chart's own pixels whatever size it is shown at.
    PaintBox1->onMouseUp = [this](int x, int y) {
        const int size = model_.view().ChartSize;
        PaintBox1MouseUp(x * size / PaintBox1->width(), y * size / PaintBox1->width());
    };
    PaintBox1->onResize = [this] {
        if (activated_)
            RedrawChart();
    };
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
    Vistaprevia1 = new QAction(QStringLiteral("Vista previa..."), this);
    Vistaprevia1->setObjectName(QStringLiteral("Vistaprevia1"));
    connect(Vistaprevia1, &QAction::triggered, this, [this] { Vistaprevia1Click(); });
    file->insertAction(Salir1, Vistaprevia1);
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
    buildObservationMenu();
    // Last, so the menus before it stay where they were.
    QMenu* view = menuBar()->addMenu(QStringLiteral("&Ver"));
    Modonocturno1 =
        view->addAction(QStringLiteral("Modo nocturno"), this, [this] { Modonocturno1Click(); });
    Modonocturno1->setObjectName(QStringLiteral("Modonocturno1"));
    Modonocturno1->setCheckable(true);
    Modonocturno1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
}

void TForm1::buildObservationMenu() {
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8("&Observación"));
    const std::tuple<QAction**, const char*, const char*, void (TForm1::*)()> items[] = {
        {&Nuevaobservacion1, "Nuevaobservacion1", "Nueva...", &TForm1::Nuevaobservacion1Click},
        {&Abrirobservacion1, "Abrirobservacion1", "Abrir...", &TForm1::Abrirobservacion1Click},
        {&ExportarVMDB1, "ExportarVMDB1", "Exportar para la IMO (VMDB)...",
         &TForm1::ExportarVMDB1Click},
        {&ImportarVMDB1, "ImportarVMDB1", "Importar de la IMO (VMDB)...",
         &TForm1::ImportarVMDB1Click},
        {&Imprimirinforme1, "Imprimirinforme1", "Imprimir informe...",
         &TForm1::Imprimirinforme1Click},
    };
    for (const auto& [action, name, text, handler] : items) {
        *action =
            menu->addAction(QString::fromUtf8(text), this, [this, h = handler] { (this->*h)(); });
        (*action)->setObjectName(QString::fromLatin1(name));
    }
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

// One pass over the selection: asking each line whether it is selected searches the whole
// selection every time, which with the radiant table full cost more than the chart.
std::vector<bool> TForm1::driftSelection() const {
    std::vector<bool> selected(static_cast<std::size_t>(lbDesRad->count()), false);
    for (const QModelIndex& line : lbDesRad->selectionModel()->selectedIndexes())
        selected[static_cast<std::size_t>(line.row())] = true;
    return selected;
}

ChartInputs TForm1::inputs() const {
    ChartInputs in;
    in.toggles = {sbCoord->isChecked(), sbConstelaciones->isChecked(), sbNombres->isChecked(),
                  sbZonas->isChecked(), sbEstrellas->isChecked(),      sbPintaMag->isChecked(),
                  sbRad->isChecked(),   sbRadTer->isChecked(),         sbDesRad->isChecked()};
    in.chartIndex = cbCarta->currentIndex();
    in.day = upDia->value();
    in.month = upMes->value();
    in.driftSelected = driftSelection();
    return in;
}

void TForm1::showControls(const ChartControls& c) {
    const std::pair<QToolButton*, bool> toggles[] = {
        {sbCoord, c.checked.grid},         {sbConstelaciones, c.checked.figures},
        {sbNombres, c.checked.names},      {sbZonas, c.checked.zones},
        {sbEstrellas, c.checked.stars},    {sbPintaMag, c.checked.labels},
        {sbRad, c.checked.imoRadiants},    {sbRadTer, c.checked.terRadiants},
        {sbDesRad, c.checked.driftTracks},
    };
    for (const auto& [button, down] : toggles)
        button->setChecked(down);
    const std::pair<QToolButton*, bool> enabled[] = {
        {SpeedButton1, c.arrows}, {SpeedButton2, c.arrows}, {SpeedButton3, c.arrows},
        {SpeedButton4, c.arrows}, {sbZMas, c.zoomIn},       {sbZMenos, c.zoomOut},
        {sbMagMas, c.magUp},      {sbMagMenos, c.magDown},  {sbCoord, c.grid},
        {sbPintaMag, c.labels},   {sbRad, c.radiantLists},  {sbRadTer, c.radiantLists},
        {sbGoRad, c.goTo},
    };
    for (const auto& [button, on] : enabled)
        button->setEnabled(on);
    cbCarta->setCurrentIndex(c.chartIndex);
    SBEscala->setText(QString::number(c.stepScale));
    Dibujarmagnitud1->setChecked(c.markMode);
    PaintBox1->setCursor(c.markMode ? Qt::CrossCursor : Qt::PointingHandCursor);
    if (driftSelection() != c.driftSelected) {
        QItemSelection selection;
        for (std::size_t line = 0; line < c.driftSelected.size(); ++line) {
            const QModelIndex index = lbDesRad->model()->index(static_cast<int>(line), 0);
            if (c.driftSelected[line])
                selection.select(index, index);
        }
        lbDesRad->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    }
    for (std::size_t i = 0; i < c.status.size(); ++i)
        StatusPanels[i]->setText(QString::fromStdString(c.status[i]));
}
