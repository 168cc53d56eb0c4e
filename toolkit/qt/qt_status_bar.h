// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <QWidget>

#include <optional>
#include <vector>

#include "platform/window_types.h"

class QSizeGrip;

namespace windlass::qt {

// The toolkit's multi-part status bar. Each part ends at a fixed pixel position (or at the
// right end of the bar), has its own border, and shows its text left-aligned, centred and
// right-aligned as the three pieces say. Qt's own status bar lays its widgets out by their
// size hints and cannot keep parts at given edges, hence this widget.
class StatusBar : public QWidget {
  public:
    enum class Grip { None, SizeGrip };

    StatusBar(Grip grip, QWidget* parent);

    void SetParts(std::vector<StatusPartView> parts);

    // While a menu is open the bar may show a single text across it in place of its parts;
    // the parts come back unchanged when the menu closes.
    void ShowSimpleText(const QString& text);
    void EndSimpleText();
    bool showing_simple_text() const { return simple_text_.has_value(); }
    QString simple_text() const { return simple_text_.value_or(QString()); }
    const std::vector<StatusPartView>& parts() const { return parts_; }

    // The part rectangles as drawn, for tests and for the size grip's place.
    std::vector<QRect> PartRectangles() const;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    std::vector<StatusPartView> parts_;
    std::optional<QString> simple_text_;
    QSizeGrip* grip_ = nullptr;
};

}  // namespace windlass::qt
