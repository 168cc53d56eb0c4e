// A small SVG document built as text: rectangles, circles, lines and texts in the picture's own
// units (one unit a pixel at 100 %), every text and attribute value escaped.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace heatwise::cli {

// How a shape is filled and outlined; "none" leaves it out.
struct SvgPaint {
    std::string fill = "none";
    std::string stroke = "none";
    double stroke_width = 1.0;
    std::string dash;  // such as "6 4"; empty for a solid line
};

// A shape filled with one colour, or drawn as a line of one colour.
SvgPaint Filled(std::string colour);
SvgPaint Stroked(std::string colour, double width = 1.0, std::string dash = {});

enum class TextAnchor { kStart, kMiddle, kEnd };
enum class TextWeight { kNormal, kBold };

// A text's look, written as SvgTextStyle(12).Anchored(TextAnchor::kEnd).Coloured("#555555").
struct SvgTextStyle {
    double size = 13.0;
    TextAnchor anchor = TextAnchor::kStart;
    TextWeight weight = TextWeight::kNormal;
    std::string fill = "#222222";
    double rotate = 0.0;  // degrees, about the text's anchor point

    explicit SvgTextStyle(double text_size = 13.0) : size(text_size) {}
    SvgTextStyle Anchored(TextAnchor to) const {
        SvgTextStyle style = *this;
        style.anchor = to;
        return style;
    }
    SvgTextStyle Bold() const {
        SvgTextStyle style = *this;
        style.weight = TextWeight::kBold;
        return style;
    }
    SvgTextStyle Coloured(std::string colour) const {
        SvgTextStyle style = *this;
        style.fill = std::move(colour);
        return style;
    }
    SvgTextStyle Rotated(double degrees) const {
        SvgTextStyle style = *this;
        style.rotate = degrees;
        return style;
    }
};

class SvgDocument {
  public:
    // A picture `width` by `height` on a white background, with a title that viewers show as
    // the picture's name.
    SvgDocument(double width, double height, std::string_view title);

    void Rect(double x, double y, double width, double height, const SvgPaint& paint);
    void Circle(double cx, double cy, double radius, const SvgPaint& paint,
                std::string_view tooltip = {});
    void Line(double x1, double y1, double x2, double y2, const SvgPaint& paint);
    void Polyline(const std::vector<std::pair<double, double>>& points, const SvgPaint& paint,
                  std::string_view tooltip = {});
    void Text(double x, double y, std::string_view text,
              const SvgTextStyle& style = SvgTextStyle());

    // The whole document, closed.
    std::string Finish() const;

  private:
    std::string body_;
};

// The text with &, <, >, " and ' written as XML entities, and control characters other than
// tab and line end, which XML does not allow, left out.
std::string EscapeXml(std::string_view text);

}  // namespace heatwise::cli
