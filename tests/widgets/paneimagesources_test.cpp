// The PNG files in the source tree are what their drawing program makes, so
// a change to one without the other shows here.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

TEST(PaneImageSources, TheDrawingProgramRedrawsTheStoredImages)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess draw;
    draw.start(QStringLiteral(KAVO_DRAW_IMAGES), { out.path() });
    ASSERT_TRUE(draw.waitForFinished(60000));
    ASSERT_EQ(draw.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(draw.exitCode(), 0) << draw.readAllStandardError().toStdString();

    const QDir stored(QStringLiteral(KAVO_IMAGES_SOURCE_DIR));
    const QStringList files = stored.entryList({ QStringLiteral("*.png") }, QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), 20);
    EXPECT_EQ(QDir(out.path()).entryList({ QStringLiteral("*.png") }, QDir::Files, QDir::Name), files);
    for (const QString &file : files) {
        const QImage a = QImage(stored.filePath(file)).convertToFormat(QImage::Format_ARGB32);
        const QImage b = QImage(QDir(out.path()).filePath(file)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(a.size(), b.size()) << file.toStdString();
        // Antialiasing may differ by a step between processors' raster paths.
        int worst = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                worst = std::max({ worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                    std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q)) });
            }
        }
        EXPECT_LE(worst, 3) << file.toStdString();
    }
}
