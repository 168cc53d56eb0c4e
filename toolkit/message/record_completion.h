// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include "message/raised_message.h"
#include "window/window_table.h"

namespace windlass {

// Completes a message record as WMessage hands it over, given the client size of the
// message's window:
// - key, mouse and viewer messages get their position in graphics coordinates, and key and
//   mouse messages of a window (not of a dialog field) their position in window units;
// - a repaint gets its corner and size in graphics coordinates, its corner in window units and
//   as its size the distance in window units from that corner to its bottom-right pixel.
// Without graphics of their own, graphics coordinates are window units measured upward from
// the bottom of the client area.
void CompleteRecord(RaisedMessage& message, ClientSize client);

}  // namespace windlass
