// velmora-backgroundgen: draws the window's background picture, a Velmora T30
// handheld instrument on a dark studio backdrop, with its TEST/power button
// centred at (283, 355) and the rightmost button under the display ("D") at
// (386, 316), where the layout file's circles point. The left part stays dark
// for the light-grey instructions, the bottom strip light for the black status
// line.
//
//   velmora-backgroundgen --font FILE --bold-font FILE --output background.jpg

#include <QCommandLineParser>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>

namespace {

constexpr int width = 665;
constexpr int height = 517;
constexpr QPointF testButton(283, 355);
constexpr int buttonRowY = 316;
constexpr int buttonRowX[] = {296, 326, 356, 386}; // A B C D, D is the rightmost

QString regularFamily;
QString boldFamily;

QFont font(const QString &family, qreal pixelSize, int weight = QFont::Normal, qreal spacing = 0)
{
    QFont f(family);
    f.setPixelSize(int(pixelSize));
    f.setWeight(weight);
    f.setHintingPreference(QFont::PreferNoHinting);
    if (spacing != 0)
        f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    return f;
}

void drawBackdrop(QPainter &p)
{
    QLinearGradient backdrop(0, 0, 0, height);
    backdrop.setColorAt(0.0, QColor("#1b2027"));
    backdrop.setColorAt(0.85, QColor("#2a3038"));
    p.fillRect(0, 0, width, height, backdrop);

    // Soft studio light behind the instrument; the instruction column stays dark.
    QRadialGradient light(QPointF(400, 250), 260);
    light.setColorAt(0.0, QColor(120, 140, 160, 70));
    light.setColorAt(1.0, QColor(120, 140, 160, 0));
    p.fillRect(0, 0, width, height, light);

    // Light strip for the black status line.
    p.fillRect(QRectF(0, 470, width, height - 470), QColor("#e6e8eb"));
    p.fillRect(QRectF(0, 470, width, 2), QColor("#8e98a3"));

    // The instrument's shadow on the table.
    QRadialGradient shadow(QPointF(352, 418), 120);
    shadow.setColorAt(0.0, QColor(0, 0, 0, 150));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.save();
    p.translate(352, 418);
    p.scale(1.0, 0.16);
    p.translate(-352, -418);
    p.fillRect(QRectF(200, 300, 310, 240), shadow);
    p.restore();
}

void drawProbeSockets(QPainter &p)
{
    const struct { qreal x; QColor ring; } sockets[] = {{312, QColor("#b3262a")}, {378, QColor("#2b2b2b")}};
    for (const auto &socket : sockets) {
        QLinearGradient metal(socket.x - 16, 0, socket.x + 16, 0);
        metal.setColorAt(0, QColor("#3b4148"));
        metal.setColorAt(0.5, QColor("#6b737c"));
        metal.setColorAt(1, QColor("#30353b"));
        p.setPen(QPen(QColor("#15181c"), 1.5));
        p.setBrush(metal);
        p.drawRoundedRect(QRectF(socket.x - 16, 92, 32, 26), 5, 5);
        p.setBrush(socket.ring);
        p.drawEllipse(QPointF(socket.x, 99), 10, 5);
        p.setBrush(QColor("#0c0d0f"));
        p.drawEllipse(QPointF(socket.x, 99), 4, 2);
    }
}

void drawBody(QPainter &p)
{
    // Rubber holster.
    const QRectF holster(250, 108, 204, 304);
    QLinearGradient rubber(holster.left(), 0, holster.right(), 0);
    rubber.setColorAt(0.0, QColor("#1d4c55"));
    rubber.setColorAt(0.15, QColor("#2f7280"));
    rubber.setColorAt(0.85, QColor("#2a6673"));
    rubber.setColorAt(1.0, QColor("#173d45"));
    p.setPen(QPen(QColor("#0f2a30"), 2));
    p.setBrush(rubber);
    p.drawRoundedRect(holster, 30, 30);

    // Grip ribs on both sides.
    p.setPen(QPen(QColor(10, 35, 40, 160), 2));
    for (int i = 0; i < 6; ++i) {
        const qreal y = 170 + i * 26;
        p.drawLine(QPointF(255, y), QPointF(262, y + 8));
        p.drawLine(QPointF(449, y), QPointF(442, y + 8));
    }

    // Light-grey front panel.
    const QRectF panel(266, 124, 172, 274);
    QLinearGradient face(0, panel.top(), 0, panel.bottom());
    face.setColorAt(0.0, QColor("#e4e7ea"));
    face.setColorAt(1.0, QColor("#c2c8ce"));
    p.setPen(QPen(QColor("#7d868f"), 1.5));
    p.setBrush(face);
    p.drawRoundedRect(panel, 16, 16);
}

void drawDisplay(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#1a1d21"));
    p.drawRoundedRect(QRectF(276, 136, 152, 158), 9, 9);

    const QRectF lcd(284, 144, 136, 142);
    QLinearGradient glass(0, lcd.top(), 0, lcd.bottom());
    glass.setColorAt(0.0, QColor("#c4cfb3"));
    glass.setColorAt(1.0, QColor("#a7b394"));
    p.setBrush(glass);
    p.drawRoundedRect(lcd, 3, 3);

    const QColor ink("#26301f");
    p.setPen(ink);
    p.setFont(font(boldFamily, 11, QFont::Bold));
    p.drawText(QPointF(291, 160), "T30");
    p.setFont(font(regularFamily, 10));
    p.drawText(QPointF(330, 160), "CH1  AUTO");
    // Battery symbol.
    p.setPen(QPen(ink, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(394, 151, 18, 9));
    p.fillRect(QRectF(412, 153.5, 2, 4), ink);
    p.fillRect(QRectF(396, 153, 11, 5), ink);

    p.setPen(ink);
    p.setFont(font(boldFamily, 38, QFont::Bold));
    p.drawText(QRectF(284, 166, 112, 50), Qt::AlignRight | Qt::AlignVCenter, "23.48");
    p.setFont(font(regularFamily, 14));
    p.drawText(QPointF(398, 204), QString::fromUtf8("\u00b0C"));

    // Trend graph of the last readings.
    p.setPen(QPen(QColor(38, 48, 31, 90), 1));
    p.drawLine(QPointF(292, 276), QPointF(412, 276));
    p.drawLine(QPointF(292, 230), QPointF(292, 276));
    QPainterPath trend;
    for (int i = 0; i <= 60; ++i) {
        const qreal x = 294 + i * 2;
        const qreal y = 258 - 12 * std::sin(i / 9.0) - 5 * std::sin(i / 2.7) + i * 0.12;
        i == 0 ? trend.moveTo(x, y) : trend.lineTo(x, y);
    }
    p.setPen(QPen(ink, 1.6));
    p.drawPath(trend);
}

void drawButton(QPainter &p, const QPointF &centre, qreal w, qreal h, const QColor &top, const QColor &bottom)
{
    QLinearGradient shade(0, centre.y() - h / 2, 0, centre.y() + h / 2);
    shade.setColorAt(0, top);
    shade.setColorAt(1, bottom);
    p.setPen(QPen(QColor("#3c434a"), 1.2));
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(centre.x() - w / 2, centre.y() - h / 2, w, h), h / 2, h / 2);
}

void drawControls(QPainter &p)
{
    const char *names[] = {"A", "B", "C", "D"};
    p.setFont(font(boldFamily, 9, QFont::Bold));
    for (int i = 0; i < 4; ++i) {
        const QPointF centre(buttonRowX[i], buttonRowY);
        drawButton(p, centre, 24, 15, QColor("#6d757e"), QColor("#40474f"));
        p.setPen(QColor("#4a5158"));
        p.drawText(QRectF(centre.x() - 10, 294, 20, 9), Qt::AlignCenter, names[i]);
    }

    // TEST / power button: round, with the power symbol.
    QRadialGradient dome(testButton - QPointF(3, 4), 14);
    dome.setColorAt(0, QColor("#f07a52"));
    dome.setColorAt(1, QColor("#b8401f"));
    p.setPen(QPen(QColor("#5d2312"), 1.5));
    p.setBrush(dome);
    p.drawEllipse(testButton, 11.5, 11.5);
    p.setPen(QPen(QColor("#fbe9e2"), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(testButton.x() - 5, testButton.y() - 5, 10, 10), 120 * 16, 300 * 16);
    p.drawLine(testButton + QPointF(0, -6.5), testButton + QPointF(0, -1));
    p.setPen(QColor("#4a5158"));
    p.setFont(font(boldFamily, 8, QFont::Bold));
    p.drawText(QRectF(testButton.x() - 20, 369, 40, 10), Qt::AlignCenter, "TEST");

    // Brand and model.
    p.setPen(QColor("#2f363d"));
    p.setFont(font(boldFamily, 15, QFont::Bold, 2.2));
    p.drawText(QRectF(306, 344, 124, 20), Qt::AlignCenter, "VELMORA");
    p.setPen(QColor("#5a636c"));
    p.setFont(font(regularFamily, 10, QFont::Normal, 1));
    p.drawText(QRectF(306, 364, 124, 14), Qt::AlignCenter, "T30 data logger");

    // Micro-B USB socket in the bottom of the holster.
    p.setPen(QPen(QColor("#0b1e22"), 1));
    p.setBrush(QColor("#8d959d"));
    p.drawRoundedRect(QRectF(340, 402, 26, 8), 2, 2);
    p.setBrush(QColor("#1b1f23"));
    p.drawRect(QRectF(343, 404, 20, 4));
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption regular("font", "Regular font file.", "file");
    const QCommandLineOption bold("bold-font", "Bold font file.", "file");
    const QCommandLineOption output("output", "JPEG file to write.", "file");
    parser.addOptions({regular, bold, output});
    parser.addHelpOption();
    parser.process(app);
    if (!parser.isSet(output)) {
        std::fprintf(stderr, "velmora-backgroundgen: --output is required\n");
        return 1;
    }
    auto load = [](const QString &path) {
        const int id = QFontDatabase::addApplicationFont(path);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QFont().family() : families.first();
    };
    regularFamily = load(parser.value(regular));
    boldFamily = load(parser.value(bold));

    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawBackdrop(painter);
    drawProbeSockets(painter);
    drawBody(painter);
    drawDisplay(painter);
    drawControls(painter);
    painter.end();

    QImageWriter writer(parser.value(output), "jpeg");
    writer.setQuality(92);
    if (!writer.write(image)) {
        std::fprintf(stderr, "velmora-backgroundgen: %s\n", qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
