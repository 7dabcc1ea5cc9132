// The window's layout file: texts, label positions and the circles drawn over
// the product picture, read once at start-up; plus the application-wide state
// the window reads.
#pragma once

#include <QColor>
#include <QDebug>
#include <QList>
#include <QString>

struct LabelSpec {
    QString id;
    int x = -1;    // unscaled window pixels
    int y = -1;
    int size = -1; // font pixel size before scaling; 0 or less keeps the inherited one
    QString font;  // family; empty keeps the inherited one
    QString text;  // plain or rich text; may hold %1/%2 for the user of the entry
    bool create = true; // whether the window shows it as a label
    bool white = true;  // light-grey text, else black
};

struct CircleSpec {
    QString name; // for diagnostics only
    int x = 0;    // centre, unscaled window pixels
    int y = 0;
    int radius = 0;
    int pen_width = 0;
    QColor color; // with alpha
};

class GuiSettings {
public:
    GuiSettings() = default;
    // Reads the layout from JSON text. Never fails: text that is no JSON
    // object gives valid settings without entries.
    explicit GuiSettings(const QString &documentText);
    // Reads a file; throws readTextFile's error when it cannot be opened.
    static GuiSettings fromFile(const QString &path);

    // The first label with exactly this id; logs a warning when there is none.
    const LabelSpec *findLabel(const QString &id) const;
    // Its text, placeholders untouched; empty (after the warning) when missing.
    QString labelText(const QString &id) const;
    // The same as the user reads it: in the user's language where there is a
    // translation for the id, otherwise in the file's English.
    QString shownText(const QString &id) const;

    bool valid = false;
    QList<CircleSpec> circles;
    QList<LabelSpec> labels;
};

// A label's text as the user reads it. The layout file holds the English;
// translations are looked up by the entry's id in the context "Layout", so a
// language that lacks one text shows that text in English, never nothing.
QString shownText(const LabelSpec &label);
// Whether the user's language has its own text for the entry.
bool hasTranslation(const QString &id);

QString circleSpecText(const CircleSpec &circle);
QString labelSpecText(const LabelSpec &label);
QString guiSettingsText(const GuiSettings &settings);
QDebug operator<<(QDebug debug, const CircleSpec &circle);
QDebug operator<<(QDebug debug, const LabelSpec &label);
QDebug operator<<(QDebug debug, const GuiSettings &settings);

struct AppState {
    GuiSettings settings;
    QString desiredName;     // of the embedded firmware
    quint8 desiredType = 0;  // product type of the embedded firmware
    QString desiredRevision; // revision of the embedded firmware
};

extern AppState app_state;
