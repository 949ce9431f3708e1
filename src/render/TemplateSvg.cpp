#include "TemplateSvg.h"

#include <charconv>
#include <cstdio>
#include <memory>

namespace {

void Append(std::string& out, long long value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

// One decimal is a hundredth of a millimetre in the file's units.
void Append(std::string& out, double value) {
    char digits[32];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 1).ptr;
    out.append(digits, end);
}

void AppendColour(std::string& out, Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(colour & 0xFFFFFF));
    out += text;
}

// Text as XML character data: markup characters escaped, and the control
// characters XML cannot hold left out.
void AppendEscaped(std::string& out, const QString& text) {
    for (const char c : text.toStdString()) {
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
        default:
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
                out += c;
        }
    }
}

// The element of one pen's path, around its data.
std::string PathHead(const TemplatePen& pen, float unitsPerMm) {
    std::string head = "<path stroke=\"";
    AppendColour(head, pen.Colour);
    head += "\" stroke-width=\"";
    Append(head, static_cast<double>(pen.Mm * unitsPerMm));
    head += "\" d=\"";
    return head;
}
constexpr const char* PATH_TAIL = "\"/>\n";

} // namespace

void TemplateSvgWriter::Line(const TemplatePen& pen, const PixelPoint* points, int count,
                             bool closed) {
    std::string& d = Paths[pen];
    d += 'M';
    Append(d, static_cast<long long>(points[0].X));
    d += ' ';
    Append(d, static_cast<long long>(points[0].Y));
    d += 'l';
    // Relative steps: short numbers for the many short segments of a curve.
    for (int i = 1; i < count; ++i) {
        d += ' ';
        Append(d, static_cast<long long>(points[i].X) - points[i - 1].X);
        d += ' ';
        Append(d, static_cast<long long>(points[i].Y) - points[i - 1].Y);
    }
    if (closed)
        d += 'z';
}

void TemplateSvgWriter::Text(const TemplateText& text) {
    Texts.push_back(text);
}

bool TemplateSvgWriter::Write(const std::string& fileName, const QSizeF& sheetMm, float unitsPerMm,
                              const QString& title) const {
    std::string head =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n<svg width=\"";
    std::string width, height;
    Append(width, sheetMm.width());
    Append(height, sheetMm.height());
    head +=
        width + "mm\" height=\"" + height + "mm\"\n viewBox=\"0 0 " + width + " " + height +
        "\" xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\">\n<title>";
    AppendEscaped(head, title);
    head += "</title>\n<g transform=\"scale(";
    Append(head, 1.0 / unitsPerMm);
    head += ")\" fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
    std::string tail = "<g fill=\"#000000\" stroke=\"none\" font-family=\"Arial\">\n";
    for (const TemplateText& text : Texts) {
        tail += "<text transform=\"translate(";
        Append(tail, text.At.x());
        tail += ' ';
        Append(tail, text.At.y());
        tail += ") rotate(";
        Append(tail, text.Degrees);
        tail += ")\" x=\"";
        Append(tail, text.Baseline.x());
        tail += "\" y=\"";
        Append(tail, text.Baseline.y());
        tail += "\" font-size=\"";
        Append(tail, static_cast<long long>(text.PixelSize));
        tail += "\">";
        AppendEscaped(tail, text.Text);
        tail += "</text>\n";
    }
    tail += "</g>\n</g>\n</svg>\n";
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(fileName.c_str(), "wb"), std::fclose);
    if (!file)
        return false;
    bool ok = true;
    const auto put = [&](const std::string& text) {
        ok = ok && std::fwrite(text.data(), 1, text.size(), file.get()) == text.size();
    };
    put(head);
    for (const auto& [pen, d] : Paths) {
        put(PathHead(pen, unitsPerMm));
        put(d);
        put(PATH_TAIL);
    }
    put(tail);
    return std::fclose(file.release()) == 0 && ok;
}
