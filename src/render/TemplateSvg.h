#pragma once
#include "TemplateStyle.h"

#include <QSizeF>
#include <map>
#include <string>
#include <vector>

// The template written straight out as SVG: a path for each pen and a text
// element for each label, numbers as plain integers of device units. A
// general SVG painter spends most of its time formatting every point; a
// template of the largest layout has millions of them.
class TemplateSvgWriter : public TemplateSink {
  public:
    void Line(const TemplatePen& pen, const PixelPoint* points, int count, bool closed) override;
    void Text(const TemplateText& text) override;

    // Writes the sheet, sized in millimetres, its drawing in device units
    // of unitsPerMm; false when the file could not be written.
    bool Write(const std::string& fileName, const QSizeF& sheetMm, float unitsPerMm,
               const QString& title) const;

  private:
    std::map<TemplatePen, std::string> Paths;
    std::vector<TemplateText> Texts;
};
