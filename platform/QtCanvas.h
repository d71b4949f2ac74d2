#pragma once
// The Canvas on any QPaintDevice: the chart back buffer (a QImage), a printer page or a bitmap.
// Attributes live in the Canvas, so they survive from one redraw to the next; the QPainter is
// only opened around a redraw or a printout.
#include "platform/PixelRaster.h"
#include "render/Canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QList>
#include <QPainter>
#include <QString>

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class QPaintDevice;

// Windows-1252 bytes to Unicode, at the boundary to Qt.
QString FromAnsi(const std::string& text);

// The classic Windows face the chart asks for resolves to its closest metric twin here.
void InstallFontSubstitutes();

// The colours a canvas puts on its device: as the layers ask, or in the night's reds.
enum class Inks { AsDrawn, Night };

class QtCanvas : public Canvas {
  public:
    QtCanvas() = default;
    ~QtCanvas() override;

    // Starts painting on a device (aliased); the device's resolution sizes the fonts.
    void begin(QPaintDevice* device, Inks inks = Inks::AsDrawn);
    void end();
    // Nothing is painted outside the box from (0, 0) to (width, height), exclusive.
    void clipTo(int width, int height);
    // Lines as wide as `units` device units for each unit of pen width, from now to end(): a
    // vector picture drawn at paper resolution keeps the screen's line widths at the size it is
    // shown at.
    void setLineScale(double units) { lineScale_ = units; }
    // Whether painting has begun and the device accepted it.
    bool active() const { return painter_ && painter_->isActive(); }

    void Ellipse(int left, int top, int right, int bottom) override;
    void SetPixel(int x, int y, Color c) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void FillRect(int left, int top, int right, int bottom) override;
    void StretchDraw(int left, int top, int right, int bottom, const Bitmap& picture) override;

  protected:
    void drawLine(Point from, Point to) override;

  private:
    Color ink(Color c) const;
    void applyPen();
    void applyBrush();
    // A font with its metrics and the texts measured in it: the chart writes the same few
    // hundred labels at every redraw, and measuring them is most of the cost of text.
    struct FontEntry {
        explicit FontEntry(const QFont& f) : font(f), metrics(f) {}
        struct Text {
            QList<QGlyphRun> glyphs; // shaped once, at the baseline origin
            int width;
            // The pixels Qt paints for the text, aliased, as row runs from its top-left
            // corner, taken once from Qt itself; on the screen raster the runs are written
            // instead of asking Qt to paint the glyphs again, which cost a label a microsecond.
            struct Run {
                int dy, x0, x1;
            };
            std::vector<Run> ink;
            bool inkTaken = false;
            bool inkPlain = false; // every painted pixel in the pen's colour
        };
        const Text& text(const std::string& s);
        const Text& withInk(const std::string& s);
        QFont font;
        QFontMetrics metrics;
        std::unordered_map<std::string, Text> texts;
    };
    FontEntry& currentFont();

    std::unique_ptr<QPainter> painter_;
    int dpi_ = 96;
    bool night_ = false;
    // Pictures (the print preview's pages) and SVG files keep as text only what is written as
    // characters: glyph runs become outlines there.
    bool characters_ = false;
    double lineScale_ = 1;
    // Screen and bitmaps follow the pixel rules exactly; paper is left to Qt.
    PixelRaster raster_;
    // What the painter holds, so attributes are only handed to it when they change.
    Pen appliedPen_;
    bool penApplied_ = false;
    Color appliedBrush_;
    bool brushApplied_ = false;
    Font cachedFont_;
    FontEntry* fontEntry_ = nullptr;
    FontEntry* paintedFont_ = nullptr;
    std::map<std::string, std::unique_ptr<FontEntry>> fonts_;
};
