// A platform for window and message tests that need no display: it records the frames the
// toolkit asks for and the status bars it shows, and plays scripted events to the frame's
// procedures whenever the toolkit waits for events.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/fake/fake_platform.h"
#include "support/toolkit_reset.h"
#include "windlass/windlass.h"

namespace windlass::testing {

class RecordingPlatform : public FakePlatform {
  public:
    struct Frame {
        FrameRequest request;
        FrameListener* listener = nullptr;
        std::optional<std::pair<int, int>> placed;
        std::optional<FrameShow> shown;
        std::vector<std::vector<StatusPartView>> status_updates;
        std::vector<std::pair<int, int>> timers;
        bool destroyed = false;
    };

    WindowHandle CreateFrame(const FrameRequest& request, FrameListener& listener) override {
        if (refuse_frames || frames.size() >= handles_.size()) {
            return nullptr;
        }
        frames.push_back({request, &listener, {}, {}, {}, {}, false});
        if (while_creating) {
            while_creating(listener);
        }
        return HandleOf(frames.size() - 1);
    }
    FrameMeasures MeasureFrame(WindowHandle frame) override {
        const FrameRequest& request = FrameOf(frame).request;
        int status = request.style.status_bar ? status_bar_height : 0;
        return {request.client_width + 2 * border, request.client_height + 2 * border, status};
    }
    void PlaceFrame(WindowHandle frame, int x, int y) override { FrameOf(frame).placed = {x, y}; }
    void ShowFrame(WindowHandle frame, FrameShow show) override { FrameOf(frame).shown = show; }
    PixelSize ClientAreaSize(WindowHandle frame) override {
        const FrameRequest& request = FrameOf(frame).request;
        return {request.client_width, request.client_height};
    }
    WindowHandle ClientArea(WindowHandle frame) override { return frame; }
    void ShowStatusBar(WindowHandle frame, const std::vector<StatusPartView>& parts) override {
        FrameOf(frame).status_updates.push_back(parts);
    }
    void StartTimer(WindowHandle frame, int timer_id, int milliseconds) override {
        FrameOf(frame).timers.emplace_back(timer_id, milliseconds);
    }
    void DestroyFrame(WindowHandle frame) override { FrameOf(frame).destroyed = true; }

    // Each wait plays the next scripted batch of events. A wait with nothing left to play is
    // a test that would hang: it fails, and a close request ends the wait.
    void WaitForEvents() override {
        ++waits;
        if (events.empty()) {
            ADD_FAILURE() << "the toolkit waited for events that will never come";
            frames.back().listener->OnCloseRequest(0);
            return;
        }
        std::function<void()> batch = std::move(events.front());
        events.pop_front();
        batch();
    }

    Frame& FrameOf(WindowHandle frame) {
        for (std::size_t index = 0; index < frames.size(); ++index) {
            if (HandleOf(index) == frame) {
                return frames[index];
            }
        }
        ADD_FAILURE() << "a frame handle that the platform never made";
        static Frame nowhere;
        return nowhere;
    }

    Frame& main_frame() { return frames.at(0); }
    FrameListener& listener() { return *frames.at(0).listener; }
    const std::vector<StatusPartView>& last_status() {
        return main_frame().status_updates.at(main_frame().status_updates.size() - 1);
    }

    bool refuse_frames = false;
    // Events the platform reports while it makes a frame.
    std::function<void(FrameListener&)> while_creating;
    int border = 0;
    int status_bar_height = 20;
    std::deque<std::function<void()>> events;
    std::vector<Frame> frames;
    int waits = 0;

  private:
    WindowHandle HandleOf(std::size_t index) {
        return reinterpret_cast<WindowHandle>(&handles_[index]);
    }

    std::array<char, 8> handles_{};
};

// Every case starts from the toolkit's state at program start, on a recording platform.
class WindowTest : public ::testing::Test {
  protected:
    WindowTest() {
        ResetToolkitState();
        auto platform = std::make_unique<RecordingPlatform>();
        platform_ = platform.get();
        previous_ = InstallPlatform(std::move(platform));
    }
    ~WindowTest() override {
        WindowClose();
        ResetToolkitState();
        InstallPlatform(std::move(previous_));
    }

    RecordingPlatform& platform() { return *platform_; }

  private:
    RecordingPlatform* platform_;
    std::unique_ptr<Platform> previous_;
};

}  // namespace windlass::testing
