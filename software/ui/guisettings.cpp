#include "guisettings.h"

#include "payload.h"
#include "platform.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

AppState app_state;

namespace {

// Integers: whole JSON numbers in range only, anything else is 0 (toInt()).
LabelSpec readLabel(const QJsonObject &object)
{
    LabelSpec label;
    if (object.contains("id"))
        label.id = object["id"].toString();
    if (object.contains("position")) {
        const QJsonValue position = object["position"];
        if (position.isObject()) {
            const QJsonObject point = position.toObject();
            if (point.contains("x"))
                label.x = point["x"].toInt();
            if (point.contains("y"))
                label.y = point["y"].toInt();
        }
    }
    if (object.contains("size"))
        label.size = object["size"].toInt();
    if (object.contains("font"))
        label.font = object["font"].toString();
    if (object.contains("create"))
        label.create = object["create"].toBool();
    if (object.contains("white"))
        label.white = object["white"].toBool();
    if (object.contains("text"))
        label.text = object["text"].toString();
    return label;
}

CircleSpec readCircle(const QJsonObject &object)
{
    CircleSpec circle;
    circle.name = object["name"].toString();
    const QJsonObject center = object["center"].toObject();
    circle.x = center["x"].toInt();
    circle.y = center["y"].toInt();
    circle.radius = object["radius"].toInt();
    circle.pen_width = object["pen_width"].toInt();
    circle.color = QColor(object["color"].toString());
    return circle;
}

} // namespace

GuiSettings::GuiSettings(const QString &documentText)
{
    // Qt's reader keeps raw control characters inside strings, as the shipped
    // file has them (CR LF within texts); a parse error just gives no entries.
    const QJsonObject root = QJsonDocument::fromJson(documentText.toUtf8()).object();
    for (const QJsonValue circle : root["circles"].toArray())
        circles.append(readCircle(circle.toObject()));
    for (const QJsonValue label : root["labels"].toArray())
        labels.append(readLabel(label.toObject()));
    valid = true;
}

GuiSettings GuiSettings::fromFile(const QString &path)
{
    return GuiSettings(readTextFile(path));
}

const LabelSpec *GuiSettings::findLabel(const QString &id) const
{
    for (const LabelSpec &label : labels)
        if (label.id == id)
            return &label;
    qWarning() << "No matching label with id" << id << "found";
    return nullptr;
}

QString GuiSettings::labelText(const QString &id) const
{
    const LabelSpec *label = findLabel(id);
    return label ? label->text : QString();
}

QString circleSpecText(const CircleSpec &circle)
{
    return QStringLiteral("Circle '%1': (%2,%3), r=%4, w=%5, color=%6")
        .arg(circle.name, QString::number(circle.x), QString::number(circle.y), QString::number(circle.radius),
             QString::number(circle.pen_width), circle.color.name(QColor::HexArgb));
}

QString labelSpecText(const LabelSpec &label)
{
    return QStringLiteral("Label '%1': (%2,%3) {%4%5%6} font='%7':%8: '%9'")
        .arg(label.id, QString::number(label.x), QString::number(label.y),
             label.white ? QString() : QStringLiteral("not-white"),
             !label.white && !label.create ? QStringLiteral(" ") : QString(),
             label.create ? QString() : QStringLiteral("no-create"), label.font, QString::number(label.size),
             label.text);
}

QString guiSettingsText(const GuiSettings &settings)
{
    QString text = QStringLiteral("GUI settings:\n");
    if (!settings.valid)
        return text + QStringLiteral("\tInvalid\n");
    for (const CircleSpec &circle : settings.circles)
        text += '\t' + circleSpecText(circle) + '\n';
    for (const LabelSpec &label : settings.labels)
        text += '\t' + labelSpecText(label) + '\n';
    return text;
}

namespace {

// The user's language's text for a layout entry, or a null string.
QString layoutTranslation(const QString &id)
{
    if (id.isEmpty())
        return QString();
    // Qt gives back the id itself when the language has no text for it.
    const QString translated = QCoreApplication::translate("Layout", id.toUtf8().constData());
    return translated != id ? translated : QString();
}

} // namespace

bool hasTranslation(const QString &id)
{
    return !layoutTranslation(id).isNull();
}

QString shownText(const LabelSpec &label)
{
    const QString translated = layoutTranslation(label.id);
    return translated.isNull() ? label.text : translated;
}

QString GuiSettings::shownText(const QString &id) const
{
    const LabelSpec *label = findLabel(id);
    return label ? ::shownText(*label) : QString();
}

QDebug operator<<(QDebug debug, const CircleSpec &circle)
{
    return writeUnquoted(debug, circleSpecText(circle));
}

QDebug operator<<(QDebug debug, const LabelSpec &label)
{
    return writeUnquoted(debug, labelSpecText(label));
}

QDebug operator<<(QDebug debug, const GuiSettings &settings)
{
    return writeUnquoted(debug, guiSettingsText(settings));
}
