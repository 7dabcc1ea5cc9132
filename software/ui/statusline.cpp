#include "statusline.h"

#include <QAccessible>
#include <QTextDocument>
#include <QTextDocumentFragment>

void StatusAnnouncer::announce(const QString &spoken)
{
    words = spoken;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

StatusLine::StatusLine(QWidget *parent) : QLabel(parent), announcer(new StatusAnnouncer(this))
{
    // Reachable with Tab, to be read again; and where the focus goes when the
    // install button it was on is disabled, so that it is never lost.
    setFocusPolicy(Qt::TabFocus);
    setInstallAvailable(true);
}

void StatusLine::setInstallAvailable(bool available)
{
    setAccessibleDescription(available ? tr("The state of the connected device and what to do next")
                                       : tr("The state of the connected device and what to do next. The install "
                                            "button is not available now."));
}

bool StatusLine::setStatus(const QString &text, bool announce)
{
    const QString words = spokenText(text);
    setAccessibleName(words);
    if (this->text() == text)
        return false;
    setText(text);
    fitText();
    // Even with the focus here: a screen reader does not speak a label's new name.
    if (announce)
        announcer->announce(words);
    return true;
}

void StatusLine::fitText()
{
    if (!wordWrap())
        return;
    if (!box.isValid())
        box = geometry(); // where the window placed the line
    // A text that needs more rows than the line has (a script with taller
    // lines) grows upwards, into the free room under the install button,
    // and never past the window's bottom edge.
    const int needed = heightForWidth(box.width());
    if (needed > box.height())
        setGeometry(box.x(), box.y() + box.height() - needed, box.width(), needed);
    else
        setGeometry(box);
}

QString spokenText(const QString &text)
{
    const QString plain = Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
    return plain.simplified();
}
