// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <QWidget>

#include "platform/window_types.h"

namespace windlass::qt {

// The client area of a toolkit frame: it reports its keys, mouse, repaints and sizes to the
// toolkit's client-area procedure. It keeps the keyboard focus for itself, Tab and Shift+Tab
// included, as a drawing area has no fields to move between.
class ClientArea : public QWidget {
  public:
    ClientArea(FrameListener& listener, QWidget* parent);

    // The repaints of the frame's first display are not reported: the program has drawn
    // nothing yet that it would have to draw again.
    void SkipFirstDisplay() { skipping_first_display_ = true; }
    void FirstDisplayDone() { skipping_first_display_ = false; }

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void ReportMouse(QMouseEvent* event, MouseAction action);

    FrameListener& listener_;
    bool skipping_first_display_ = false;
};

// A time stamp in milliseconds for events that carry none of their own.
int TimeNow();

}  // namespace windlass::qt
