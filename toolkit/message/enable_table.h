// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <array>

namespace windlass {

// Message types run from 1 to kMessageTypes.
inline constexpr int kMessageTypes = 15;

// Which message types reach the program. A type that is off is dropped where it arises.
class MessageEnableTable {
  public:
    // At program start the mouse release and move, field, tab, frame-click and viewer
    // messages are off: a program asks for them when it wants them.
    MessageEnableTable();

    // The state a closed main window leaves: everything on except mouse release and move,
    // field, tab and frame click. The viewer message comes back on.
    void ResetAfterWindowClose();

    // Types outside 1 to kMessageTypes are ignored; a state of 0 switches the type off.
    void Set(int type, int state);

    // False for types outside 1 to kMessageTypes.
    bool IsEnabled(int type) const;

  private:
    std::array<bool, kMessageTypes + 1> enabled_{};
};

}  // namespace windlass
