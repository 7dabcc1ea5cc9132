// Which translation a user gets for the languages the system (or
// --language) names, among those the tool carries.

#include "language.h"

#include <QtTest>

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void chooseLanguage_data();
    void chooseLanguage();
};

void TestLanguage::chooseLanguage_data()
{
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("nothing named") << QStringList{} << "";
    QTest::newRow("C locale") << QStringList{"C"} << "";
    QTest::newRow("language alone") << QStringList{"de"} << "de";
    QTest::newRow("language and country, the language carried") << QStringList{"de-AT", "de"} << "de";
    QTest::newRow("underscore as in LANGUAGE") << QStringList{"fr_CA"} << "fr";
    QTest::newRow("Brazilian Portuguese") << QStringList{"pt-BR"} << "pt_BR";
    QTest::newRow("Portuguese of Portugal gets Brazil's") << QStringList{"pt-PT"} << "pt_BR";
    QTest::newRow("simplified Chinese by country") << QStringList{"zh-CN"} << "zh_CN";
    QTest::newRow("simplified Chinese by script") << QStringList{"zh-Hans-SG"} << "zh_CN";
    QTest::newRow("traditional Chinese is not given simplified") << QStringList{"zh-TW", "ja"} << "ja";
    QTest::newRow("first carried language wins") << QStringList{"nl", "sv", "it", "de"} << "it";
    QTest::newRow("English before another") << QStringList{"en-GB", "de"} << "";
    QTest::newRow("none carried") << QStringList{"nl", "sv"} << "";
    QTest::newRow("nonsense") << QStringList{"xx-YY", "", "pl"} << "pl";
    QTest::newRow("the pseudo-language by its name") << QStringList{"en-XA"} << "en_XA";
}

void TestLanguage::chooseLanguage()
{
    QFETCH(QStringList, wanted);
    QFETCH(QString, chosen);
    const QStringList carried{"de", "en_XA", "es", "fr", "it", "ja", "pl", "pt_BR", "zh_CN"};
    QCOMPARE(::chooseLanguage(wanted, carried), chosen);
}

QTEST_APPLESS_MAIN(TestLanguage)
#include "tst_language.moc"
