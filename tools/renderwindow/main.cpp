// velmora-render-window: renders the main window, with the log window beside
// it, to PNG files in its main states: no device, a device that can be
// upgraded, an upgrade at 40 %, and done. The scale follows the screen; on the
// offscreen platform set it with QT_FONT_DPI (96 gives 1, 120 gives 1.25).
//
//   QT_QPA_PLATFORM=offscreen QT_FONT_DPI=120 velmora-render-window --output DIR [--simulator] [--language CODE]

#include "fwinfo.h"
#include "installbutton.h"
#include "language.h"
#include "logwindow.h"
#include "mainwindow.h"
#include "producttable.h"
#include "progressbar.h"
#include "statusline.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QTextBrowser>

#include <cstdio>

namespace {

// The window and, to its right, the log dialog, as the user sees them.
QImage besideEachOther(QWidget *window, QWidget *log)
{
    const QPixmap left = window->grab();
    const QPixmap right = log->grab();
    QImage image(left.width() + right.width(), qMax(left.height(), right.height()), QImage::Format_RGB32);
    image.fill(QColor("#3c3f41"));
    QPainter painter(&image);
    painter.drawPixmap(0, 0, left);
    painter.drawPixmap(left.width(), 0, right);
    return image;
}

// The model as a status text names it: English puts the article before it.
QString model(const char *id)
{
    return hasTranslation(id) ? productModel(30) : withIndefiniteArticle(productModel(30));
}

QString readyText()
{
    return app_state.settings.shownText("status_ready")
        .arg(model("status_ready"), "C2", mainWindow->installButton->text(), app_state.desiredRevision);
}

QString writingText()
{
    return app_state.settings.shownText("status_writing").arg(app_state.desiredRevision, productModel(30));
}

QString doneText()
{
    return app_state.settings.shownText("status_done").arg(productModel(30), app_state.desiredRevision);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption output("output", "Folder for the PNG files.", "dir");
    const QCommandLineOption simulatorMode("simulator", "Render the window in simulator mode.");
    const QCommandLineOption language("language", "Render the window in this language (de, ja, ...).", "code");
    parser.addOptions({output, simulatorMode, language});
    parser.addHelpOption();
    parser.process(app);
    const QDir dir(parser.value(output).isEmpty() ? "." : parser.value(output));
    if (!QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "velmora-render-window: cannot create %s\n", qPrintable(dir.path()));
        return 1;
    }

    chooseAndInstallLanguage(parser.isSet(language) ? parser.value(language) : QStringLiteral("en"));
    setDefaultFont();
    logWindow = new LogWindow;
    qInstallMessageHandler(messageHandler);
    app_state.settings = GuiSettings::fromFile(":resources/settings_GUI.json");
    app_state.desiredType = 30;
    app_state.desiredRevision = "C3";
    mainWindow = createMainWindow(app_state, nullptr, parser.isSet(simulatorMode));
    mainWindow->setWindowTitle(MainWindow::tr("Velmora Firmware Upgrade Tool"));
    mainWindow->show();
    logWindow->toggle_visibility(mainWindow);

    struct Shot {
        const char *name;
        std::function<void()> arrange;
    };
    ProgressBar *bar = mainWindow->progressBar;
    const Shot shots[] = {
        {"no-device", [] {}},
        {"device-connected",
         [] {
             mainWindow->statusLabel->setStatus(readyText());
             mainWindow->enableDownload();
         }},
        {"upgrading-40",
         [bar] {
             mainWindow->disableDownload();
             mainWindow->statusLabel->setStatus(writingText());
             bar->startAutoProgress(MainWindow::tr("Upgrading firmware"), 90.0);
             bar->stopTimer();
             bar->setValue(40);
         }},
        {"done",
         [bar] {
             bar->setValue(bar->maximum());
             bar->setFormat(MainWindow::tr("Done. Disconnect USB cable."));
             mainWindow->statusLabel->setStatus(doneText());
         }},
    };
    bool written = true;
    for (const Shot &shot : shots) {
        qInfo() << "Rendering" << shot.name;
        shot.arrange();
        QApplication::processEvents();
        const QString path = dir.filePath(QString("%1.png").arg(shot.name));
        if (!besideEachOther(mainWindow, logWindow->dialog).save(path)) {
            std::fprintf(stderr, "velmora-render-window: cannot write %s\n", qPrintable(path));
            written = false;
        }
    }
    qInstallMessageHandler(nullptr);
    return written ? 0 : 1;
}
