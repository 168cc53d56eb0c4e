// The Qt platform for tests that run real widgets: the same in every way but its bell, which
// only counts, so that a refusal can be checked and the test machine stays quiet.
#pragma once

#include "platform/qt/qt_platform.h"

namespace windlass::testing {

class CountingQtPlatform : public qt::QtPlatform {
  public:
    void Beep() override { ++beeps; }
    int beeps = 0;
};

}  // namespace windlass::testing
