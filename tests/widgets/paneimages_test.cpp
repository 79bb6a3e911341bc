#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QResource>

#include <gtest/gtest.h>

namespace {

struct Expected
{
    const char *path;
    int width;
    int height;
};

const Expected images[] = {
    { ":/ControlBar/KavoToGo/Normal", 72, 72 },
    { ":/ControlBar/KavoToGo/Hover", 72, 72 },
    { ":/ControlBar/KavoToGo/Pressed", 72, 72 },
    { ":/ControlBar/Streaming/Normal", 72, 72 },
    { ":/ControlBar/Streaming/Hover", 72, 72 },
    { ":/ControlBar/Streaming/Pressed", 72, 72 },
    { ":/DevicePane/KMS/StreamTo", 98, 119 },
    { ":/DevicePane/KMS/Settings", 112, 112 },
    { ":/DevicePane/Icon/DVD", 180, 33 },
    { ":/DevicePane/Icon/BluRay", 180, 30 },
    { ":/DevicePane/Icon/TV", 102, 70 },
    { ":/DevicePane/Icon/Console", 105, 65 },
    { ":/DevicePane/Icon/Cranks", 46, 36 },
    { ":/DevicePane/DeviceButton/Normal", 115, 69 },
    { ":/DevicePane/DeviceButton/Hover", 115, 69 },
    { ":/DevicePane/DeviceButton/Disabled", 115, 69 },
    { ":/DevicePane/AddButton/Normal", 19, 25 },
    { ":/DevicePane/AddButton/Pressed", 19, 25 },
    { ":/DevicePane/AddDevice/Normal", 28, 21 },
    { ":/DevicePane/AddDevice/Hover", 28, 21 },
};

} // namespace

TEST(PaneImages, EveryPathIsAPngOfItsSize)
{
    for (const Expected &e : images) {
        const QString path = QString::fromLatin1(e.path);
        QImageReader reader(path);
        EXPECT_EQ(reader.format(), QByteArray("png")) << e.path;
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << e.path;
        EXPECT_EQ(image.size(), QSize(e.width, e.height)) << e.path;
        EXPECT_TRUE(image.hasAlphaChannel()) << e.path;
    }
}

TEST(PaneImages, OnlyTheMediaServerImagesAreStoredCompressed)
{
    for (const Expected &e : images) {
        const QResource resource(QString::fromLatin1(e.path));
        ASSERT_TRUE(resource.isValid()) << e.path;
        const bool kms = QByteArray(e.path).startsWith(":/DevicePane/KMS/");
        EXPECT_EQ(resource.compressionAlgorithm() != QResource::NoCompression, kms) << e.path;
    }
}

TEST(PaneImages, NoImageIsBlank)
{
    for (const Expected &e : images) {
        const QImage image = QImage(QString::fromLatin1(e.path)).convertToFormat(QImage::Format_ARGB32);
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                opaque += qAlpha(image.pixel(x, y)) > 40 ? 1 : 0;
        EXPECT_GT(opaque, image.width() * image.height() / 50) << e.path;
    }
}

TEST(PaneImages, TheMenuImagesBelongToTheHost)
{
    EXPECT_FALSE(QFile::exists(QStringLiteral(":/Menu/Check")));
    EXPECT_FALSE(QFile::exists(QStringLiteral(":/Menu/Arrow/Right")));
}
