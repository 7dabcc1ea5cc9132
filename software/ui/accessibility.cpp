#include "accessibility.h"

#include "installbutton.h"
#include "mainwindow.h"
#include "progressbar.h"
#include "statusline.h"

#include <QAccessibleWidget>

namespace {

// The window's children as a screen reader should meet them. The labels come
// in the layout file's order (the steps, then the status line); the circles
// are drawing, not content; the slot at the bottom holds the bar while it is
// shown, the button otherwise.
class MainWindowAccessible : public QAccessibleWidget {
public:
    explicit MainWindowAccessible(MainWindow *window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return readable().size(); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = readable();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index])
                                                     : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? readable().indexOf(qobject_cast<QWidget *>(child->object())) : -1;
    }

private:
    QList<QWidget *> readable() const
    {
        auto *window = static_cast<MainWindow *>(widget());
        QList<QWidget *> children;
        for (QObject *child : window->children()) {
            auto *label = qobject_cast<QLabel *>(child);
            if (label && !label->isHidden())
                children << label;
        }
        if (window->progressBar && !window->progressBar->isHidden())
            children << window->progressBar;
        else if (window->installButton && !window->installButton->isHidden())
            children << window->installButton;
        return children;
    }
};

// The status line's announcements: a notification, spoken when it shows,
// with the line's new words. It belongs to the line but is none of its
// children, so that no screen reader offers it while reading the window.
class AnnouncerAccessible : public QAccessibleObject {
public:
    explicit AnnouncerAccessible(StatusAnnouncer *announcer) : QAccessibleObject(announcer) {}

    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(object()->parent()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<StatusAnnouncer *>(object())->words : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = true;
        state.readOnly = true;
        return state;
    }
};

// Asked with the class name of the object and then of each base class; the
// most derived name decides.
QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("MainWindow"))
        return new MainWindowAccessible(static_cast<MainWindow *>(object));
    if (className == QLatin1String("StatusAnnouncer"))
        return new AnnouncerAccessible(static_cast<StatusAnnouncer *>(object));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(accessibleFor), true);
    Q_UNUSED(installed)
}
