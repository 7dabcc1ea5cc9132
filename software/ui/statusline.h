// The status line under the steps: what the tool sees and what to do next.
// A screen reader hears every new text, wherever its focus is, and the line
// takes the focus when the install button loses it.
#pragma once

#include <QLabel>

// What tells a screen reader that the status line has changed. A label's new
// name is not spoken, not even with the focus on it, so the line's changes are
// sent as a notification that shows, which is spoken wherever the focus is. It
// is no child of any accessible: only its events reach a screen reader.
class StatusAnnouncer : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    void announce(const QString &words);
    QString words;
};

class StatusLine : public QLabel {
    Q_OBJECT

public:
    explicit StatusLine(QWidget *parent);

    // Shows the text (rich or plain) and, with announce, tells a screen reader.
    // False when the line already showed it.
    bool setStatus(const QString &text, bool announce = true);

    // Whether the install button can be used now; a screen reader hears it in
    // the line's description, since the disabled button cannot take the focus.
    void setInstallAvailable(bool available);

    StatusAnnouncer *const announcer;

private:
    void fitText();
    QRect box; // the line's place in the window; a longer text grows up from it
};

// A text as a screen reader should say it: the words of rich or plain text on
// one line, without markup, line breaks or leading and trailing blanks.
QString spokenText(const QString &text);
