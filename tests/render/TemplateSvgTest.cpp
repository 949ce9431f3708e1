#include "render/TemplateSvg.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct Written {
    QStringList Texts;
    QStringList Paths;
    QString Error;
};

Written Read(const QString& fileName) {
    QFile file(fileName);
    Written written;
    if (!file.open(QIODevice::ReadOnly)) {
        written.Error = "unreadable";
        return written;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("text"))
            written.Texts << xml.readElementText();
        else if (xml.name() == QLatin1String("path"))
            written.Paths << xml.attributes().value("d").toString();
    }
    if (xml.hasError())
        written.Error = xml.errorString();
    return written;
}

TEST(TemplateSvgTest, WritesWellFormedXmlWhateverTheDrawingSays) {
    QTemporaryDir folder;
    TemplateSvgWriter writer;
    const PixelPoint line[] = {{10, 20}, {15, 20}, {15, 12}};
    writer.Line({0xFF0000, 0.5f}, line, 3, false);
    writer.Line({0xFF0000, 0.5f}, line, 3, true);
    writer.Text({QPointF(5, 5), 30.0, QPointF(-2, 3), 40, QStringLiteral("a<b & \"c\"\x01>")});
    const QString file = folder.filePath("t.svg");
    ASSERT_TRUE(writer.Write(file.toStdString(), QSizeF(20, 10), 10.0f, "R&D <1>"));
    const Written written = Read(file);
    EXPECT_EQ(written.Error, QString());
    EXPECT_EQ(written.Texts, QStringList({"a<b & \"c\">"}));
    // Both lines of the one pen in one path, in relative steps.
    EXPECT_EQ(written.Paths, QStringList({"M10 20l 5 0 0 -8M10 20l 5 0 0 -8z"}));
}

TEST(TemplateSvgTest, ReportsAFileItCannotWrite) {
    QTemporaryDir folder;
    TemplateSvgWriter writer;
    EXPECT_FALSE(
        writer.Write(folder.filePath("none/t.svg").toStdString(), QSizeF(20, 10), 10.0f, "t"));
    // A full disc fails the write, not only the opening.
    if (QFile::exists("/dev/full")) {
        const PixelPoint line[] = {{0, 0}, {1, 1}};
        writer.Line({0, 0.3f}, line, 2, false);
        EXPECT_FALSE(writer.Write("/dev/full", QSizeF(20, 10), 10.0f, "t"));
    }
}

} // namespace
