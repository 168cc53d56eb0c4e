// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <string>
#include <vector>

#include "platform/posix_os_services.h"

namespace windlass::qt {

// The operating-system services of POSIX, but for starting programs, which goes through Qt so
// that a started program is detached the way Qt detaches it.
class QtOsServices : public PosixOsServices {
  public:
    bool StartProgram(const std::string& program,
                      const std::vector<std::string>& arguments) override;
};

}  // namespace windlass::qt
