#pragma once
// The observation window: who, where and which night; the showers watched; a grid of periods
// with their counts and magnitude distributions; the rates beside them and as a plot. What is
// typed stays as typed until it reads; saving keeps the night in the observation database.
#include "observation/ObservationDraft.h"
#include "observation/Rates.h"
#include "windows/ObservationContext.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QWidget;
class ZhrChart;

class TFObservacion : public QDialog {
  public:
    // A new observation of the radiant date's night.
    explicit TFObservacion(const ObservationContext& context, QWidget* parent = nullptr);
    // A stored one.
    TFObservacion(const ObservationContext& context, const Observation& stored,
                  QWidget* parent = nullptr);

    // The columns of the periods grid before the counts, one per shower watched.
    enum PeriodColumn { Start, End, Teff, F, Lm, FieldRa, FieldDec, Method, FirstCount };
    // The columns of the magnitudes grid after the 14 classes.
    enum MagnitudeColumn { Total = kMagnitudeClasses, Altitude, Rate };

    QTabWidget* tabs;
    QLineEdit* eObservador;
    QLineEdit* eCodigo;
    QLineEdit* eLugar;
    QLineEdit* ePais;
    QLineEdit* eLatitud;
    QLineEdit* eLongitud;
    QLineEdit* eAltitud;
    QDateEdit* deNoche;
    QDateEdit* deManana;
    QDoubleSpinBox* upHuso;
    QTableWidget* gLluvias;
    QComboBox* cbLluvia;
    QPushButton* bAnadirLluvia;
    QPushButton* bQuitarLluvia;
    QTableWidget* gPeriodos;
    QPushButton* bAnadirPeriodo;
    QPushButton* bQuitarPeriodo;
    QPushButton* bMagLimite;
    QPushButton* bCentro;
    QLabel* lMagnitudes;
    QTableWidget* gMagnitudes;
    QTableWidget* gResultados;
    QLabel* lIndice;
    ZhrChart* grafico;
    QLabel* lEstado;
    QPushButton* bGuardar;
    QPushButton* bExportar;
    QPushButton* bImprimir;
    QPushButton* bCerrar;

    // Keeps the observation; false, after saying why, when it is refused or cannot be kept.
    bool bGuardarClick();
    void bExportarClick();
    void bImprimirClick();
    void bAnadirPeriodoClick();
    void bQuitarPeriodoClick();
    void bMagLimiteClick();
    void bCentroClick();
    void bAnadirLluviaClick();
    void bQuitarLluviaClick();

    // Closing: asks before unsaved changes are lost.
    void reject() override;

    const ObservationDraft& draft() const { return draft_; }
    bool modified() const { return modified_; }

  private:
    void build();
    QWidget* buildSession();
    QWidget* buildPeriods();
    QWidget* buildResults();
    void showDraft();
    void showShowers();
    void showPeriods();
    void showMagnitudes();
    void showResults();
    void showTotals();
    void refresh();
    void changed();
    void periodCellChanged(int row, int column);
    void magnitudeCellChanged(int row, int column);
    void eveningChanged();
    void setPeriodText(int row, int column, const std::string& text);
    std::vector<int> chosenPeriods();
    int currentPeriod() const;
    void focusFault(const ObservationFault& fault);
    // The observation when it may be kept; otherwise its faults are shown and nothing is.
    std::optional<Observation> checked();

    ObservationContext context_;
    ObservationDraft draft_;
    DraftReading reading_;
    std::optional<ObservationRates> rates_;
    bool modified_ = false;
    bool filling_ = false;
};
