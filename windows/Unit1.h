#pragma once
// The main window: the tool panel, the chart and its status bar. Its handlers read the
// controls, ask the chart model and show its answer; the state and its rules are the model's.
#include "model/ChartModel.h"
#include "platform/QtCanvas.h"

#include <QDate>
#include <QMainWindow>

#include <array>
#include <functional>
#include <string>
#include <vector>

class ChartView;
class Dialogs;
class Printer;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QToolButton;
class TAboutBox;
class TFEdRad;
class TFImpresion;
enum class RadiantList;
struct ObservationContext;

class TForm1 : public QMainWindow {
  public:
    // The data files are read from `dataDir` at the first showing.
    TForm1(Dialogs& dialogs, Printer& printer, const std::string& dataDir,
           QWidget* parent = nullptr);
    ~TForm1() override;

    // The windows created after this one, set by the program entry.
    TAboutBox* AboutBox = nullptr;
    TFEdRad* FEdRad = nullptr;
    TFImpresion* FImpresion = nullptr;
    // Today's date for "Hoy"; replaceable so the handler can be tested on any day.
    std::function<QDate()> today = [] { return QDate::currentDate(); };

    const ViewState& view() const { return model_.view(); }
    ViewState& view() { return model_.view(); }
    const SkyData& sky() const { return model_.sky(); }
    SkyData& sky() { return model_.sky(); }
    RadiantPosition goToEntry(int k) const { return model_.goToEntry(k); }

    // Start-up sequence, run once at the first showing of the window.
    void FormActivate();
    // Reads the controls, draws the chart and shows the model's answers.
    void RedrawChart();
    // Reads the controls, runs a command of the model, shows its answer and redraws.
    void changeChart(const std::function<void()>& command);
    ChartModel& model() { return model_; }
    void PaintBox1MouseUp(int x, int y);

    void cbCartaClick();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton8Click();
    void SBEscalaClick();
    void sbZMasClick();
    void sbZMenosClick();
    void sbMagMenosClick();
    void sbMagMasClick();
    void sbEstrellasClick();
    void SpeedButton7Click();
    void SpeedButton9Click();
    void Vistaprevia1Click();
    void Modonocturno1Click();
    void SpeedButton5Click();
    void RadiantesIMO1Click();
    void RadiantesdeTerentjeva2Click();
    void Salir1Click();
    void Planificarlanoche1Click();
    void Exportaratlas1Click();
    void Dibujarmagnitud1Click();
    void Magnitudlimite1Click();
    // Menu "Edición": the radiant editor on either list; the radiants are reloaded after it.
    void Radiantes1Click();
    void RadiantesdeTerentjeva1Click();
    // Menu "Observación": a night's counts, the saved ones, the IMO's files and the report.
    void Nuevaobservacion1Click();
    void Abrirobservacion1Click();
    void ExportarVMDB1Click();
    void ImportarVMDB1Click();
    void Imprimirinforme1Click();

    void sbFechaRadClick();
    void meMesChange();
    void Button6Click();
    void Button3Click();
    void sbRadClick();
    void sbGoRadClick();
    void lbRadClick();
    void Button7Click();

    void sbDesRadClick();
    void Button1Click();
    void Button2Click();
    void Button4Click();

    // Controls, named as the handlers know them.
    QFrame* Panel3;
    QLabel* Label6;
    QComboBox* cbCarta;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton4;
    QToolButton* SpeedButton8;
    QToolButton* SBEscala;
    QToolButton* sbZMenos;
    QToolButton* sbZMas;
    QToolButton* sbMagMenos;
    QToolButton* sbMagMas;
    QToolButton* sbEstrellas;
    QToolButton* sbPintaMag;
    QToolButton* sbConstelaciones;
    QToolButton* sbNombres;
    QToolButton* sbCoord;
    QToolButton* sbZonas;
    QToolButton* sbFechaRad;
    QToolButton* sbRad;
    QToolButton* sbRadTer;
    QToolButton* sbDesRad;
    QToolButton* sbGoRad;
    QToolButton* SpeedButton5;
    QToolButton* SpeedButton9;
    QToolButton* SpeedButton7;
    QFrame* Panel1;
    ChartView* PaintBox1;
    QFrame* pRad;
    QSpinBox* upDia;
    QSpinBox* upMes;
    QPushButton* Button6;
    QPushButton* Button3;
    QFrame* pGoRad;
    QListWidget* lbRad;
    QPushButton* Button7;
    QFrame* pDesRad;
    QListWidget* lbDesRad;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button4;
    std::array<QLabel*, 5> StatusPanels{};
    QAction* Salir1;
    QAction* Vistaprevia1;
    QAction* Modonocturno1;
    QAction* Planificarlanoche1;
    QAction* Exportaratlas1;
    QAction* Dibujarmagnitud1;
    QAction* Magnitudlimite1;
    QAction* Radiantes1;
    QAction* RadiantesdeTerentjeva1;
    QAction* RadiantesIMO1;
    QAction* RadiantesdeTerentjeva2;
    QAction* Nuevaobservacion1;
    QAction* Abrirobservacion1;
    QAction* ExportarVMDB1;
    QAction* ImportarVMDB1;
    QAction* Imprimirinforme1;

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildToolPanel();
    void buildChartArea();
    void buildRadiantDatePanel();
    void buildGoToPanel();
    void buildDriftPanel();
    void buildStatusBar();
    void buildMenu();
    void buildObservationMenu();
    // What the observation windows read of this one.
    ObservationContext observationContext();
    void buildKeys();
    QToolButton* toolButton(const char* name, const QString& hint, int x, int y, int width = 25);
    void openPanel(QFrame* panel, QWidget* focus);
    void closePanel(QFrame* panel);
    ChartInputs inputs() const;
    std::vector<bool> driftSelection() const;
    void showControls(const ChartControls& c);
    // Draws the model's chart and shows its answers, the controls already read.
    void drawAndShow();
    // What a printout reads of the chart when it runs.
    PrintSources printSources();
    // The print choice dialog, with every printout and the preview first when `forPreview`.
    void choosePrintout(bool forPreview);
    // Escape in the date panel: closes it with the date it showed when it opened.
    void dismissDatePanel();
    void showDriftLines();
    void editRadiants(RadiantList list);

    Dialogs& dialogs_;
    Printer& printer_;
    ChartModel model_;
    bool activated_ = false;
    QtCanvas canvas_;
    // The chart larger than its own size: a canvas of its own, so the attributes the screen
    // chart inherits from one redraw to the next stay its own.
    QtCanvas largeCanvas_;
    struct DayMonth {
        int day = 1;
        int month = 1;
    };
    DayMonth shownDate_;
};
