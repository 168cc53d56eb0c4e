// The Qt platform for tests that run real widgets: the same in every way but its bell, which
// only counts, so that a refusal can be checked and the test machine stays quiet, and its
// message boxes, which a test may answer itself.
#pragma once

#include <functional>

#include "qt/qt_platform.h"

namespace windlass::testing {

class CountingQtWindowing : public qt::QtWindowing {
  public:
    void Beep() override { ++beeps; }
    BoxAnswer ShowMessageBox(const MessageBoxRequest& request) override {
        if (answer_box) {
            return answer_box(request);
        }
        return qt::QtWindowing::ShowMessageBox(request);
    }

    int beeps = 0;
    // When set, answers every message box in place of the user.
    std::function<BoxAnswer(const MessageBoxRequest&)> answer_box;
};

class CountingQtPlatform : public qt::QtPlatform {
  public:
    WindowingSystem& Windowing() override { return windowing_; }

  protected:
    CountingQtWindowing windowing_;

  public:
    int& beeps = windowing_.beeps;
};

}  // namespace windlass::testing
