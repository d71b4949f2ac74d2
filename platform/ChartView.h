#pragma once
// The drawing area: shows the chart back buffer and reports paints and mouse releases to its
// window, which redraws the chart into the buffer.
#include <QImage>
#include <QWidget>

#include <functional>

class ChartView : public QWidget {
  public:
    ChartView(int size, QWidget* parent);
    QImage& buffer() { return buffer_; }
    // Called before the buffer is shown, so a window can bring it up to date.
    std::function<void()> onPaint;
    std::function<void(int x, int y)> onMouseUp;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QImage buffer_;
};
