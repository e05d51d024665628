// The Qt dialogs as the user meets them: the program's title on every box, a prompt with no
// proposed answer, OK only on messages, and file dialogs that honour their kept settings.
#include "ModalDriver.h"
#include "ui/dialogs/QtDialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

using kestrelon::FileDialogState;
using kestrelon::testing::whenModalShown;
using kestrelon::ui::QtDialogs;

class QtDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void messageShowsTheTextUnderTheTitleWithOkOnly();
    void silenceCheckBoxIsOfferedUncheckedAndReported_data();
    void silenceCheckBoxIsOfferedUncheckedAndReported();
    void questionAnswersYesOrNo_data();
    void questionAnswersYesOrNo();
    void inputBoxProposesNothingAndReportsCancel_data();
    void inputBoxProposesNothingAndReportsCancel();
    void openDialogHonoursTheKeptSettings();
    void cancelledOpenDialogKeepsTheLastFileName();
    void saveDialogAddsTheDefaultExtension();
    void eightBitTextThatIsNotUtf8IsShownAsLatin1();

private:
    QtDialogs m_dialogs{nullptr, QStringLiteral("Tessary")};
};

void QtDialogsTest::messageShowsTheTextUnderTheTitleWithOkOnly()
{
    QString title, text;
    Qt::TextFormat format = Qt::AutoText;
    int buttons = 0;
    whenModalShown<QMessageBox>([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        format = box->textFormat();
        buttons = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    m_dialogs.message("Select where to save the duplicated figures.  DO NOT SAVE OVER AN EXISTING FILE");
    QCOMPARE(title, QStringLiteral("Tessary"));
    QCOMPARE(text, QStringLiteral("Select where to save the duplicated figures.  DO NOT SAVE OVER AN EXISTING FILE"));
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(buttons, 1);
}

void QtDialogsTest::silenceCheckBoxIsOfferedUncheckedAndReported_data()
{
    QTest::addColumn<bool>("check");
    QTest::newRow("left unchecked") << false;
    QTest::newRow("checked") << true;
}

void QtDialogsTest::silenceCheckBoxIsOfferedUncheckedAndReported()
{
    QFETCH(bool, check);
    QString label;
    bool checkedAtFirst = true;
    whenModalShown<QMessageBox>([&](QMessageBox* box) {
        QCheckBox* silence = box->checkBox();
        if (silence) {
            label = silence->text();
            checkedAtFirst = silence->isChecked();
            silence->setChecked(check);
        }
        box->button(QMessageBox::Ok)->click();
    });
    const bool silenced = m_dialogs.messageOfferingSilence("Attack!", "Do not show these messages again during this run");
    QCOMPARE(label, QStringLiteral("Do not show these messages again during this run"));
    QVERIFY(!checkedAtFirst);
    QCOMPARE(silenced, check);
}

void QtDialogsTest::questionAnswersYesOrNo_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("expected");
    QTest::newRow("yes") << static_cast<int>(QMessageBox::Yes) << true;
    QTest::newRow("no") << static_cast<int>(QMessageBox::No) << false;
}

void QtDialogsTest::questionAnswersYesOrNo()
{
    QFETCH(int, button);
    QFETCH(bool, expected);
    QString title;
    whenModalShown<QMessageBox>([&](QMessageBox* box) {
        title = box->windowTitle();
        box->button(static_cast<QMessageBox::StandardButton>(button))->click();
    });
    QCOMPARE(m_dialogs.question("Save the project?"), expected);
    QCOMPARE(title, QStringLiteral("Tessary"));
}

void QtDialogsTest::inputBoxProposesNothingAndReportsCancel_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accept");
    QTest::newRow("a number") << QStringLiteral("7") << true;
    QTest::newRow("an empty answer is still an answer") << QString() << true;
    QTest::newRow("cancelled") << QStringLiteral("7") << false;
}

void QtDialogsTest::inputBoxProposesNothingAndReportsCancel()
{
    QFETCH(QString, typed);
    QFETCH(bool, accept);
    QString title, prompt, proposed = QStringLiteral("unset");
    whenModalShown<QInputDialog>([&](QInputDialog* dialog) {
        title = dialog->windowTitle();
        prompt = dialog->labelText();
        proposed = dialog->textValue();
        dialog->setTextValue(typed);
        accept ? dialog->accept() : dialog->reject();
    });
    const std::optional<std::string> answer = m_dialogs.inputBox("How many knight duplicates are needed?");
    QCOMPARE(title, QStringLiteral("Tessary"));
    QCOMPARE(prompt, QStringLiteral("How many knight duplicates are needed?"));
    QCOMPARE(proposed, QString());
    QCOMPARE(answer.has_value(), accept);
    if (accept)
        QCOMPARE(QString::fromStdString(*answer), typed);
}

void QtDialogsTest::openDialogHonoursTheKeptSettings()
{
    QTemporaryDir folder;
    const QString chosen = folder.filePath(QStringLiteral("army.an8"));
    QFile(chosen).open(QIODevice::WriteOnly);
    FileDialogState state{"An8 files (*.an8)", "an8", folder.filePath(QStringLiteral("last.an8")).toStdString(),
                          "Pick figures"};
    QString title, directory;
    QStringList filters, proposed;
    whenModalShown<QFileDialog>([&](QFileDialog* dialog) {
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        directory = dialog->directory().absolutePath();
        proposed = dialog->selectedFiles();
        dialog->selectFile(chosen);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const std::optional<std::string> path = m_dialogs.openFile(state);
    QCOMPARE(title, QStringLiteral("Pick figures"));
    QCOMPARE(filters, QStringList({QStringLiteral("An8 files (*.an8)"), QStringLiteral("All files (*)")}));
    QCOMPARE(directory, QDir(folder.path()).absolutePath());
    QCOMPARE(proposed, QStringList{folder.filePath(QStringLiteral("last.an8"))});
    QVERIFY(path.has_value());
    QCOMPARE(QString::fromStdString(*path), chosen);
    QCOMPARE(QString::fromStdString(state.fileName), chosen);
}

void QtDialogsTest::cancelledOpenDialogKeepsTheLastFileName()
{
    FileDialogState state{{}, {}, "/tmp/last.an8", {}};
    whenModalShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    QVERIFY(!m_dialogs.openFile(state).has_value());
    QCOMPARE(state.fileName, std::string("/tmp/last.an8"));
}

void QtDialogsTest::saveDialogAddsTheDefaultExtension()
{
    QTemporaryDir folder;
    FileDialogState state{"An8 files (*.an8)", "an8", folder.path().toStdString(), {}};
    QString directory;
    QStringList proposed;
    whenModalShown<QFileDialog>([&](QFileDialog* dialog) {
        directory = dialog->directory().absolutePath();
        proposed = dialog->selectedFiles();
        dialog->selectFile(QStringLiteral("copies"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const std::optional<std::string> path = m_dialogs.saveFile(state);
    QCOMPARE(directory, QDir(folder.path()).absolutePath());
    QVERIFY2(proposed.isEmpty() || QFileInfo(proposed.constFirst()).isDir(), qPrintable(proposed.join(',')));
    QVERIFY(path.has_value());
    QCOMPARE(QString::fromStdString(*path), folder.filePath(QStringLiteral("copies.an8")));
}

void QtDialogsTest::eightBitTextThatIsNotUtf8IsShownAsLatin1()
{
    QCOMPARE(kestrelon::ui::toQString("caf\xe9"), QStringLiteral("caf\u00e9"));
    QCOMPARE(kestrelon::ui::toQString("caf\xc3\xa9"), QStringLiteral("caf\u00e9"));
}

QTEST_MAIN(QtDialogsTest)
#include "QtDialogsTest.moc"
