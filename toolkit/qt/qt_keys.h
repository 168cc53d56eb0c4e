// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <QKeySequence>

#include <optional>

#include "platform/window_types.h"

class QKeyEvent;

namespace windlass::qt {

// A key press as the toolkit describes it: the virtual-key code of the key, the character it
// produced, and Shift and Ctrl. Nothing for a key pressed with Alt (and without Ctrl), which
// belongs to the menu bar's mnemonics.
std::optional<KeyPress> KeyPressFromQt(const QKeyEvent& event);

// The toolkit's name for a mouse button.
MouseButton ButtonOf(Qt::MouseButton button);

// The key sequence of an accelerator; an empty sequence for a key Qt has no name for.
QKeySequence KeySequenceOf(const AcceleratorKey& accelerator);

}  // namespace windlass::qt
