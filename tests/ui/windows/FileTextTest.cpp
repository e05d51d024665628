// Texts from files shown and stored again: UTF-8 where valid, Windows-1252 otherwise, every
// byte surviving the round trip, and an edit stored in the encoding the text came in.
#include "ui/dialogs/FileText.h"

#include <QtTest>

using kestrelon::ui::toFileBytes;
using kestrelon::ui::toQString;

class FileTextTest : public QObject {
    Q_OBJECT

private slots:
    void bytesAreShownAsUtf8OrWindows1252_data();
    void bytesAreShownAsUtf8OrWindows1252();
    void everyByteSurvivesShowingAndStoring();
    void editedTextKeepsItsEncodingWherePossible_data();
    void editedTextKeepsItsEncodingWherePossible();
};

void FileTextTest::bytesAreShownAsUtf8OrWindows1252_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << QByteArray("knight") << QStringLiteral("knight");
    QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9") << QStringLiteral("caf\u00e9");
    QTest::newRow("Windows-1252 letter") << QByteArray("caf\xe9") << QStringLiteral("caf\u00e9");
    QTest::newRow("Windows-1252 euro and quotes") << QByteArray("\x80 \x93x\x94") << QStringLiteral("\u20ac \u201cx\u201d");
    QTest::newRow("unassigned byte keeps its number") << QByteArray("a\x81") << QStringLiteral("a\u0081");
    QTest::newRow("broken UTF-8 is Windows-1252") << QByteArray("\xc3(") << QStringLiteral("\u00c3(");
}

void FileTextTest::bytesAreShownAsUtf8OrWindows1252()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QCOMPARE(toQString(bytes.toStdString()), shown);
}

void FileTextTest::everyByteSurvivesShowingAndStoring()
{
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    QCOMPARE(toFileBytes(toQString(all), all), all);
    std::string rebuilt;
    QVERIFY(kestrelon::ui::encodeWindows1252(toQString(all), rebuilt));
    QCOMPARE(rebuilt, all);
}

void FileTextTest::editedTextKeepsItsEncodingWherePossible_data()
{
    QTest::addColumn<QByteArray>("original");
    QTest::addColumn<QString>("edited");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("unchanged UTF-8") << QByteArray("caf\xc3\xa9") << QStringLiteral("caf\u00e9") << QByteArray("caf\xc3\xa9");
    QTest::newRow("edited UTF-8") << QByteArray("caf\xc3\xa9") << QStringLiteral("caf\u00e9s") << QByteArray("caf\xc3\xa9s");
    QTest::newRow("edited Windows-1252") << QByteArray("caf\xe9") << QStringLiteral("caf\u00e9s") << QByteArray("caf\xe9s");
    QTest::newRow("no place in Windows-1252: UTF-8") << QByteArray("caf\xe9") << QStringLiteral("caf\u00e9 \u2603")
                                                      << QByteArray("caf\xc3\xa9 \xe2\x98\x83");
    QTest::newRow("new text is UTF-8") << QByteArray() << QStringLiteral("\u00e9") << QByteArray("\xc3\xa9");
}

void FileTextTest::editedTextKeepsItsEncodingWherePossible()
{
    QFETCH(QByteArray, original);
    QFETCH(QString, edited);
    QFETCH(QByteArray, stored);
    QCOMPARE(QByteArray::fromStdString(toFileBytes(edited, original.toStdString())), stored);
}

QTEST_APPLESS_MAIN(FileTextTest)
#include "FileTextTest.moc"
