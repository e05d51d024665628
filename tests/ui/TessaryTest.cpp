// Tessary's window with scripted dialogs: loading Form1 runs the whole job with the exact
// texts, in order, and the window then holds one line on how it ended; the command line
// writes the same bytes.
#include "duplicator/app/Form1.h"
#include "support/ScriptedDialogs.h"

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using kestrelon::duplicator::Form1;
using kestrelon::duplicator::JobOutcome;
using kestrelon::testing::ScriptedDialogs;

namespace {

const QString SelectSource = QStringLiteral("message: Please select the file containing figures to be duplicated");
const QString FigureFound = QStringLiteral("message: Figure Found");
const QString SelectOutput =
    QStringLiteral("message: Select where to save the duplicated figures.  DO NOT SAVE OVER AN EXISTING FILE");
const QString AskSoldier = QStringLiteral("input: How many soldier duplicates are needed?");
const QString AskKnight = QStringLiteral("input: How many knight duplicates are needed?");
const QString CancelledLine = QStringLiteral("The job was cancelled. No duplicates were written.");
const QString Cancelled = QStringLiteral("message: ") + CancelledLine;

QString testData(const char* name)
{
    return QStringLiteral(KESTRELON_TEST_DATA "/") + QLatin1String(name);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList shownTexts(const ScriptedDialogs& dialogs)
{
    QStringList texts;
    for (const std::string& entry : dialogs.shown)
        texts << QString::fromStdString(entry);
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(JobOutcome)

class TessaryTest : public QObject {
    Q_OBJECT

private slots:
    void windowIsForm1WithCaptionForm1();
    void loadingRunsTheJobThroughTheDialogs_data();
    void loadingRunsTheJobThroughTheDialogs();
    void windowAndCommandLineWriteTheSameBytes_data();
    void windowAndCommandLineWriteTheSameBytes();

private:
    QByteArray runWindow(const QString& source, const QStringList& counts, const QString& output);
};

void TessaryTest::windowIsForm1WithCaptionForm1()
{
    ScriptedDialogs dialogs;
    Form1 form(dialogs);
    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Form1"));
    QVERIFY(!form.isVisible());
}

void TessaryTest::loadingRunsTheJobThroughTheDialogs_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("counts");
    QTest::addColumn<QStringList>("expectedShown");
    QTest::addColumn<JobOutcome>("outcome");
    QTest::addColumn<QByteArray>("expectedOutput");
    QTest::addColumn<QString>("expectedLine"); // OUTPUT stands for the output's path

    const QString twoFigures = testData("dup-two-figures.an8");
    const QByteArray twoFiguresOut = contents(testData("dup-two-figures-2-3-expected.an8"));
    QTest::newRow("two figures, 2 and 3 copies")
        << twoFigures << QStringList{"2", "3"}
        << QStringList{SelectSource, "open", FigureFound, FigureFound, AskSoldier, AskKnight, SelectOutput, "save"}
        << JobOutcome::Written << twoFiguresOut << QStringLiteral("Wrote 5 copies of 2 figures to OUTPUT.");
    QTest::newRow("a count asked again says why")
        << twoFigures << QStringList{"2", "3000000000", "3"}
        << QStringList{SelectSource, "open", FigureFound, FigureFound, AskSoldier, AskKnight,
                       QStringLiteral("input: \"3000000000\" is too large: a count is at most 2147483647.\n"
                                      "How many knight duplicates are needed?"),
                       SelectOutput, "save"}
        << JobOutcome::Written << twoFiguresOut << QStringLiteral("Wrote 5 copies of 2 figures to OUTPUT.");
    QTest::newRow("a source without figures")
        << testData("dup-no-figures.an8") << QStringList{} << QStringList{SelectSource, "open", SelectOutput, "save"}
        << JobOutcome::Written << QByteArray()
        << QStringLiteral("Wrote 0 copies of 0 figures to OUTPUT: ") + testData("dup-no-figures.an8")
               + QStringLiteral(" has no figures before its first sequence.");
    QTest::newRow("the open dialog cancelled")
        << QString() << QStringList{} << QStringList{SelectSource, "open", Cancelled} << JobOutcome::Cancelled
        << QByteArray() << CancelledLine;
}

void TessaryTest::loadingRunsTheJobThroughTheDialogs()
{
    QFETCH(QString, source);
    QFETCH(QStringList, counts);
    QFETCH(QStringList, expectedShown);
    QFETCH(JobOutcome, outcome);
    QFETCH(QByteArray, expectedOutput);
    QFETCH(QString, expectedLine);
    QTemporaryDir folder;
    const QString output = folder.filePath(QStringLiteral("copies.an8"));

    ScriptedDialogs dialogs;
    if (source.isEmpty())
        dialogs.files.push_back(std::nullopt);
    else
        dialogs.files = {source.toStdString(), output.toStdString()};
    for (const QString& count : counts)
        dialogs.inputs.push_back(count.toStdString());
    Form1 form(dialogs);
    QCOMPARE(form.load(), outcome);

    QCOMPARE(shownTexts(dialogs), expectedShown);
    const QList<QWidget*> children = form.findChildren<QWidget*>();
    QCOMPARE(children.size(), 1);
    auto* line = qobject_cast<QLabel*>(children.first());
    QVERIFY(line);
    QCOMPARE(line->objectName(), QStringLiteral("lblOutcome"));
    QCOMPARE(line->text(), QString(expectedLine).replace(QStringLiteral("OUTPUT"), output));
    QCOMPARE(QFile::exists(output), outcome == JobOutcome::Written);
    if (outcome == JobOutcome::Written)
        QCOMPARE(contents(output), expectedOutput);
}

QByteArray TessaryTest::runWindow(const QString& source, const QStringList& counts, const QString& output)
{
    ScriptedDialogs dialogs;
    dialogs.files = {source.toStdString(), output.toStdString()};
    for (const QString& count : counts)
        dialogs.inputs.push_back(count.toStdString());
    Form1 form(dialogs);
    return form.load() == JobOutcome::Written ? contents(output) : QByteArray("the window wrote nothing");
}

void TessaryTest::windowAndCommandLineWriteTheSameBytes_data()
{
    QTest::addColumn<QStringList>("counts");
    QTest::addColumn<QByteArray>("expectedEnd");
    QTest::newRow("2 and 3 copies") << QStringList{"2", "3"}
                                    << QByteArray(" figure { \"knight005\"  bone { \"root\"    length { 2 }  }} ");
    QTest::newRow("from the thousandth copy on the number is written in full")
        << QStringList{"999", "2"}
        << QByteArray(" figure { \"knight1000\"  bone { \"root\"    length { 2 }  }}  "
                      "figure { \"knight1001\"  bone { \"root\"    length { 2 }  }} ");
    QTest::newRow("halves go to the even neighbour") << QStringList{"0.5", "2.5"}
                                                     << QByteArray("\"knight002\"  bone { \"root\"    length { 2 }  }} ");
}

void TessaryTest::windowAndCommandLineWriteTheSameBytes()
{
    QFETCH(QStringList, counts);
    QFETCH(QByteArray, expectedEnd);
    QTemporaryDir folder;
    const QString source = testData("dup-two-figures.an8");
    const QByteArray fromWindow = runWindow(source, counts, folder.filePath(QStringLiteral("window.an8")));

    const QString cliOutput = folder.filePath(QStringLiteral("cli.an8"));
    QProcess cli;
    cli.start(QStringLiteral(KESTRELON_CLI), QStringList{"duplicate", source, cliOutput} + counts);
    QVERIFY(cli.waitForFinished(-1));
    QCOMPARE(cli.exitCode(), 0);

    QVERIFY(fromWindow.endsWith(expectedEnd));
    QCOMPARE(contents(cliOutput), fromWindow);
}

QTEST_MAIN(TessaryTest)
#include "TessaryTest.moc"
