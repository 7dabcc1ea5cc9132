#include "mainwindow.h"

#include "accessibility.h"
#include "circle.h"
#include "installbutton.h"
#include "platform.h"
#include "producttable.h"
#include "progressbar.h"
#include "statusline.h"

#include <QApplication>
#include <QDebug>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStyle>

#include <cmath>

QPointer<MainWindow> mainWindow;

namespace {

// The layout is designed on a 665 by 517 grid at 96 dpi.
int truncated(double value)
{
    return int(std::trunc(value));
}

int nearest(double value)
{
    return int(std::floor(value + 0.5));
}

double windowScale()
{
    if (buildPlatform() == Platform::macOS)
        return 1.0;
    return QGuiApplication::primaryScreen()->logicalDotsPerInchX() / 96.0;
}

double fontScale()
{
    static const double scale = QGuiApplication::primaryScreen()->physicalDotsPerInch() / 110.0
                                * (isWindows(buildPlatform()) ? 1.3 : 1.0);
    return scale;
}

QString loadFont(const QString &path)
{
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0)
        qWarning() << "Unable to load font from " << path;
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.first();
}

QString embeddedFontFamily()
{
    static const QString family = [] {
        const QString regular = loadFont(QStringLiteral(":resources/VelmoraSans-Regular.otf"));
        loadFont(QStringLiteral(":resources/VelmoraSans-Bold.otf")); // registered for bold text
        return regular;
    }();
    return family;
}

} // namespace

// The system's font for a language whose script the embedded font lacks
// (Debian's fonts-noto-cjk), or empty. Made the window font rather than
// left to glyph fallback: the window's boxes are measured with the window
// font, and these scripts' lines are taller than the embedded font's; the
// font also draws the shapes of the right language (Japanese or Chinese).
QString scriptFontFamily()
{
    const QLocale locale;
    const char *family = locale.language() == QLocale::Japanese ? "Noto Sans CJK JP"
                         : locale.language() == QLocale::Chinese ? "Noto Sans CJK SC"
                                                                  : nullptr;
    if (!family)
        return QString();
    if (!QFontDatabase().hasFamily(QLatin1String(family))) {
        qWarning() << "The font" << family << "is not installed (Debian package fonts-noto-cjk): the window's"
                   << QLocale::languageToString(locale.language()) << "text is drawn with a fallback font";
        return QString();
    }
    return QLatin1String(family);
}

void setDefaultFont()
{
    const QString script = scriptFontFamily();
    if (!script.isEmpty()) {
        embeddedFontFamily(); // still registered: the window's rich texts may name it
        QApplication::setFont(QFont(script, 11));
        qInfo() << "Load/set default font:" << script;
        return;
    }
    const QString family = embeddedFontFamily();
    if (family.isEmpty()) {
        qWarning() << "Unable to load/set the Velmora font as default";
        return;
    }
    QApplication::setFont(QFont(family, 11));
    qInfo() << "Load/set default font:" << family;
}

MainWindow::MainWindow(GuiSettings *settings, QWidget *parent)
    : QMainWindow(parent), settings(settings), central(new QWidget(this))
{
    setStyleSheet("QMainWindow { border-image:url(\"://resources/background.jpg\") 0 0 0 0 stretch stretch; }");
    scale = windowScale();
    setCentralWidget(central);
    placeWidgets();
    downloadMode = false;
    emit downloadModeChanged();
    connect(this, &MainWindow::downloadModeChanged, this, &MainWindow::updateDownloadMode);
}

void MainWindow::placeWidgets()
{
    const double s = scale;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    setFixedSize(truncated(665 * s), truncated(517 * s));
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignHCenter | Qt::AlignTop,
                                    QSize(nearest(665 * s), nearest(517 * s)), screen));
    move(x(), y() + nearest(50 * s));
    const QRect slot(truncated(207 * s), truncated(417 * s), truncated(250 * s), truncated(40 * s));
    if (installButton)
        installButton->setGeometry(slot);
    if (progressBar) {
        progressBar->setGeometry(slot);
        progressBar->hide();
    }
}

void MainWindow::enableDownload()
{
    downloadMode = !downloadLocked && !downloadHeld;
    emit downloadModeChanged();
}

void MainWindow::disableDownload()
{
    downloadMode = false;
    emit downloadModeChanged();
}

void MainWindow::toggleDownload()
{
    downloadMode = !downloadMode && !downloadLocked && !downloadHeld;
    emit downloadModeChanged();
}

void MainWindow::lockDownload()
{
    downloadLocked = true;
    disableDownload();
}

void MainWindow::holdDownload(bool held)
{
    downloadHeld = held;
    if (held)
        disableDownload();
}

void MainWindow::updateDownloadMode()
{
    if (installButton) {
        qInfo() << "MainWindow downloadMode: setEnabled" << downloadMode;
        installButton->setEnabled(downloadMode);
        // What a screen reader says of the button besides its caption.
        installButton->setAccessibleDescription(
            downloadMode ? tr("Writes the firmware to the connected device, then reads it back and checks it.")
                         : tr("Not available now: see the status line below."));
        if (statusLabel)
            statusLabel->setInstallAvailable(downloadMode);
    }
    qInfo() << "Download " << (downloadMode ? "enabled" : "disabled");
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_A:
        toggleDownload(); // service staff can enable the button by hand
        break;
    case Qt::Key_Q:
    case Qt::Key_Escape:
        if (!confirmFinish || confirmFinish())
            emit finished();
        break;
    default:
        break;
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (confirmFinish && !confirmFinish()) {
        event->ignore();
        return;
    }
    event->accept();
    // Closing the window ends the workflow as Q does, also when another window
    // of the tool (the log) stays open.
    emit finished();
}

MainWindow *createMainWindow(AppState &state, QWidget *parent, bool simulatorMode)
{
    if (state.settings.labelText(QStringLiteral("status_noDev")).isEmpty())
        qFatal("No message with id '%s' found, aborting", "status_noDev");
    installAccessibility();

    auto *window = new MainWindow(&state.settings, parent);
    auto *button = new InstallButton(window);
    button->setFlat(false);
    button->setEnabled(true);
    button->setMinimumHeight(30);
    button->setObjectName(QStringLiteral("GUI_8"));
    // Reachable without a mouse: Tab gives it the focus, Space or Enter press it.
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAutoDefault(true);
    QObject::connect(button, &QPushButton::clicked, [] { qInfo() << "Install clicked"; });
    window->installButton = button;

    createLabels(state, window, simulatorMode);
    window->updateDownloadMode();
    window->progressBar = new ProgressBar(window);
    window->placeWidgets();

    QList<CircleSpec> circles = state.settings.circles;
    for (CircleSpec &circle : circles) {
        circle.x = nearest(window->scale * circle.x);
        circle.y = nearest(window->scale * circle.y);
        circle.radius = truncated(window->scale * circle.radius);
        circle.pen_width = truncated(window->scale * circle.pen_width);
    }
    createCircles(circles, window);
    return window;
}

void createLabels(AppState &state, MainWindow *window, bool simulatorMode)
{
    window->show();
    const double s = window->scale;
    for (const LabelSpec &spec : state.settings.labels) {
        if (!spec.create) {
            if (spec.id == "8b2" && window->installButton) {
                window->installButton->setText(shownText(spec));
                continue;
            }
            if (!(spec.id == "sim_mode" && simulatorMode))
                continue;
        }
        if (spec.text.isEmpty())
            continue;

        // The status line gets its text once it is one: a screen reader asked
        // for it before would meet a plain label.
        QLabel *label = spec.id == "status_noDev" ? new StatusLine(window) : new QLabel(window);
        const QString text = shownText(spec);
        label->setText(text);
        if (spec.id == "2")
            label->setText(QString(text).arg(productDisplayName(state.desiredType)));
        else if (spec.id == "4")
            label->setText(QString(text).arg(state.desiredRevision));
        // Heard, the header must not be taken for the connected device's version.
        label->setAccessibleName(spec.id == "4" ? MainWindow::tr("Firmware version this tool installs: %1")
                                                      .arg(state.desiredRevision)
                                                : spokenText(label->text()));
        if (spec.id == "2" || spec.id == "3")
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        else if (spec.id == "4" || spec.id == "4_hdr")
            label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        if (spec.id == "status_noDev")
            window->statusLabel = static_cast<StatusLine *>(label);
        if (!spec.font.isEmpty())
            label->setFont(QFont(spec.font));
        if (spec.size > 0) {
            QFont font = label->font();
            font.setPixelSize(truncated(spec.size * fontScale()));
            label->setFont(font);
        }

        const QFontMetrics metrics(label->font());
        int width = metrics.horizontalAdvance(label->text());
        // Never less than the text needs: a script with taller lines than
        // the window font's (drawn with a fallback font) would lose its last row.
        const int height = qMax((label->text().count('\n') + 1) * metrics.lineSpacing(), label->sizeHint().height());
        if (spec.id == "4" || spec.id == "4_hdr") {
            width = truncated(228 * s);
            qInfo() << "Overriding width to " << width << "for text:" << spec.text;
        }
        int boxHeight = height;
        if (spec.id == "status_noDev" && spec.x > 0 && spec.y > 0) {
            // A longer text (another language) wraps onto the line's second
            // row rather than run out of the window: the line reaches as far
            // from the right edge as it starts from the left, and no lower
            // than the window (a script with taller lines would end below it).
            label->setWordWrap(true);
            width = window->width() - 2 * nearest(s * spec.x);
            boxHeight = qMin(height, window->height() - nearest(s * spec.y));
        }
        label->resize(width, boxHeight);
        label->setStyleSheet(spec.white
                                 ? "QLabel { background-color : rgba(0,0,0,0%); color : rgba(175,175,175,100%); }"
                                 : "QLabel { background-color : rgba(0,0,0,0%); color : black; }");
        if (spec.x > 0 && spec.y > 0)
            label->move(nearest(s * spec.x), nearest(s * spec.y));
        label->show();
    }
}

void createCircles(const QList<CircleSpec> &circles, MainWindow *window)
{
    for (const CircleSpec &spec : circles)
        (new Circle(spec, window))->show();
}
