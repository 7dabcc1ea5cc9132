#include "producttable.h"

const QList<ProductRow> &productTable()
{
    static const QList<ProductRow> rows{
        {0, "invalid", "Invalid", "N/A", "N/A"},
        {255, "undefined", "Undefined", "?", "?"},
        {3, "HLCN", "Halcyon", "Kappa-7", "Kappa-7 Link"},
        {4, "NMBO", "Nimbo", "Kappa-8", "Velmora Kappa-8"},
        {43, "BORA", "Borea", "Q5", "Q5 Link"},
        {11, "Q5W", "Q5w", "Q5 Works", "Q5 Works"},
        {132, "TRVO", "Tarvo", "T3S", "Velmora T3 & T3S"},
        {30, "KEST", "Kest", "T30", "Velmora T30"},
        {36, "LUNE", "Lune", "T4", "Velmora T4"},
        {140, "CLDR", "Caldera", "R20 or R20S", "Velmora R20S & R20 series"},
        {254, "unknown", "Unknown", "unknown", "unknown"},
    };
    return rows;
}

namespace {
const ProductRow *findRow(int number)
{
    for (const ProductRow &row : productTable())
        if (row.type == number)
            return &row;
    return nullptr;
}
} // namespace

bool isProductType(int number)
{
    return number >= 1 && number <= 253 && findRow(number);
}

int normalisedType(int number)
{
    return findRow(number) ? number : unknownType;
}

QString productCode(int number)
{
    const ProductRow *row = findRow(number);
    return row ? row->code : QStringLiteral("impossible type");
}

QString productModel(int number)
{
    const ProductRow *row = findRow(number);
    return row ? row->model : QString();
}

QString productDisplayName(int number)
{
    const ProductRow *row = findRow(number);
    return row ? row->display_name : QString();
}

ProductInfo productInfoFromWord(quint32 word)
{
    ProductInfo info;
    info.raw_type = qint32(word & 0xFF);
    info.type = quint8(normalisedType(int(word & 0xFF)));
    info.extra = {quint8((word >> 8) & 0xFF), quint8((word >> 16) & 0xFF), quint8((word >> 24) & 0xFF)};
    return info;
}

QString productInfoText(const ProductInfo &info)
{
    QString text = QStringLiteral("ProductInfo: %1 (%2)").arg(productCode(info.type)).arg(info.type);
    const bool plainExtra = info.extra[0] == 0xFF && info.extra[1] == 0xFF && info.extra[2] == 0xFF;
    if (info.type == unknownType || !plainExtra) {
        auto hex = [](int byte) { return QStringLiteral("%1").arg(byte & 0xFF, 2, 16, QLatin1Char('0')); };
        text += QStringLiteral(" [%1 %2 %3 %4]")
                    .arg(hex(info.raw_type), hex(info.extra[0]), hex(info.extra[1]), hex(info.extra[2]));
    }
    return text;
}

// Model names are read the way they are written: a code such as "T30" or
// "R20S" letter by letter ("an R", "a T"), a word such as "Kappa-7" or
// "unknown" as a word.
QString withIndefiniteArticle(const QString &model)
{
    if (model.isEmpty())
        return model;
    const QChar first = model.at(0);
    int letters = 0;
    while (letters < model.size() && model.at(letters).isLetter())
        ++letters;
    const bool spelled = letters > 0 && letters <= 2 && model.left(letters) == model.left(letters).toUpper();
    bool vowelSound = false;
    if (spelled) // letters whose names begin with a vowel sound
        vowelSound = QStringLiteral("AEFHILMNORSX").contains(first.toUpper());
    else if (first.isLetter())
        vowelSound = QStringLiteral("aeiou").contains(first.toLower());
    else if (first.isDigit()) // "an 8", "an 11" and "an 18" are spoken with a vowel
        vowelSound = first == '8' || model.startsWith(QLatin1String("11")) || model.startsWith(QLatin1String("18"));
    return (vowelSound ? QStringLiteral("an ") : QStringLiteral("a ")) + model;
}
