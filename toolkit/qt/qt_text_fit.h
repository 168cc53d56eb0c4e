// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// Texts that fit their controls. A template gives every label and button a rectangle in dialog
// units, measured by its author against the face the template names. The stand-in face here is
// a little wider than that face for some texts, and Qt's styles give a radio button or a check
// box a larger indicator, set further from its text, than the dialogs the templates were written
// for. So the buttons of a dialog get an indicator that follows the dialog's font, and a text
// still wider than its room is drawn in a narrower cut of the same face rather than clipped.

#include <QFont>
#include <QString>

class QStyle;
class QWidget;

namespace windlass::qt {

// The style of a dialog's radio buttons and check boxes: the application's style with the
// indicator as tall as a line of the button's font and a gap of a third of that to the text.
// One style for all buttons, owned by the application object.
QStyle* ButtonStyle();

// The narrowest cut, in percent of the face's normal width, that a text is condensed to. A text
// that needs more than that is clipped at its rectangle as it always was.
inline constexpr int kNarrowestStretch = 80;

// The font a control draws with when its text needs no condensing: its own, at the width of its
// dialog's font.
QFont UncondensedFont(const QWidget& control);

// Condenses the font of `control` just enough for `text`, as drawn on one line with "&" marking
// a mnemonic, to fit in `room` pixels; a text that fits in the font the control inherits from
// its dialog gets that font back. Only the font's width changes: face, size and weight stay the
// dialog's, and follow it when it changes.
void FitTextToRoom(QWidget& control, const QString& text, int room);

}  // namespace windlass::qt
