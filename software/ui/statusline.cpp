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
    const QString what = QStringLiteral("The state of the connected device and what to do next");
    setAccessibleDescription(available ? what : what + QStringLiteral(". The install button is not available now."));
}

bool StatusLine::setStatus(const QString &text, bool announce)
{
    const QString words = spokenText(text);
    setAccessibleName(words);
    if (this->text() == text)
        return false;
    setText(text);
    // Even with the focus here: a screen reader does not speak a label's new name.
    if (announce)
        announcer->announce(words);
    return true;
}

QString spokenText(const QString &text)
{
    const QString plain = Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
    return plain.simplified();
}
