#pragma once
// The drawing area: shows the chart back buffer and reports clicks, keys and the wheel to its
// window, which redraws the chart into the buffer.
#include <QImage>
#include <QWidget>

#include <functional>

class ChartView : public QWidget {
  public:
    ChartView(int size, QWidget* parent);
    // The chart as shown: one image pixel a device pixel, however large the view.
    QImage& buffer() { return buffer_; }
    // The view's side in device pixels.
    int deviceSide() const;
    // The view was given another size; the window draws the chart again.
    std::function<void()> onResize;
    // A click pressed and released on the chart.
    std::function<void(int x, int y)> onMouseUp;
    // A key pressed while the chart has the focus; false leaves it to the window.
    std::function<bool(int key)> onKey;
    // One notch of the wheel: +1 away from the user, -1 towards.
    std::function<void(int notch)> onWheel;
    // The first click of a double-click closed something lying over the chart: its second
    // click was not aimed at the chart.
    void ignoreNextDoubleClick() { ignoreDoubleClick_ = true; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QImage buffer_;
    bool pressed_ = false;
    bool ignoreDoubleClick_ = false;
    int wheelAngle_ = 0;
};
