// velmora-screenshot FILE.png: saves the whole X screen (DISPLAY) as a PNG,
// for the headless demo.

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fprintf(stderr, "usage: velmora-screenshot FILE.png\n");
        return 2;
    }
    if (!QGuiApplication::primaryScreen()->grabWindow(0).save(app.arguments().at(1), "PNG")) {
        std::fprintf(stderr, "velmora-screenshot: cannot write %s\n", qPrintable(app.arguments().at(1)));
        return 1;
    }
    return 0;
}
