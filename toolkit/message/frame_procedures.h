// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include "platform/window_types.h"

namespace windlass {

// The frame and client-area procedures of one toolkit window: they turn the platform's events
// into messages for the program and raise them on the toolkit's message queue.
//
// While the window is being made its procedures stay quiet, as the toolkit's own calls then
// cause sizes and repaints the program never asked about; a size still updates the window's
// client size.
class FrameProcedures : public FrameListener {
  public:
    explicit FrameProcedures(int slot) : slot_(slot) {}

    // Makes the procedures raise messages from now on.
    void Start() { started_ = true; }

    void OnCommand(int command_id, int time) override;
    void OnCloseRequest(int time) override;
    void OnFrameClick(MouseButton button, FramePart part, int time) override;
    void OnTimer(int timer_id, int time) override;
    void OnKey(const KeyPress& key, int x, int y, int time) override;
    void OnMouse(const MouseEvent& mouse, int time) override;
    void OnExpose(const ExposedArea& area, int time) override;
    void OnResize(int width, int height, ResizeKind kind, int time) override;

  private:
    int slot_;
    bool started_ = false;
};

}  // namespace windlass
