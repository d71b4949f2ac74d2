#pragma once
// The limiting-magnitude window: an area, the stars seen inside it and the magnitude the IMO
// count table gives; it centres the chart on the area and marks or clears its stars' labels.
#include <QDialog>

#include <functional>

class ChartModel;
class Dialogs;
class QLabel;
class QPushButton;
class QSpinBox;

// Runs a command on the chart model and shows the chart and its controls afterwards.
using ChartChange = std::function<void(const std::function<void()>& command)>;

class TFMagLimite : public QDialog {
  public:
    TFMagLimite(ChartModel& model, ChartChange change, Dialogs& dialogs, QWidget* parent = nullptr);

    QSpinBox* upArea;
    QSpinBox* upEstrellas;
    QLabel* lResultado;
    QLabel* lMarcas;
    QPushButton* bMarcar;
    QPushButton* bBorrar;

    void upAreaChange();
    void upEstrellasChange();
    void bMarcarClick();
    void bBorrarClick();

  protected:
    // Opens beside the main window, so the chart it centres stays in view.
    void showEvent(QShowEvent* event) override;

  private:
    void writeMarks(bool on);

    ChartModel& model_;
    ChartChange change_;
    Dialogs& dialogs_;
};
