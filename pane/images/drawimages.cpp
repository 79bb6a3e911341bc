// Draws the pane's twenty images into a folder:
//   kavo-draw-images <folder>
// The PNG files beside this source are its output; redraw them with the
// build target `pane-images` after changing a drawing here. Everything is
// vector work on a transparent canvas, so the pictures need no fonts and come
// out the same on every machine.
#include <QColor>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace {

// The pane's palette: silver devices on a near-black panel, one blue accent.
const QColor Accent(0x35, 0xB1, 0xEA);
const QColor AccentBright(0x08, 0xC3, 0xF4);
const QColor AccentDeep(0x1C, 0x89, 0xBC);
const QColor Glyph(0xBD, 0xBD, 0xBD);
const QColor Label(0xA2, 0xA2, 0xA2);

QLinearGradient silver(qreal top, qreal bottom)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.0, QColor(0xF6, 0xF6, 0xF6));
    g.setColorAt(0.45, QColor(0xD2, 0xD2, 0xD2));
    g.setColorAt(1.0, QColor(0x8A, 0x8A, 0x8A));
    return g;
}

QLinearGradient graphite(qreal top, qreal bottom)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.0, QColor(0x74, 0x74, 0x74));
    g.setColorAt(0.12, QColor(0x4A, 0x4A, 0x4A));
    g.setColorAt(1.0, QColor(0x22, 0x22, 0x22));
    return g;
}

QPainterPath roundRect(const QRectF &r, qreal radius)
{
    QPainterPath p;
    p.addRoundedRect(r, radius, radius);
    return p;
}

QPainterPath gear(QPointF centre, qreal outer, qreal inner, int teeth, qreal hole)
{
    QPainterPath p;
    const qreal step = 2 * M_PI / teeth;
    for (int i = 0; i < teeth; ++i) {
        const qreal a = i * step;
        // Each tooth: a flank up, a flat top, a flank down, a flat root.
        const qreal pts[4][2] = { { a - step * 0.30, inner }, { a - step * 0.17, outer },
            { a + step * 0.17, outer }, { a + step * 0.30, inner } };
        for (int k = 0; k < 4; ++k) {
            const QPointF pt(
                centre.x() + pts[k][1] * qCos(pts[k][0]), centre.y() + pts[k][1] * qSin(pts[k][0]));
            if (i == 0 && k == 0)
                p.moveTo(pt);
            else
                p.lineTo(pt);
        }
    }
    p.closeSubpath();
    QPainterPath h;
    h.addEllipse(centre, hole, hole);
    return p.subtracted(h);
}

// A soft blue glow along a path: a few widening strokes of falling strength.
void glow(QPainter &p, const QPainterPath &path, const QColor &colour, qreal width)
{
    for (int i = 4; i >= 1; --i) {
        QColor c = colour;
        c.setAlpha(22 * (5 - i));
        p.strokePath(path, QPen(c, width + i * 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
}

struct Canvas
{
    QImage image;
    QPainter painter;
    Canvas(int w, int h)
        : image(w, h, QImage::Format_ARGB32_Premultiplied)
    {
        image.fill(Qt::transparent);
        painter.begin(&image);
        painter.setRenderHint(QPainter::Antialiasing);
    }
};

using Drawing = std::function<void(QPainter &)>;

bool save(const QString &folder, const QString &file, int w, int h, const Drawing &draw)
{
    Canvas c(w, h);
    draw(c.painter);
    c.painter.end();
    const QString path = QDir(folder).filePath(file);
    if (!c.image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// ---- device icons -------------------------------------------------------

void drawDvd(QPainter &p)
{
    // A slim silver player seen from the front: tray slot, display, power.
    const QRectF body(1.5, 3.5, 177, 25);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    p.setBrush(silver(body.top(), body.bottom()));
    p.drawPath(roundRect(body, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6A, 0x6A, 0x6A));
    p.drawRoundedRect(QRectF(14, 28.5, 16, 3.5), 1.5, 1.5);
    p.drawRoundedRect(QRectF(150, 28.5, 16, 3.5), 1.5, 1.5);
    // Lower panel edge.
    p.setPen(QPen(QColor(0x7C, 0x7C, 0x7C), 1));
    p.drawLine(QPointF(4, 22.5), QPointF(176, 22.5));
    // Tray.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2A, 0x2A, 0x2A));
    p.drawRoundedRect(QRectF(16, 9.5, 84, 5), 2, 2);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawRect(QRectF(17, 14.5, 82, 1));
    // Display with a blue read-out.
    p.setBrush(QColor(0x16, 0x16, 0x16));
    p.drawRoundedRect(QRectF(110, 7.5, 40, 12), 2.5, 2.5);
    p.setBrush(Accent);
    for (int i = 0; i < 4; ++i)
        p.drawRoundedRect(QRectF(115 + i * 8, 11.5, 5, 4), 1, 1);
    // Power button with a blue ring.
    p.setPen(QPen(Accent, 1.4));
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawEllipse(QPointF(164, 13.5), 4.2, 4.2);
    // Two small keys under the tray.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5C, 0x5C, 0x5C));
    p.drawRoundedRect(QRectF(16, 24.5, 9, 2.5), 1.2, 1.2);
    p.drawRoundedRect(QRectF(28, 24.5, 9, 2.5), 1.2, 1.2);
}

void drawBluRay(QPainter &p)
{
    // A graphite player with a silver rim and a blue light strip.
    const QRectF body(1.5, 2.5, 177, 23);
    p.setPen(QPen(QColor(0xB4, 0xB4, 0xB4), 1));
    p.setBrush(graphite(body.top(), body.bottom()));
    p.drawPath(roundRect(body, 3.5));
    p.setPen(QPen(QColor(255, 255, 255, 170), 1));
    p.drawLine(QPointF(5, 3.5), QPointF(175, 3.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x55, 0x55, 0x55));
    p.drawRoundedRect(QRectF(14, 25.5, 16, 3.5), 1.5, 1.5);
    p.drawRoundedRect(QRectF(150, 25.5, 16, 3.5), 1.5, 1.5);
    // Disc slot.
    p.setBrush(QColor(0x0C, 0x0C, 0x0C));
    p.drawRoundedRect(QRectF(14, 8.5, 92, 3.5), 1.5, 1.5);
    // Light strip along the front.
    QPainterPath strip;
    strip.moveTo(16, 19.5);
    strip.lineTo(164, 19.5);
    glow(p, strip, Accent, 1.2);
    p.setPen(QPen(AccentBright, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(strip);
    // Eject and play marks.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC8, 0xC8, 0xC8));
    QPolygonF eject;
    eject << QPointF(152, 12) << QPointF(157, 7.5) << QPointF(162, 12);
    p.drawPolygon(eject);
    p.drawRect(QRectF(152, 13, 10, 1.3));
    QPolygonF play;
    play << QPointF(134, 7.5) << QPointF(140, 10.5) << QPointF(134, 13.5);
    p.drawPolygon(play);
}

void drawTv(QPainter &p)
{
    // A flat panel on a low stand.
    p.setPen(Qt::NoPen);
    p.setBrush(silver(56, 69));
    QPolygonF base;
    base << QPointF(30, 68.5) << QPointF(72, 68.5) << QPointF(66, 63) << QPointF(36, 63);
    p.drawPolygon(base);
    p.drawRect(QRectF(46, 56, 10, 8));
    const QRectF bezel(1.5, 1.5, 99, 56);
    QLinearGradient rim(0, bezel.top(), 0, bezel.bottom());
    rim.setColorAt(0, QColor(0xF2, 0xF2, 0xF2));
    rim.setColorAt(1, QColor(0x86, 0x86, 0x86));
    p.setBrush(QColor(0x1A, 0x1A, 0x1A));
    p.setPen(QPen(QBrush(rim), 2.2));
    p.drawPath(roundRect(bezel, 4));
    const QRectF screen(6, 6, 90, 46);
    QLinearGradient glass(screen.topLeft(), screen.bottomRight());
    glass.setColorAt(0, QColor(0x2B, 0x6A, 0x8E));
    glass.setColorAt(0.55, QColor(0x12, 0x32, 0x46));
    glass.setColorAt(1, QColor(0x08, 0x14, 0x1C));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawRect(screen);
    // Reflection across the upper left of the glass.
    QPainterPath shine;
    shine.moveTo(screen.topLeft());
    shine.lineTo(screen.left() + 58, screen.top());
    shine.lineTo(screen.left() + 22, screen.bottom());
    shine.lineTo(screen.left(), screen.bottom());
    shine.closeSubpath();
    p.setBrush(QColor(255, 255, 255, 34));
    p.drawPath(shine);
    p.setBrush(Accent);
    p.drawEllipse(QPointF(51, 54.5), 1.3, 1.3);
}

void drawConsole(QPainter &p)
{
    // A game pad: the shape everyone reads as "console".
    QPainterPath body = roundRect(QRectF(11, 6, 83, 34), 16);
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath grip;
        grip.addEllipse(QPointF(0, 0), 12, 19);
        QTransform t;
        t.translate(52.5 + side * 32, 40);
        t.rotate(side * -24);
        body = body.united(t.map(grip));
    }
    body = body.simplified();
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.setBrush(silver(5, 60));
    p.drawPath(body);
    // Direction pad.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3A, 0x3A, 0x3A));
    p.drawRoundedRect(QRectF(19.5, 19, 17, 5.5), 1.5, 1.5);
    p.drawRoundedRect(QRectF(25.25, 13.25, 5.5, 17), 1.5, 1.5);
    // Face buttons.
    const QPointF face(80, 21.75);
    const QPointF offsets[4] = { { 0, -5.5 }, { 5.5, 0 }, { 0, 5.5 }, { -5.5, 0 } };
    for (const QPointF &o : offsets) {
        p.setBrush(QColor(0x3A, 0x3A, 0x3A));
        p.drawEllipse(face + o, 3.1, 3.1);
    }
    // Sticks.
    for (qreal x : { 40.0, 65.0 }) {
        QRadialGradient stick(QPointF(x - 1.5, 33.5), 7);
        stick.setColorAt(0, QColor(0x5A, 0x5A, 0x5A));
        stick.setColorAt(1, QColor(0x1E, 0x1E, 0x1E));
        p.setBrush(stick);
        p.drawEllipse(QPointF(x, 35), 6.2, 6.2);
    }
    // Home button.
    glow(
        p,
        [] {
            QPainterPath dot;
            dot.addEllipse(QPointF(52.5, 18), 1.5, 1.5);
            return dot;
        }(),
        Accent, 1.0);
    p.setBrush(AccentBright);
    p.drawEllipse(QPointF(52.5, 18), 3, 3);
}

void drawCranks(QPainter &p)
{
    p.setPen(QPen(QColor(255, 255, 255, 90), 0.8));
    p.setBrush(silver(2, 34));
    p.drawPath(gear(QPointF(16.5, 20), 14.5, 10.5, 9, 4.2));
    p.setBrush(silver(2, 22));
    p.drawPath(gear(QPointF(35.5, 11.5), 9.5, 6.6, 7, 2.6));
}

// ---- frames -----------------------------------------------------------------

void drawDeviceFrame(QPainter &p, int look)
{
    // look 0: configured, 1: under the pointer, 2: not yet configured.
    const QRectF r(0.5, 0.5, 114, 68);
    QLinearGradient fill(0, r.top(), 0, r.bottom());
    QColor border;
    if (look == 0) {
        fill.setColorAt(0, QColor(0x3C, 0x3C, 0x3C));
        fill.setColorAt(1, QColor(0x1C, 0x1C, 0x1C));
        border = QColor(0x50, 0x50, 0x50);
    } else if (look == 1) {
        fill.setColorAt(0, QColor(0x40, 0x4A, 0x50));
        fill.setColorAt(1, QColor(0x1E, 0x26, 0x2C));
        border = Accent;
    } else {
        fill.setColorAt(0, QColor(255, 255, 255, 16));
        fill.setColorAt(1, QColor(255, 255, 255, 6));
        border = QColor(255, 255, 255, 46);
    }
    p.setPen(QPen(border, 1));
    p.setBrush(fill);
    p.drawPath(roundRect(r, 5));
    // A faint highlight under the top edge gives the face some depth.
    p.setPen(QPen(QColor(255, 255, 255, look == 2 ? 14 : 34), 1));
    p.drawLine(QPointF(5, 1.5), QPointF(110, 1.5));
    if (look == 1) {
        QColor inner = Accent;
        inner.setAlpha(70);
        p.setPen(QPen(inner, 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(roundRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 4));
    }
}

void drawAddButton(QPainter &p, bool pressed)
{
    // Sliced nine pixels in from each side: two round caps and a middle.
    const QRectF r(0.5, 0.5, 18, 24);
    QLinearGradient fill(0, r.top(), 0, r.bottom());
    if (pressed) {
        fill.setColorAt(0, QColor(0x14, 0x14, 0x14));
        fill.setColorAt(1, QColor(0x2A, 0x2A, 0x2A));
    } else {
        fill.setColorAt(0, QColor(0x44, 0x44, 0x44));
        fill.setColorAt(1, QColor(0x22, 0x22, 0x22));
    }
    p.setPen(QPen(pressed ? Accent : QColor(0x5C, 0x5C, 0x5C), 1));
    p.setBrush(fill);
    p.drawPath(roundRect(r, 8.5));
    if (!pressed) {
        p.setPen(QPen(QColor(255, 255, 255, 40), 1));
        p.drawLine(QPointF(6, 1.5), QPointF(13, 1.5));
    }
}

void drawAddDevice(QPainter &p, const QColor &colour)
{
    // A screen with a plus badge.
    p.setPen(QPen(colour, 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, 1.5, 19, 13), 2, 2);
    p.drawLine(QPointF(8, 18.5), QPointF(14, 18.5));
    p.drawLine(QPointF(11, 15), QPointF(11, 18.5));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(21.5, 13.5), 6.3, 6.3);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(18.3, 12.5, 6.4, 2));
    p.drawRect(QRectF(20.5, 10.3, 2, 6.4));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// ---- tool-bar glyphs ----------------------------------------------------------

enum class State { Normal, Hover, Pressed };

QColor glyphColour(State s)
{
    switch (s) {
    case State::Normal:
        return Glyph;
    case State::Hover:
        return Accent;
    case State::Pressed:
        return AccentDeep;
    }
    return Glyph;
}

// Draws a glyph path with a dark drop shadow, so it reads on light and dark bars.
void strokeGlyph(QPainter &p, const QPainterPath &path, State s, qreal width)
{
    const qreal shift = s == State::Pressed ? 1.0 : 0.0;
    QPainterPath moved = QTransform::fromTranslate(0, shift).map(path);
    p.strokePath(QTransform::fromTranslate(0, 1.5).map(moved),
        QPen(QColor(0, 0, 0, 110), width + 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (s == State::Hover)
        glow(p, moved, Accent, width);
    p.strokePath(moved, QPen(glyphColour(s), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void drawKavoToGo(QPainter &p, State s)
{
    // A hand-held player with an arrow carrying a video onto it.
    QPainterPath device = roundRect(QRectF(34, 12, 28, 46), 5);
    device.moveTo(44, 52);
    device.lineTo(52, 52);
    QPainterPath arrow;
    arrow.moveTo(8, 35);
    arrow.lineTo(40, 35);
    arrow.moveTo(31, 26);
    arrow.lineTo(40, 35);
    arrow.lineTo(31, 44);
    strokeGlyph(p, device, s, 4);
    strokeGlyph(p, arrow, s, 4.5);
    const qreal shift = s == State::Pressed ? 1.0 : 0.0;
    QPolygonF play;
    play << QPointF(45, 24 + shift) << QPointF(55, 31 + shift) << QPointF(45, 38 + shift);
    p.setPen(Qt::NoPen);
    p.setBrush(s == State::Normal ? Accent : glyphColour(s).lighter(120));
    p.drawPolygon(play);
}

void drawStreaming(QPainter &p, State s)
{
    // A mast sending waves both ways.
    const QPointF centre(36, 32);
    QPainterPath waves;
    for (qreal radius : { 11.0, 20.0, 29.0 }) {
        const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        waves.arcMoveTo(box, 40);
        waves.arcTo(box, 40, -80);
        waves.arcMoveTo(box, 140);
        waves.arcTo(box, 140, 80);
    }
    QPainterPath mast;
    mast.moveTo(centre);
    mast.lineTo(36, 60);
    mast.moveTo(28, 60);
    mast.lineTo(44, 60);
    strokeGlyph(p, waves, s, 4);
    strokeGlyph(p, mast, s, 4);
    const qreal shift = s == State::Pressed ? 1.0 : 0.0;
    p.setPen(Qt::NoPen);
    p.setBrush(s == State::Normal ? QColor(0xE6, 0xE6, 0xE6) : glyphColour(s).lighter(125));
    p.drawEllipse(centre + QPointF(0, shift), 5.5, 5.5);
}

// ---- media-server buttons -------------------------------------------------------

void drawStreamTo(QPainter &p)
{
    // Waves rising from a screen that plays.
    const QPointF centre(49, 58);
    QPainterPath waves;
    for (qreal radius : { 16.0, 29.0, 42.0 }) {
        const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        waves.arcMoveTo(box, 55);
        waves.arcTo(box, 55, 70);
    }
    QLinearGradient blue(0, 14, 0, 50);
    blue.setColorAt(0, AccentBright);
    blue.setColorAt(1, AccentDeep);
    glow(p, waves, Accent, 6);
    p.strokePath(waves, QPen(QBrush(blue), 6, Qt::SolidLine, Qt::RoundCap));
    const QRectF bezel(6, 62, 86, 52);
    QLinearGradient rim(0, bezel.top(), 0, bezel.bottom());
    rim.setColorAt(0, QColor(0xF2, 0xF2, 0xF2));
    rim.setColorAt(1, QColor(0x80, 0x80, 0x80));
    p.setPen(QPen(QBrush(rim), 3));
    p.setBrush(QColor(0x16, 0x16, 0x16));
    p.drawPath(roundRect(bezel, 6));
    const QRectF screen = bezel.adjusted(6, 6, -6, -6);
    QLinearGradient glass(screen.topLeft(), screen.bottomRight());
    glass.setColorAt(0, QColor(0x2B, 0x6A, 0x8E));
    glass.setColorAt(1, QColor(0x0A, 0x18, 0x22));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawRoundedRect(screen, 2, 2);
    QPolygonF play;
    play << QPointF(42, 76) << QPointF(60, 88) << QPointF(42, 100);
    p.setBrush(QColor(0xF0, 0xF0, 0xF0));
    p.drawPolygon(play);
}

void drawSettings(QPainter &p)
{
    const QPointF centre(56, 56);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.5));
    p.setBrush(silver(6, 106));
    p.drawPath(gear(centre, 50, 38, 10, 17));
    // A blue ring around the hub.
    QPainterPath ring;
    ring.addEllipse(centre, 22.5, 22.5);
    glow(p, ring, Accent, 4);
    p.strokePath(ring, QPen(Accent, 4));
    p.setPen(QPen(QColor(0, 0, 0, 90), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 17, 17);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    struct Job
    {
        const char *file;
        int w, h;
        Drawing draw;
    };
    const Job jobs[] = {
        { "controlbar-kavotogo-normal.png", 72, 72, [](QPainter &p) { drawKavoToGo(p, State::Normal); } },
        { "controlbar-kavotogo-hover.png", 72, 72, [](QPainter &p) { drawKavoToGo(p, State::Hover); } },
        { "controlbar-kavotogo-pressed.png", 72, 72, [](QPainter &p) { drawKavoToGo(p, State::Pressed); } },
        { "controlbar-streaming-normal.png", 72, 72, [](QPainter &p) { drawStreaming(p, State::Normal); } },
        { "controlbar-streaming-hover.png", 72, 72, [](QPainter &p) { drawStreaming(p, State::Hover); } },
        { "controlbar-streaming-pressed.png", 72, 72, [](QPainter &p) { drawStreaming(p, State::Pressed); } },
        { "kms-streamto.png", 98, 119, drawStreamTo },
        { "kms-settings.png", 112, 112, drawSettings },
        { "icon-dvd.png", 180, 33, drawDvd },
        { "icon-bluray.png", 180, 30, drawBluRay },
        { "icon-tv.png", 102, 70, drawTv },
        { "icon-console.png", 105, 65, drawConsole },
        { "icon-cranks.png", 46, 36, drawCranks },
        { "devicebutton-normal.png", 115, 69, [](QPainter &p) { drawDeviceFrame(p, 0); } },
        { "devicebutton-hover.png", 115, 69, [](QPainter &p) { drawDeviceFrame(p, 1); } },
        { "devicebutton-disabled.png", 115, 69, [](QPainter &p) { drawDeviceFrame(p, 2); } },
        { "addbutton-normal.png", 19, 25, [](QPainter &p) { drawAddButton(p, false); } },
        { "addbutton-pressed.png", 19, 25, [](QPainter &p) { drawAddButton(p, true); } },
        { "adddevice-normal.png", 28, 21, [](QPainter &p) { drawAddDevice(p, Label); } },
        { "adddevice-hover.png", 28, 21, [](QPainter &p) { drawAddDevice(p, Accent); } },
    };
    int failures = 0;
    for (const Job &job : jobs)
        failures += save(folder, QString::fromLatin1(job.file), job.w, job.h, job.draw) ? 0 : 1;
    return failures == 0 ? 0 : 1;
}
