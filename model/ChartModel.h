#pragma once
// What the main window shows and every rule that changes it, without a widget: the sky, the
// view, the chart selector, the radiant date, the go-to table and the states of the controls.
// The window reads its controls into ChartInputs, calls a command and shows ChartControls.
#include "geometry/ViewState.h"
#include "output/PrintCommand.h"
#include "render/Canvas.h"
#include "render/ChartOptions.h"
#include "sky/FixedTable.h"
#include "sky/SkyData.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class Printer;

// The chart selector's item for a centre chosen freely (by a click, an arrow, a go-to).
constexpr int kFreeCentre = 12;
// The go-to table's room; the list never shows a line it cannot go to.
constexpr int kGoToEntries = 200;

// What the user may have changed in the controls since the last command.
struct ChartInputs {
    ChartToggles toggles;
    int chartIndex = -1;
    int day = 1; // radiant date controls
    int month = 1;
    std::vector<bool> driftSelected; // line i for radiant i
};

// What the controls must show after a command.
struct ChartControls {
    ChartToggles checked;
    int chartIndex = -1;
    bool arrows = false;
    bool zoomIn = true;
    bool zoomOut = false;
    bool magUp = false;
    bool magDown = true;
    bool grid = true;   // enabled only at zoom 1
    bool labels = true; // taken over by the marking mode
    bool radiantLists = false;
    bool goTo = false;
    bool markMode = false;
    int stepScale = 10;
    std::vector<bool> driftSelected;
    // Status bar panels 0 to 3, UTF-8.
    std::array<std::string, 4> status;
};

// What marking an area did.
struct AreaMarks {
    int stars = 0;   // inside the area
    int written = 0; // records written
};

class ChartModel {
  public:
    explicit ChartModel(std::string dataDir) : dataDir_(std::move(dataDir)) {}

    // Start-up: the default view on a chart of `chartSize` pixels, the print units of the
    // printer, every data file (each failure to `report`), chart 1.
    void start(int chartSize, Printer& printer, const ErrorReport& report);

    void read(const ChartInputs& inputs);
    ChartControls controls() const;
    ChartOptions options() const;

    void chooseChart();
    void freeCentre();
    void nextStepScale();
    void step(int raSteps, int decSteps);
    void zoomIn();
    void zoomOut();
    void magUp();
    void magDown();
    // A click on the chart: centres there, or in marking mode flips the nearest star's mark.
    void click(int x, int y);
    void toggleMarkMode();

    // The date panel's "Aplicar": the radiant lists become available, up, and the go-to table
    // empties, since it belongs to the date it was built for.
    void applyRadiantDate();
    // The go-to lines of the active radiants of the lists shown, with their positions, and the
    // drift tracks of the listed showers preselected.
    std::vector<std::string> listActiveRadiants();
    RadiantPosition goToEntry(int k) const { return goTo_.at(k); }
    void goTo(int k);
    void centreOnDriftSelection();
    void cancelDriftTracks();
    void centreOnArea(int area);
    // Sets or clears the marks of an area's stars; a failed write stops the run and raises
    // MarkRunStopped, the labels shown either way.
    AreaMarks markArea(int area, bool on, const RecordWrite& write = WriteRecordBytes);
    void setLimitingMagnitude(double lm) { limitingMagnitude_ = lm; }
    std::optional<double> limitingMagnitude() const { return limitingMagnitude_; }
    // After the editor: both files read anew, the radiants put away.
    void reloadRadiants();

    // Settles the rules every redraw applies and draws the chart.
    void draw(Canvas& canvas);
    // The same chart on a square of `side` device pixels other than the chart's own size,
    // through the paper forms, so lines and labels stay sharp at any size.
    void drawLarge(Canvas& canvas, int side);
    // The dots per inch that give a square of `side` pixels the proportions of the printed
    // chart: its labels as large beside the stars as on paper.
    static double LargeChartDpi(int side);
    // The chart with its caption, for a saved picture.
    void drawPicture(Canvas& canvas, int height);
    // The printouts' view of the chart; a job works on its own copy of the view.
    PrintSources printSources(std::function<Bitmap()> logo);

    const SkyData& sky() const { return sky_; }
    SkyData& sky() { return sky_; }
    const ViewState& view() const { return view_; }
    ViewState& view() { return view_; }
    const std::string& dataDir() const { return dataDir_; }
    int radiantDate() const;
    bool radiantsShown() const { return toggles_.imoRadiants || toggles_.terRadiants; }

  private:
    void settle();
    void centreOn(int ra, int dec);

    SkyData sky_;
    ViewState view_;
    ViewState printView_;
    std::string dataDir_;
    ChartToggles toggles_;
    int chartIndex_ = -1;
    int day_ = 1;
    int month_ = 1;
    std::vector<bool> driftSelected_;
    bool arrows_ = false;
    bool radiantLists_ = false;
    bool goToEnabled_ = false;
    int stepScale_ = 10;
    std::optional<double> limitingMagnitude_;
    FixedTable<RadiantPosition, kGoToEntries> goTo_;
};
