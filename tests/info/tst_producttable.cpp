#include "producttable.h"

#include <QtTest>

class TestProductTable : public QObject {
    Q_OBJECT

private slots:
    void lookups_data();
    void lookups();
    void identityText_data();
    void identityText();
    void defaultIdentity();
    void everyModelWithItsArticle_data();
    void everyModelWithItsArticle();
};

void TestProductTable::lookups_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("normalised");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("displayName");
    QTest::addColumn<bool>("product");

    QTest::newRow("30") << 30 << 30 << "KEST" << "T30" << "Velmora T30" << true;
    QTest::newRow("36") << 36 << 36 << "LUNE" << "T4" << "Velmora T4" << true;
    QTest::newRow("43") << 43 << 43 << "BORA" << "Q5" << "Q5 Link" << true;
    QTest::newRow("140") << 140 << 140 << "CLDR" << "R20 or R20S" << "Velmora R20S & R20 series" << true;
    QTest::newRow("3") << 3 << 3 << "HLCN" << "Kappa-7" << "Kappa-7 Link" << true;
    QTest::newRow("0 invalid") << 0 << 0 << "invalid" << "N/A" << "N/A" << false;
    QTest::newRow("255 undefined") << 255 << 255 << "undefined" << "?" << "?" << false;
    QTest::newRow("254 unknown") << 254 << 254 << "unknown" << "unknown" << "unknown" << false;
    QTest::newRow("7 not a row") << 7 << 254 << "impossible type" << "" << "" << false;
    QTest::newRow("35 not a row") << 35 << 254 << "impossible type" << "" << "" << false;
    QTest::newRow("256 outside a byte") << 256 << 254 << "impossible type" << "" << "" << false;
}

void TestProductTable::lookups()
{
    QFETCH(int, number);
    QFETCH(int, normalised);
    QFETCH(QString, code);
    QFETCH(QString, model);
    QFETCH(QString, displayName);
    QFETCH(bool, product);
    QCOMPARE(normalisedType(number), normalised);
    QCOMPARE(productCode(number), code);
    QCOMPARE(productModel(number), model);
    QCOMPARE(productDisplayName(number), displayName);
    QCOMPARE(isProductType(number), product);
}

void TestProductTable::identityText_data()
{
    QTest::addColumn<quint32>("word");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("rawType");
    QTest::addColumn<QString>("text");

    QTest::newRow("T30") << 0xFFFFFF1Eu << 30 << 30 << "ProductInfo: KEST (30)";
    QTest::newRow("T30 with an extra byte") << 0xFFFF011Eu << 30 << 30 << "ProductInfo: KEST (30) [1e 01 ff ff]";
    QTest::newRow("T30, second extra byte set") << 0xFF01FF1Eu << 30 << 30 << "ProductInfo: KEST (30) [1e ff 01 ff]";
    QTest::newRow("T30, third extra byte set") << 0x01FFFF1Eu << 30 << 30 << "ProductInfo: KEST (30) [1e ff ff 01]";
    QTest::newRow("all zero") << 0x00000000u << 0 << 0 << "ProductInfo: invalid (0) [00 00 00 00]";
    QTest::newRow("type 7 always bracketed") << 0xFFFFFF07u << 254 << 7 << "ProductInfo: unknown (254) [07 ff ff ff]";
    QTest::newRow("255 is a row") << 0xFFFFFFFFu << 255 << 255 << "ProductInfo: undefined (255)";
    QTest::newRow("extra bytes in order") << 0x03020124u << 36 << 36 << "ProductInfo: LUNE (36) [24 01 02 03]";
    QTest::newRow("254 stored") << 0xFFFFFFFEu << 254 << 254 << "ProductInfo: unknown (254) [fe ff ff ff]";
}

void TestProductTable::identityText()
{
    QFETCH(quint32, word);
    QFETCH(int, type);
    QFETCH(int, rawType);
    QFETCH(QString, text);
    const ProductInfo info = productInfoFromWord(word);
    QCOMPARE(int(info.type), type);
    QCOMPARE(info.raw_type, rawType);
    QCOMPARE(int(info.extra[0]), int((word >> 8) & 0xFF));
    QCOMPARE(int(info.extra[2]), int(word >> 24));
    QCOMPARE(productInfoText(info), text);
}

void TestProductTable::defaultIdentity()
{
    const ProductInfo info;
    QCOMPARE(int(info.type), 0);
    QCOMPARE(info.raw_type, 0);
    QCOMPARE(productInfoText(info), QString("ProductInfo: invalid (0)"));
}

// Every model of the table, as the status line speaks of it.
void TestProductTable::everyModelWithItsArticle_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("spoken");
    const QMap<QString, QString> expected{
        {"N/A", "an N/A"},           {"?", "a ?"},
        {"Kappa-7", "a Kappa-7"},    {"Kappa-8", "a Kappa-8"},
        {"Q5", "a Q5"},              {"Q5 Works", "a Q5 Works"},
        {"T3S", "a T3S"},            {"T30", "a T30"},
        {"T4", "a T4"},              {"R20 or R20S", "an R20 or R20S"},
        {"unknown", "an unknown"}};
    for (const ProductRow &row : productTable()) {
        QVERIFY2(expected.contains(row.model), qPrintable("no expected phrase for " + row.model));
        QTest::newRow(qPrintable(row.model)) << row.model << expected[row.model];
    }
    // Models that may come: letters spoken by name, words as words, numbers.
    QTest::newRow("F") << "F2" << "an F2";
    QTest::newRow("H") << "HX7" << "an HX7";
    QTest::newRow("word with a vowel") << "Orbit" << "an Orbit";
    QTest::newRow("number") << "8000" << "an 8000";
    QTest::newRow("other number") << "500" << "a 500";
    QTest::newRow("eleven") << "11B" << "an 11B";
    QTest::newRow("eighteen") << "1800" << "an 1800";
    QTest::newRow("one") << "1X" << "a 1X";
    QTest::newRow("three letters") << "TRX4" << "a TRX4";
    QTest::newRow("word with a consonant") << "Delta" << "a Delta";
    QTest::newRow("lower-case code") << "x2" << "a x2"; // read as a word
    QTest::newRow("nothing") << "" << "";
}

void TestProductTable::everyModelWithItsArticle()
{
    QFETCH(QString, model);
    QTEST(withIndefiniteArticle(model), "spoken");
}

QTEST_GUILESS_MAIN(TestProductTable)
#include "tst_producttable.moc"
