#include "model/ChartModel.h"

#include "geometry/AreaStars.h"
#include "geometry/Calendar.h"
#include "geometry/ChartCentres.h"
#include "geometry/HitTest.h"
#include "geometry/Numbers.h"
#include "geometry/Projection.h"
#include "output/ChartCaption.h"
#include "output/PrintUnits.h"
#include "render/Layers.h"
#include "sky/LabelMarks.h"
#include "sky/WholeFile.h"

#include <algorithm>

namespace {
// The printed chart square's side in layout units: the page's 200 less two margins of 5.
constexpr double kPaperSquareUnits = 190.0;
} // namespace

void ChartModel::start(int chartSize, Printer& printer, const ErrorReport& report) {
    view_.ChartSize = static_cast<std::int16_t>(chartSize);
    view_.GridStep = static_cast<std::int16_t>(Round(view_.ChartSize * 0.2));
    view_.ZoomLevel = 1;
    view_.MagLimit = 7;
    TakePrintUnits(printer, view_);
    view_.MarkMode = false;
    // A file that fails leaves its table as far as it was read; every other file is still
    // read, and the chart shows what there is.
    LoadSky(sky_, dataDir_, report);
    // What an editor killed while saving left beside the radiant files.
    for (const char* name : {kImoRadiantFile, kTerentjevaRadiantFile})
        RemoveStaleTemporaries(dataDir_ + "/" + name);
    driftSelected_.assign(sky_.driftLines.size(), false);
    chartIndex_ = 0;
    goTo_.clear();
}

void ChartModel::read(const ChartInputs& inputs) {
    toggles_ = inputs.toggles;
    chartIndex_ = inputs.chartIndex;
    day_ = inputs.day;
    month_ = inputs.month;
    driftSelected_ = inputs.driftSelected;
    driftSelected_.resize(sky_.driftLines.size(), false);
}

ChartControls ChartModel::controls() const {
    ChartControls c;
    c.checked = toggles_;
    c.chartIndex = chartIndex_;
    c.arrows = arrows_;
    c.zoomIn = view_.ZoomLevel < 5;
    c.zoomOut = view_.ZoomLevel > 1;
    c.magUp = view_.MagLimit < 7;
    c.magDown = view_.MagLimit > 0;
    c.grid = view_.ZoomLevel == 1;
    c.labels = !view_.MarkMode;
    c.radiantLists = radiantLists_;
    c.goTo = goToEnabled_;
    c.markMode = view_.MarkMode;
    c.stepScale = stepScale_;
    c.driftSelected = driftSelected_;
    c.status[0] = "Centro (J2000): " + FormatFloat("000", view_.CentreRA) + " " +
                  FormatFloat("+00;-00", view_.CentreDec);
    c.status[1] = "Mag: " + std::to_string(view_.MagLimit);
    if (radiantsShown())
        c.status[2] =
            "Fecha Radiantes: " + FormatFloat("00", day_) + "/" + FormatFloat("00", month_);
    c.status[3] = "Zoom: " + std::to_string(view_.ZoomLevel);
    return c;
}

ChartOptions ChartModel::options() const {
    ChartOptions o;
    static_cast<ChartToggles&>(o) = toggles_;
    o.gridLetter = GridLetterFor(chartIndex_);
    o.radiantDate = radiantDate();
    o.driftSelected = driftSelected_;
    return o;
}

int ChartModel::radiantDate() const {
    return DayOfYear(day_, month_);
}

void ChartModel::chooseChart() {
    view_.ZoomLevel = 1;
    toggles_.grid = true;
}

void ChartModel::freeCentre() {
    chartIndex_ = kFreeCentre;
    arrows_ = true;
}

void ChartModel::nextStepScale() {
    stepScale_ = stepScale_ == 10 ? 25 : stepScale_ == 25 ? 1 : 10;
}

void ChartModel::step(int raSteps, int decSteps) {
    view_.CentreDec = std::clamp(view_.CentreDec + decSteps * stepScale_, -90, 90);
    view_.CentreRA += raSteps * stepScale_;
    // 360 stays 360, as the arrows have always shown it.
    if (view_.CentreRA > 360)
        view_.CentreRA -= 360;
    if (view_.CentreRA < 0)
        view_.CentreRA += 360;
}

void ChartModel::zoomIn() {
    if (view_.ZoomLevel < 5)
        ++view_.ZoomLevel;
}

void ChartModel::zoomOut() {
    if (view_.ZoomLevel > 1)
        --view_.ZoomLevel;
}

void ChartModel::magUp() {
    if (view_.MagLimit < 7)
        ++view_.MagLimit;
}

void ChartModel::magDown() {
    if (view_.MagLimit > 0)
        --view_.MagLimit;
}

void ChartModel::centreOn(int ra, int dec) {
    view_.CentreRA = ra;
    view_.CentreDec = dec;
    chartIndex_ = kFreeCentre;
}

void ChartModel::click(int x, int y) {
    if (!view_.MarkMode) {
        const SkyPoint p = Unproject(view_, x, y);
        centreOn(p.ra, p.dec);
        return;
    }
    // A failed write leaves the mark in memory as the file holds it.
    if (const int slot = NearestStar(view_, sky_.stars, x, y); slot != 0)
        ToggleMark(sky_.stars, slot, dataDir_);
}

void ChartModel::toggleMarkMode() {
    view_.MarkMode = !view_.MarkMode;
    if (view_.MarkMode)
        toggles_.labels = true;
}

void ChartModel::applyRadiantDate() {
    radiantLists_ = true;
    toggles_.imoRadiants = false;
    toggles_.terRadiants = false;
    goTo_.clear();
    goToEnabled_ = false;
}

std::vector<std::string> ChartModel::listActiveRadiants() {
    std::vector<std::string> lines;
    std::vector<std::string> listedCodes;
    goTo_.clear();
    const int date = radiantDate();
    for (const ActiveRadiant& a :
         ActiveRadiants(sky_.radiants, date, toggles_.imoRadiants, toggles_.terRadiants)) {
        if (static_cast<int>(lines.size()) >= kGoToEntries)
            break;
        const Radiant& r = sky_.radiants.at(a.index);
        lines.push_back(RadiantLine(r));
        goTo_.at(static_cast<int>(lines.size())) = PositionAt(r, a.activeDay);
        listedCodes.push_back(r.Code);
    }
    // A shower stored in pieces (the Antihelion Source) has one code for all of them; only the
    // piece whose own period holds the date gets its track.
    for (const ActiveRadiant& a : ActiveRadiants(sky_.radiants, date, true, true)) {
        const std::size_t line = static_cast<std::size_t>(a.index);
        if (line < driftSelected_.size() &&
            std::find(listedCodes.begin(), listedCodes.end(), sky_.radiants.at(a.index).Code) !=
                listedCodes.end())
            driftSelected_[line] = true;
    }
    if (std::find(driftSelected_.begin(), driftSelected_.end(), true) == driftSelected_.end())
        toggles_.driftTracks = false;
    goToEnabled_ = !lines.empty();
    return lines;
}

void ChartModel::goTo(int k) {
    const RadiantPosition p = goTo_.at(k);
    centreOn(static_cast<int>(Round(p.ra)), static_cast<int>(Round(p.dec)));
}

void ChartModel::centreOnDriftSelection() {
    const auto first = std::find(driftSelected_.begin(), driftSelected_.end(), true);
    if (first == driftSelected_.end()) {
        toggles_.driftTracks = false;
        chartIndex_ = kFreeCentre;
        return;
    }
    const Radiant& r = sky_.radiants.at(static_cast<int>(first - driftSelected_.begin()));
    centreOn(static_cast<int>(Round(r.RA)), static_cast<int>(Round(r.Dec)));
}

void ChartModel::cancelDriftTracks() {
    toggles_.driftTracks = false;
}

void ChartModel::centreOnArea(int area) {
    const SkyLabel& centre = sky_.numbers.at(area);
    centreOn(centre.RA, centre.Dec);
    toggles_.zones = true;
}

AreaMarks ChartModel::markArea(int area, bool on, const RecordWrite& write) {
    const std::vector<int> inside = StarsInArea(sky_.stars, sky_.triangles, area);
    if (on)
        toggles_.labels = true;
    if (inside.empty())
        return {};
    return {static_cast<int>(inside.size()),
            WriteLabelMarks(sky_.stars, inside, on ? 1 : 0, dataDir_, write)};
}

void ChartModel::reloadRadiants() {
    toggles_.imoRadiants = false;
    toggles_.terRadiants = false;
    toggles_.driftTracks = false;
    goToEnabled_ = false;
    // The table is read anew: the chart must not keep old symbols.
    try {
        LoadRadiants(sky_.radiants, sky_.driftLines, dataDir_);
    } catch (...) {
        driftSelected_.assign(sky_.driftLines.size(), false);
        throw;
    }
    driftSelected_.assign(sky_.driftLines.size(), false);
}

void ChartModel::settle() {
    if (view_.ZoomLevel != 1) {
        chartIndex_ = kFreeCentre;
        toggles_.grid = false;
    }
    arrows_ = chartIndex_ == kFreeCentre;
    if (chartIndex_ >= 0 && chartIndex_ < static_cast<int>(kChartCentres.size())) {
        view_.CentreRA = kChartCentres[static_cast<std::size_t>(chartIndex_)].ra;
        view_.CentreDec = kChartCentres[static_cast<std::size_t>(chartIndex_)].dec;
    }
    view_.deriveForRedraw();
}

void ChartModel::draw(Canvas& canvas) {
    settle();
    DrawChart(canvas, view_, sky_, options());
}

void ChartModel::drawLarge(Canvas& canvas, int side) {
    settle();
    ViewState v = view_;
    v.PrintMargin = 0;
    v.PrintUnit = static_cast<float>(side / kPaperSquareUnits);
    v.PrintScale = static_cast<std::int16_t>(v.ZoomLevel * 1000);
    v.PrintFactor = static_cast<float>((side - 1) * 0.0002);
    canvas.font = Font{"Arial", 8, false, colors::Black};
    DrawChartPrint(canvas, v, sky_, options());
}

double ChartModel::LargeChartDpi(int side) {
    // An A4 page at 1200 dpi: 9583 pixels wide, its chart square 190 layout units.
    return 1200.0 * side / (kPaperSquareUnits * PrintUnitFor(9583));
}

void ChartModel::drawPicture(Canvas& canvas, int height) {
    draw(canvas);
    DrawChartCaption(canvas, view_, height, radiantsShown(), day_, month_);
}

PrintSources ChartModel::printSources(std::function<Bitmap()> logo) {
    printView_ = view_;
    return {sky_, printView_, options(), day_, month_, std::move(logo)};
}
