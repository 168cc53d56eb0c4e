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
    const double scaled = value * 100.0;
    if (!(std::abs(scaled) < 1e15)) {
        return out + std::snprintf(out, 32, "%.0f", std::round(scaled) / 100.0);
    }
    // Rounded as std::round rounds, without calling it: the part cut off by the conversion to a
    // whole number is exact at these sizes.
    auto whole = static_cast<long long>(scaled);
    const double rest = scaled - static_cast<double>(whole);
    whole += rest >= 0.5 ? 1 : rest <= -0.5 ? -1 : 0;
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

// The text escaped as EscapeXml says, appended to `out`.
void AppendEscaped(std::string& out, std::string_view text) {
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
}

// Attributes are appended to the document where they belong: a map writes hundreds of shapes,
// and putting each attribute together on its own first took most of the time of drawing them.
void AppendAttribute(std::string& out, std::string_view name, std::string_view value) {
    out += ' ';
    out += name;
    out += "=\"";
    AppendEscaped(out, value);
    out += '"';
}

void AppendAttribute(std::string& out, std::string_view name, double value) {
    out += ' ';
    out += name;
    out += "=\"";
    AppendNumber(out, value);
    out += '"';
}

void AppendPaint(std::string& out, const SvgPaint& paint) {
    AppendAttribute(out, "fill", paint.fill);
    AppendAttribute(out, "stroke", paint.stroke);
    if (paint.stroke != "none") {
        AppendAttribute(out, "stroke-width", paint.stroke_width);
    }
    if (!paint.dash.empty()) {
        AppendAttribute(out, "stroke-dasharray", paint.dash);
    }
}

// Ends a shape: with its tooltip as a title of its own, or at once.
void AppendEnd(std::string& out, std::string_view element, std::string_view tooltip) {
    if (tooltip.empty()) {
        out += "/>\n";
        return;
    }
    out += "><title>";
    AppendEscaped(out, tooltip);
    out += "</title></";
    out += element;
    out += ">\n";
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
    AppendEscaped(out, text);
    return out;
}

SvgDocument::SvgDocument(double width, double height, std::string_view title) {
    body_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"";
    AppendAttribute(body_, "width", width);
    AppendAttribute(body_, "height", height);
    body_ += " viewBox=\"0 0 ";
    AppendNumber(body_, width);
    body_ += ' ';
    AppendNumber(body_, height);
    body_ += "\" font-family=\"DejaVu Sans, Liberation Sans, Arial, sans-serif\">\n<title>";
    AppendEscaped(body_, title);
    body_ += "</title>\n";
    Rect(0, 0, width, height, Filled("#ffffff"));
}

void SvgDocument::Rect(double x, double y, double width, double height, const SvgPaint& paint) {
    body_ += "<rect";
    AppendAttribute(body_, "x", x);
    AppendAttribute(body_, "y", y);
    AppendAttribute(body_, "width", width);
    AppendAttribute(body_, "height", height);
    AppendPaint(body_, paint);
    body_ += "/>\n";
}

void SvgDocument::Circle(double cx, double cy, double radius, const SvgPaint& paint,
                         std::string_view tooltip) {
    body_ += "<circle";
    AppendAttribute(body_, "cx", cx);
    AppendAttribute(body_, "cy", cy);
    AppendAttribute(body_, "r", radius);
    AppendPaint(body_, paint);
    AppendEnd(body_, "circle", tooltip);
}

void SvgDocument::Line(double x1, double y1, double x2, double y2, const SvgPaint& paint) {
    body_ += "<line";
    AppendAttribute(body_, "x1", x1);
    AppendAttribute(body_, "y1", y1);
    AppendAttribute(body_, "x2", x2);
    AppendAttribute(body_, "y2", y2);
    AppendPaint(body_, paint);
    body_ += "/>\n";
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
    body_ += '"';
    AppendPaint(body_, paint);
    body_ += " stroke-linejoin=\"round\"";
    AppendEnd(body_, "polyline", tooltip);
}

void SvgDocument::Text(double x, double y, std::string_view text, const SvgTextStyle& style) {
    static constexpr std::string_view kAnchors[] = {"start", "middle", "end"};
    body_ += "<text";
    AppendAttribute(body_, "x", x);
    AppendAttribute(body_, "y", y);
    AppendAttribute(body_, "font-size", style.size);
    AppendAttribute(body_, "fill", style.fill);
    if (style.anchor != TextAnchor::kStart) {
        AppendAttribute(body_, "text-anchor", kAnchors[static_cast<int>(style.anchor)]);
    }
    if (style.weight == TextWeight::kBold) {
        AppendAttribute(body_, "font-weight", "bold");
    }
    if (style.rotate != 0.0) {
        AppendAttribute(body_, "transform",
                        "rotate(" + Number(style.rotate) + " " + Number(x) + " " + Number(y) + ")");
    }
    body_ += '>';
    AppendEscaped(body_, text);
    body_ += "</text>\n";
}

std::string SvgDocument::Finish() const {
    return body_ + "</svg>\n";
}

}  // namespace heatwise::cli
