// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// The controls of a dialog template as Qt widgets, each drawn and acting as the control of
// the same class and style did on the system the templates were first written for. Labels are
// here; buttons, combo and list boxes and edit fields have headers of their own, the common
// controls (trackbars, progress bars, tab controls and the like) are in qt_common_controls.h,
// and the toolkit's numeric edit fields are in qt_numeric_edit.h.

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <cstdint>

#include "platform/dialog_types.h"
#include "qt/qt_buttons.h"
#include "qt/qt_edit_fields.h"
#include "qt/qt_list_boxes.h"
#include "resources/resource_types.h"

namespace windlass::qt {

// Makes the widget of a template control as the toolkit's plan names its kind, a child of the
// dialog, with the template's text and the look its style asks for. Placement, enabling and
// visibility are the dialog's business.
QWidget* MakeControl(const DialogControl& control, ControlKind kind, QWidget* dialog);

// A label, a filled rectangle or a frame. The text is drawn as the style places it: left,
// centred or right, wrapped at word ends unless the style says otherwise, with "&" marking the
// mnemonic letter unless the style turns prefixes off; a disabled label is greyed. A label of one
// line fits its text to its width (qt_text_fit.h). A label of the icon or bitmap kind shows its
// picture instead: at its top left corner, or centred with the centre-image style.
class StaticText : public QWidget {
  public:
    StaticText(const QString& text, std::uint32_t style, QWidget* parent);

    QString text() const { return text_; }
    void setText(const QString& text);
    void SetImage(const QPixmap& image);
    bool HasImage() const { return !image_.isNull(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    int TextFlags() const;
    void FitText();

    QString text_;
    std::uint32_t style_;
    QPixmap image_;
};

}  // namespace windlass::qt
