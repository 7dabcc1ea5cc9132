// Every text of the guided window, in every language the tool carries, fits
// where the window draws it: inside its label, inside the window, clear of
// the other texts, the circles and the button's slot, and with a glyph for
// each character. The test runs at 96, 120 and 192 dpi (scales 1, 1.25, 2).

#include "installbutton.h"
#include "language.h"
#include "mainwindow.h"
#include "progressbar.h"
#include "shippedstate.h"
#include "statusline.h"

#include <QtTest>

#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTranslator>

namespace {

// Whether the font, or a font Qt falls back to for it, draws the character.
bool drawable(const QString &character, const QFont &font)
{
    QTextLayout layout(character, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun &run : layout.glyphRuns())
        for (const quint32 glyph : run.glyphIndexes())
            if (glyph == 0)
                return false;
    return !layout.glyphRuns().isEmpty();
}

// The characters of a text (rich or plain) that no font used for it can draw.
QString missingGlyphs(const QString &text, const QFont &font)
{
    const QString plain = Qt::mightBeRichText(text) ? spokenText(text) : text;
    QString missing;
    for (int i = 0; i < plain.size(); ++i) {
        const int length = plain.at(i).isHighSurrogate() ? 2 : 1;
        const QString character = plain.mid(i, length);
        i += length - 1;
        if (!character.at(0).isSpace() && !missing.contains(character) && !drawable(character, font))
            missing += character;
    }
    return missing;
}

// Where a label draws its text, line by line: the size each line needs in
// the label's font (and the fonts Qt falls back to), placed in the label as
// its alignment says, in window coordinates.
QList<QRect> drawnLines(const QLabel *label)
{
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(label->font());
    if (Qt::mightBeRichText(label->text()))
        document.setHtml(label->text());
    else
        document.setPlainText(label->text());
    if (label->wordWrap())
        document.setTextWidth(label->width());
    const QSize needed(int(std::ceil(document.idealWidth())), int(std::ceil(document.size().height())));
    const QRect inside = QStyle::alignedRect(Qt::LeftToRight, label->alignment(), needed, label->rect());
    const bool right = label->alignment() & Qt::AlignRight;
    QList<QRect> lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QRectF line = layout->lineAt(i).naturalTextRect().translated(layout->position());
            const int width = int(std::ceil(line.width()));
            const int x = right ? inside.right() + 1 - width : inside.x() + int(line.x());
            lines << QRect(x, inside.y() + int(line.y()), width, int(std::ceil(line.height())))
                         .translated(label->pos());
        }
    }
    return lines;
}

QRect bounds(const QList<QRect> &rects)
{
    QRect all;
    for (const QRect &rect : rects)
        all |= rect;
    return all;
}

// Text laid out in fractions of a pixel, and a label sized by whole ones,
// differ by a pixel or two that no glyph's ink reaches: within this the text
// is not cut, and lines that touch do not overlap.
constexpr int tolerance = 2;

QString describe(const QLabel *label)
{
    return QStringLiteral("\"%1\" (%2 by %3 at %4,%5)")
        .arg(spokenText(label->text()))
        .arg(label->width())
        .arg(label->height())
        .arg(label->x())
        .arg(label->y());
}

} // namespace

class TestFitting : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextFits_data();
    void everyTextFits();
    void missingGlyphIsFound();

private:
    // Problems of one label's text as shown; empty when it fits.
    QStringList problems(const MainWindow &window, const QLabel *label, const QList<QRect> &others);
};

void TestFitting::initTestCase()
{
    setDefaultFont();
    QVERIFY(availableLanguages().size() >= 9);
}

void TestFitting::everyTextFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QString();
    for (const QString &language : availableLanguages())
        if (language != QLatin1String("en_XA")) // the pseudo-language only marks texts
            QTest::newRow(qPrintable(language)) << language;
}

QStringList TestFitting::problems(const MainWindow &window, const QLabel *label, const QList<QRect> &others)
{
    QStringList found;
    const QList<QRect> lines = drawnLines(label);
    const QRect text = bounds(lines);
    if (text.width() > label->width() + tolerance || text.height() > label->height() + tolerance)
        found << QStringLiteral("cut: needs %1 by %2 in %3").arg(text.width()).arg(text.height()).arg(describe(label));
    if (!window.rect().adjusted(-tolerance, -tolerance, tolerance, tolerance).contains(text))
        found << QStringLiteral("outside the window: %1").arg(describe(label));
    for (const QRect &other : others)
        for (const QRect &line : lines)
            // A line's box holds its font's leading and descent below the
            // ink, but ink reaches its sides: only the height gets the tolerance.
            if (line.adjusted(0, tolerance, 0, -tolerance).intersects(other)) {
                found << QStringLiteral("overlaps the element at %1,%2: %3").arg(other.x()).arg(other.y()).arg(describe(label));
                break;
            }
    const QString missing = missingGlyphs(label->text(), label->font());
    if (!missing.isEmpty())
        found << QStringLiteral("no glyph for \"%1\": %2").arg(missing, describe(label));
    return found;
}

void TestFitting::everyTextFits()
{
    QFETCH(QString, language);
    QTranslator translator;
    if (!language.isEmpty()) {
        QVERIFY(translator.load("velmora_" + language, ":/translations"));
        QVERIFY(QCoreApplication::installTranslator(&translator));
    }
    // As the tool does: the language's locale, and the window font for its script.
    QLocale::setDefault(language.isEmpty() ? QLocale(QLocale::English) : QLocale(language));
    setDefaultFont();
    AppState state = shippedState();
    std::unique_ptr<MainWindow> window(createMainWindow(state, nullptr, true));
    const double s = window->scale;
    QVERIFY(qFuzzyCompare(s, QGuiApplication::primaryScreen()->logicalDotsPerInchX() / 96.0));

    // The elements a text must keep clear of: the slot of the button and the
    // bar, the circles, and every other label's text.
    QList<QRect> elements{window->installButton->geometry()};
    for (QWidget *child : window->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (child->metaObject()->className() == QByteArray("Circle"))
            elements << child->geometry();
    QList<QLabel *> labels;
    for (QLabel *label : window->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly))
        if (label->isVisible())
            labels << label;
    QVERIFY(labels.size() >= 8);

    QStringList found;
    for (QLabel *label : labels) {
        QList<QRect> others = elements;
        for (QLabel *other : labels)
            if (other != label)
                others << drawnLines(other);
        found << problems(*window, label, others);
    }

    // Every status text the line can show, filled as it typically is.
    StatusLine *line = window->statusLabel;
    QList<QRect> others = elements;
    for (QLabel *other : labels)
        if (other != line)
            others << drawnLines(other);
    int statusTexts = 0;
    for (const LabelSpec &spec : state.settings.labels) {
        if (!spec.id.startsWith("status_"))
            continue;
        QString text = shownText(spec);
        const bool folder = spec.id == "status_cannotUnpack" || spec.id == "status_cannotRun";
        // The longest model name; English puts its article before it.
        const QString model = hasTranslation(spec.id) ? "R20 or R20S" : "an R20 or R20S";
        const QStringList fills{folder ? "/tmp" : model, "C2", window->installButton->text(), "C3"};
        for (int marker = 1; marker <= 4; ++marker)
            text.replace("%" + QString::number(marker), fills[marker - 1]);
        line->setStatus(text, false);
        found << problems(*window, line, others);
        ++statusTexts;
    }
    QVERIFY(statusTexts >= 19);

    // The install button's caption and the bar's captions, in the slot.
    const QFont buttonFont = window->installButton->font();
    const QString caption = window->installButton->text().remove('&');
    const int room = window->installButton->width() - 2 * window->style()->pixelMetric(QStyle::PM_ButtonMargin);
    if (QFontMetrics(buttonFont).horizontalAdvance(caption) > room)
        found << QStringLiteral("the install button's caption is cut: \"%1\"").arg(caption);
    if (!missingGlyphs(caption, buttonFont).isEmpty())
        found << QStringLiteral("no glyph for a character of the install button's caption \"%1\"").arg(caption);
    for (const char *source : {"Upgrading firmware", "Uploading & verifying", "Done. Disconnect USB cable.", "FW differs"}) {
        const QString barCaption = MainWindow::tr(source);
        // The bar's frame is 2 pixels wide on either side.
        if (QFontMetrics(window->progressBar->font()).horizontalAdvance(barCaption) > window->progressBar->width() - 4)
            found << QStringLiteral("the bar's caption is cut: \"%1\"").arg(barCaption);
        const QString missing = missingGlyphs(barCaption, window->progressBar->font());
        if (!missing.isEmpty())
            found << QStringLiteral("no glyph for \"%1\" in the bar's caption \"%2\"").arg(missing, barCaption);
    }
    QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("at scale %1:\n").arg(s) + found.join('\n')));
    QCoreApplication::removeTranslator(&translator);
}

// The check above finds a character that no font draws (a private-use one).
void TestFitting::missingGlyphIsFound()
{
    QCOMPARE(missingGlyphs(QStringLiteral("ok \uE000"), QApplication::font()), QStringLiteral("\uE000"));
    QCOMPARE(missingGlyphs(QStringLiteral("<b>ファームウェア</b> 固件"), QApplication::font()), QString());
}

QTEST_MAIN(TestFitting)
#include "tst_fitting.moc"
