#pragma once
// The night's plan window: the observing site, the year of the radiant date, the time zone and
// the sky's limiting magnitude in; the plan out as a table, a plot and a printable page. The
// site, zone and magnitude are remembered between runs.
#include "plan/NightPlan.h"

#include <QDialog>

#include <string>

class Dialogs;
class PlanPlot;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class RadiantTable;

class TFPlanNoche : public QDialog {
  public:
    // The night starts on the evening of (day, month), the main window's radiant date.
    TFPlanNoche(const RadiantTable& radiants, int day, int month, Dialogs& dialogs,
                QWidget* parent = nullptr);

    QLineEdit* eLatitud;
    QLineEdit* eLongitud;
    QSpinBox* upAno;
    QDoubleSpinBox* upHuso;
    QDoubleSpinBox* upMagLim;
    QLabel* lNoche;
    QTableWidget* gTabla;
    QComboBox* cbGrafico;
    PlanPlot* grafico;
    QPushButton* bCalcular;
    QPushButton* bImprimir;
    QPushButton* bVistaPrevia;
    // The data folder, where the page's society logo is read.
    std::string DataDir;

    // Validates the fields and computes the plan; false (after a message) when a field is bad.
    bool bCalcularClick();
    void bImprimirClick();
    // The plan's pages as the PDF would hold them; "Imprimir" goes on to the PDF.
    void bVistaPreviaClick();
    void cbGraficoChange();
    const NightPlan& plan() const { return plan_; }

  private:
    bool readRequest(PlanRequest& request);
    void fillTable();

    const RadiantTable& radiants_;
    Dialogs& dialogs_;
    int day_;
    int month_;
    PlanRequest request_;
    NightPlan plan_;
    bool computed_ = false;
    // A settings file that cannot be written is told once.
    bool settingsLost_ = false;
};
