// velmora-icongen: draws the tool's application icon, a Velmora handheld
// whose screen shows firmware going into it, as PNG files in the folder layout
// of the hicolor icon theme:
//
//   velmora-icongen --name ID --output DIR [--sizes 16,24,32,48,64,128,256]
//
// writes DIR/<size>x<size>/apps/ID.png for every size. The drawing is made on
// a 256-unit grid and rendered at each size, with the details that would be
// mush at small sizes left out.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    const bool small = size < 32;

    // Body: the teal case of the handheld, lit from above.
    const QRectF body(52, 12, 152, 232);
    QLinearGradient caseLight(body.topLeft(), body.bottomLeft());
    caseLight.setColorAt(0, QColor("#2a8a94"));
    caseLight.setColorAt(1, QColor("#17565d"));
    p.setPen(small ? Qt::NoPen : QPen(QColor("#0e3a3f"), 6));
    p.setBrush(caseLight);
    p.drawRoundedRect(body, 34, 34);

    // Face plate and screen.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#dfe4e8"));
    p.drawRoundedRect(QRectF(68, 28, 120, 200), 22, 22);
    const QRectF screen(80, 42, 96, 108);
    p.setBrush(QColor("#23302a"));
    p.drawRoundedRect(screen, 10, 10);

    // On the screen: an arrow down onto a bar, new firmware going in.
    p.setBrush(QColor("#7be495"));
    QPainterPath arrow;
    arrow.moveTo(116, 54);
    arrow.lineTo(140, 54);
    arrow.lineTo(140, 88);
    arrow.lineTo(158, 88);
    arrow.lineTo(128, 120);
    arrow.lineTo(98, 88);
    arrow.lineTo(116, 88);
    arrow.closeSubpath();
    p.drawPath(arrow);
    p.drawRoundedRect(QRectF(96, 128, 64, 10), 4, 4);

    // The buttons under the screen, the power button red.
    if (!small) {
        p.setBrush(QColor("#56606a"));
        for (int i = 0; i < 3; ++i)
            p.drawRoundedRect(QRectF(84 + i * 30, 164, 22, 12), 5, 5);
        p.setBrush(QColor("#d9443a"));
        p.drawEllipse(QPointF(128, 200), 13, 13);
    }
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Draws the application icon for the hicolor theme.");
    parser.addOption({"name", "Icon name (the application id).", "id"});
    parser.addOption({"output", "Folder to write the theme layout into.", "dir"});
    parser.addOption({"sizes", "Comma-separated pixel sizes.", "list", "16,24,32,48,64,128,256"});
    parser.process(application);
    if (!parser.isSet("name") || !parser.isSet("output")) {
        std::fprintf(stderr, "velmora-icongen: --name and --output are required\n");
        return 2;
    }
    for (const QString &text : parser.value("sizes").split(',')) {
        bool ok = false;
        const int size = text.toInt(&ok);
        if (!ok || size < 8 || size > 1024) {
            std::fprintf(stderr, "velmora-icongen: bad size '%s'\n", qPrintable(text));
            return 2;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(parser.value("output")).arg(size);
        const QString file = folder + '/' + parser.value("name") + ".png";
        if (!QDir().mkpath(folder) || !drawIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "velmora-icongen: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
