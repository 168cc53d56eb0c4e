#include "svg_document.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace heatwise::cli {

namespace {

// Coordinates to a hundredth of a unit, halves away from zero, without trailing zeros. The
// digits are worked out from the whole number of hundredths: a map writes thousands of them,
// and formatting each as a floating-point number took most of the time of drawing it. The
// number is written at `out`, which has room for 32 characters, and the end is returned.
char* WriteNumber(char* out, double value) {
    const double hundredths = std::round(value * 100.0);
    if (!(std::abs(hundredths) < 1e15)) {
        return out + std::snprintf(out, 32, "%.0f", hundredths / 100.0);
    }
    const auto whole = static_cast<long long>(hundredths);
    if (whole < 0) {
        *out++ = '-';
    }
    const unsigned long long magnitude =
        static_cast<unsigned long long>(whole < 0 ? -whole : whole);
    out = std::to_chars(out, out + 24, magnitude / 100).ptr;
    const auto fraction = static_cast<int>(magnitude % 100);
    if (fraction != 0) {
        *out++ = '.';
        *out++ = static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) {
            *out++ = static_cast<char>('0' + fraction % 10);
        }
    }
    return out;
}

void AppendNumber(std::string& text, double value) {
    char digits[32];
    text.append(digits, WriteNumber(digits, value));
}

std::string Number(double value) {
    std::string text;
    AppendNumber(text, value);
    return text;
}

std::string Attribute(std::string_view name, std::string_view value) {
    return " " + std::string(name) + "=\"" + EscapeXml(value) + "\"";
}

std::string Attribute(std::string_view name, double value) {
    return " " + std::string(name) + "=\"" + Number(value) + "\"";
}

std::string PaintAttributes(const SvgPaint& paint) {
    std::string text = Attribute("fill", paint.fill) + Attribute("stroke", paint.stroke);
    if (paint.stroke != "none") {
        text += Attribute("stroke-width", paint.stroke_width);
    }
    if (!paint.dash.empty()) {
        text += Attribute("stroke-dasharray", paint.dash);
    }
    return text;
}

}  // namespace

SvgPaint Filled(std::string colour) {
    SvgPaint paint;
    paint.fill = std::move(colour);
    return paint;
}

SvgPaint Stroked(std::string colour, double width, std::string dash) {
    SvgPaint paint;
    paint.stroke = std::move(colour);
    paint.stroke_width = width;
    paint.dash = std::move(dash);
    return paint;
}

std::string EscapeXml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n') {
                    out += c;
                }
        }
    }
    return out;
}

SvgDocument::SvgDocument(double width, double height, std::string_view title) {
    body_ =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"" +
        Attribute("width", width) + Attribute("height", height) + " viewBox=\"0 0 " +
        Number(width) + " " + Number(height) +
        "\" font-family=\"DejaVu Sans, Liberation Sans, Arial, sans-serif\">\n<title>" +
        EscapeXml(title) + "</title>\n";
    Rect(0, 0, width, height, Filled("#ffffff"));
}

void SvgDocument::Rect(double x, double y, double width, double height, const SvgPaint& paint) {
    body_ += "<rect" + Attribute("x", x) + Attribute("y", y) + Attribute("width", width) +
             Attribute("height", height) + PaintAttributes(paint) + "/>\n";
}

void SvgDocument::Circle(double cx, double cy, double radius, const SvgPaint& paint,
                         std::string_view tooltip) {
    body_ += "<circle" + Attribute("cx", cx) + Attribute("cy", cy) + Attribute("r", radius) +
             PaintAttributes(paint);
    body_ += tooltip.empty() ? "/>\n" : "><title>" + EscapeXml(tooltip) + "</title></circle>\n";
}

void SvgDocument::Line(double x1, double y1, double x2, double y2, const SvgPaint& paint) {
    body_ += "<line" + Attribute("x1", x1) + Attribute("y1", y1) + Attribute("x2", x2) +
             Attribute("y2", y2) + PaintAttributes(paint) + "/>\n";
}

void SvgDocument::Polyline(const std::vector<std::pair<double, double>>& points,
                           const SvgPaint& paint, std::string_view tooltip) {
    // Numbers need no escaping, so the points are written straight into the document.
    body_ += "<polyline points=\"";
    // Each point is put together in a buffer of its own and appended once: an outline of the
    // map has thousands.
    for (std::size_t i = 0; i < points.size(); ++i) {
        char point[72];
        char* end = point;
        if (i > 0) {
            *end++ = ' ';
        }
        end = WriteNumber(end, points[i].first);
        *end++ = ',';
        end = WriteNumber(end, points[i].second);
        body_.append(point, end);
    }
    body_ += "\"" + PaintAttributes(paint) + " stroke-linejoin=\"round\"";
    body_ += tooltip.empty() ? "/>\n" : "><title>" + EscapeXml(tooltip) + "</title></polyline>\n";
}

void SvgDocument::Text(double x, double y, std::string_view text, const SvgTextStyle& style) {
    static constexpr std::string_view kAnchors[] = {"start", "middle", "end"};
    body_ += "<text" + Attribute("x", x) + Attribute("y", y) + Attribute("font-size", style.size) +
             Attribute("fill", style.fill);
    if (style.anchor != TextAnchor::kStart) {
        body_ += Attribute("text-anchor", kAnchors[static_cast<int>(style.anchor)]);
    }
    if (style.weight == TextWeight::kBold) {
        body_ += Attribute("font-weight", "bold");
    }
    if (style.rotate != 0.0) {
        body_ += Attribute("transform", "rotate(" + Number(style.rotate) + " " + Number(x) + " " +
                                            Number(y) + ")");
    }
    body_ += ">" + EscapeXml(text) + "</text>\n";
}

std::string SvgDocument::Finish() const {
    return body_ + "</svg>\n";
}

}  // namespace heatwise::cli
