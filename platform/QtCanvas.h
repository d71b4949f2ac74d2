#pragma once
// The Canvas on any QPaintDevice: the chart back buffer (a QImage), a printer page or a bitmap.
// Attributes live in the Canvas, so they survive from one redraw to the next; the QPainter is
// only opened around a redraw or a printout.
#include "render/Canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <memory>
#include <vector>

class QPaintDevice;

// Windows-1252 bytes to Unicode, at the boundary to Qt.
QString FromAnsi(const std::string& text);
std::string ToAnsi(const QString& text);

// The classic Windows face the chart asks for resolves to its closest metric twin here.
void InstallFontSubstitutes();

class QtCanvas : public Canvas {
  public:
    QtCanvas() = default;
    ~QtCanvas() override;

    // Starts painting on a device (aliased); the device's resolution sizes the fonts.
    void begin(QPaintDevice* device);
    void end();
    bool isActive() const { return painter_ != nullptr; }

    void Ellipse(int left, int top, int right, int bottom) override;
    void SetPixel(int x, int y, Color c) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void FillRect(int left, int top, int right, int bottom) override;

  protected:
    void drawLine(Point from, Point to) override;

  private:
    void applyPen();
    void applyBrush();
    const QFont& qfont();

    std::unique_ptr<QPainter> painter_;
    int dpi_ = 96;
    // Screen and bitmaps follow the pixel rules exactly; paper is left to Qt.
    bool pixelExact_ = false;
    std::vector<QPoint> points_;
    // What the painter holds, so attributes are only handed to it when they change.
    Pen appliedPen_;
    bool penApplied_ = false;
    Color appliedBrush_;
    bool brushApplied_ = false;
    Font cachedFont_;
    bool fontCached_ = false;
    QFont qfont_;
    std::unique_ptr<QFontMetrics> metrics_;
};
