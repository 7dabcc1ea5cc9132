// The product family: type numbers, their names, and the 8-byte product
// identity that OTP entries and firmware images carry.
#pragma once

#include <QList>
#include <QString>

#include <array>

struct ProductRow {
    quint8 type;
    QString code;         // short code, used in identity texts
    QString name;         // code name of the product
    QString model;        // shown in status texts about a connected device
    QString display_name; // full product name shown in the window
};

// The rows in table order; lookups take the first match.
const QList<ProductRow> &productTable();

// Type classes: 0 invalid, 255 undefined (never programmed), 254 unknown.
constexpr quint8 invalidType = 0;
constexpr quint8 unknownType = 254;
constexpr quint8 undefinedType = 255;

// True for the numbers 1 to 253 that are rows: real products.
bool isProductType(int number);

int normalisedType(int number); // the number if it is a row, else 254
QString productCode(int number);        // "impossible type" if not a row
QString productModel(int number);       // "" if not a row
// The model with "a" or "an" as it is spoken: "a T30", "an R20 or R20S", "a Kappa-7".
QString withIndefiniteArticle(const QString &model);
QString productDisplayName(int number); // "" if not a row

struct ProductInfo {
    quint8 type = invalidType;                  // normalised type
    std::array<quint8, 3> extra{0xFF, 0xFF, 0xFF}; // the bytes above the type byte
    qint32 raw_type = 0;                        // the type byte as stored
};

// Decodes a product word: type byte in the low byte, extra bytes above it.
ProductInfo productInfoFromWord(quint32 word);

// "ProductInfo: KEST (30)", with " [1e 01 ff ff]" when the type is unknown or
// an extra byte is not 0xFF.
QString productInfoText(const ProductInfo &info);
