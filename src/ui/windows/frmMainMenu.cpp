// The main window's menus, boxes and Run button, and what the program does on Exit: the
// editors close with the main window, and unsaved changes are offered for saving first.
#include "ui/windows/frmMainMenu.h"

#include "model/ArmyTotals.h"
#include "platform/Rounding.h"
#include "sim/BattleRun.h"
#include "ui/dialogs/FileText.h"
#include "ui/windows/RunProgress.h"
#include "ui/windows/frmAI.h"
#include "ui/windows/frmArmies.h"
#include "ui/windows/frmFiles.h"
#include "ui/windows/frmPos.h"
#include "ui/windows/frmPreview.h"
#include "ui/windows/frmTypes.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <cassert>

namespace kestrelon::ui {
namespace {

const QString Title = QStringLiteral("Kestrelon!");

// The output box shows at most this much of a run's text: a big battle's scene text is one
// line of many megabytes, which a text box would take minutes to lay out. The run keeps no
// more than this of it, and the file holds it all.
constexpr std::size_t ShownOutputLimit = std::size_t{1} << 20;

QLineEdit* createBox(QWidget* parent, const char* name, const QString& text, const QString& tip)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setToolTip(tip);
    return box;
}

} // namespace

frmMainMenu::frmMainMenu(Dialogs& dialogs, QWidget* parent) : QMainWindow(parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmMainMenu"));
    setWindowTitle(Title);
    setAccessibleName(QStringLiteral("Kestrelon"));
    createMenus();
    createControls();
    resize(640, 480);
    showArmyTotals(); // the program's start is the window's first activation
    connect(&m_session, &ProjectSession::stateChanged, this, &frmMainMenu::updateTitle);
    connect(&m_session, &ProjectSession::replaced, this, &frmMainMenu::showArmyTotals);
}

frmMainMenu::~frmMainMenu() = default;

void frmMainMenu::createMenus()
{
    createFileMenu();
    createSetupMenu();
}

QAction* frmMainMenu::addItem(QMenu* menu, const char* name, const QString& caption)
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    return item;
}

void frmMainMenu::createFileMenu()
{
    QMenu* cmdFile = menuBar()->addMenu(QStringLiteral("File"));
    cmdFile->setObjectName(QStringLiteral("cmdFile"));
    QAction* cmdSave = addItem(cmdFile, "cmdSave", QStringLiteral("Save"));
    cmdSave->setShortcut(QKeySequence::Save);
    connect(cmdSave, &QAction::triggered, this, &frmMainMenu::saveProject);
    QAction* cmdLoad = addItem(cmdFile, "cmdLoad", QStringLiteral("Load"));
    cmdLoad->setShortcut(QKeySequence::Open);
    connect(cmdLoad, &QAction::triggered, this, &frmMainMenu::loadProject);
    cmdFile->addSeparator();
    QAction* cmdExit = addItem(cmdFile, "cmdExit", QStringLiteral("Exit"));
    cmdExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(cmdExit, &QAction::triggered, this, &QWidget::close);
}

void frmMainMenu::createSetupMenu()
{
    QMenu* cmdSetup = menuBar()->addMenu(QStringLiteral("Setup"));
    cmdSetup->setObjectName(QStringLiteral("cmdSetup"));
    connect(addItem(cmdSetup, "cmdTypes", QStringLiteral("Types")), &QAction::triggered, this, &frmMainMenu::showTypes);
    connect(addItem(cmdSetup, "cmdArmies", QStringLiteral("Armies")), &QAction::triggered, this,
            &frmMainMenu::showArmies);
    connect(addItem(cmdSetup, "cmdFiles", QStringLiteral("Files")), &QAction::triggered, this, &frmMainMenu::showFiles);
    connect(addItem(cmdSetup, "cmdAI", QStringLiteral("AI")), &QAction::triggered, this, &frmMainMenu::showAI);
    connect(addItem(cmdSetup, "cmdPos", QStringLiteral("Positioning")), &QAction::triggered, this,
            &frmMainMenu::showPos);
}

// Top to bottom: the three labelled boxes, the Run button, then the output filling the rest.
void frmMainMenu::createControls()
{
    auto* central = new QWidget(this);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    const auto addRow = [&](const char* labelName, const QString& caption, QLineEdit* box) {
        auto* label = new QLabel(caption, central);
        label->setObjectName(QLatin1String(labelName));
        label->setBuddy(box);
        form->addRow(label, box);
    };
    txtFrames = createBox(central, "txtFrames", QStringLiteral("60"),
                          QStringLiteral("How many frames the battle lasts; the run makes one pass more"));
    addRow("Label1", QStringLiteral("Frames:"), txtFrames);
    ArmyNum[1] = createBox(central, "ArmyNum(1)", QStringLiteral("10"),
                           QStringLiteral("Units in army 1: the \"# in action\" of its types, added up"));
    addRow("Label2", QStringLiteral("Units (Army 1)"), ArmyNum[1]);
    ArmyNum[2] = createBox(central, "ArmyNum(2)", QStringLiteral("5"),
                           QStringLiteral("Units in army 2: the \"# in action\" of its types, added up"));
    addRow("Label3", QStringLiteral("Units (Army 2)"), ArmyNum[2]);
    // The army boxes only show totals, which the next activation would overwrite anyway.
    for (QLineEdit* box : {ArmyNum[1], ArmyNum[2]})
        box->setReadOnly(true);
    for (QLineEdit* box : {txtFrames, ArmyNum[1], ArmyNum[2]})
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("more than 2147483647  ")));

    Command1 = new QPushButton(QStringLiteral("Run"), central);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(QStringLiteral("Save the project, run the battle and write its scene (Ctrl+R)"));
    Command1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(Command1, &QPushButton::clicked, this, &frmMainMenu::runBattle);

    cmdPreview = new QPushButton(QStringLiteral("Preview"), central);
    cmdPreview->setObjectName(QStringLiteral("cmdPreview"));
    cmdPreview->setToolTip(QStringLiteral("Watch the last run on the map, frame by frame (Ctrl+P)"));
    cmdPreview->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    cmdPreview->setEnabled(false);
    connect(cmdPreview, &QPushButton::clicked, this, &frmMainMenu::showPreview);

    cmdShowInEditor = new QPushButton(QStringLiteral("Show in editor"), central);
    cmdShowInEditor->setObjectName(QStringLiteral("cmdShowInEditor"));
    cmdShowInEditor->setToolTip(QStringLiteral("Open the AI editor on the script that stopped the last run, at the "
                                               "failing line"));
    cmdShowInEditor->setVisible(false);
    connect(cmdShowInEditor, &QPushButton::clicked, this, &frmMainMenu::showFailureInEditor);

    txtDump = new QPlainTextEdit(QStringLiteral("Text1"), central);
    txtDump->setObjectName(QStringLiteral("txtDump"));
    txtDump->setAccessibleName(QStringLiteral("Output"));
    txtDump->setToolTip(QStringLiteral("The units' scene text of the last run"));
    txtDump->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtDump->setReadOnly(true);

    auto* column = new QVBoxLayout(central);
    column->addLayout(form);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(cmdPreview);
    buttons->addWidget(cmdShowInEditor);
    buttons->addStretch(1);
    column->addLayout(buttons);
    column->addWidget(txtDump, 1);
    setCentralWidget(central);
    statusBar()->setObjectName(QStringLiteral("statusBar"));
}

std::array<EditorWindow*, 5> frmMainMenu::editors() const
{
    return {m_types.get(), m_armies.get(), m_files.get(), m_ai.get(), m_pos.get()};
}

EditorWindow* frmMainMenu::editor(const QString& objectName) const
{
    for (EditorWindow* window : editors()) {
        if (window && window->objectName() == objectName)
            return window;
    }
    return nullptr;
}

// Each editor exists at most once: made on first use, then shown again and brought forward.
template <typename Editor>
void frmMainMenu::showEditorWindow(std::unique_ptr<Editor>& slot)
{
    if (!slot)
        slot = std::make_unique<Editor>(m_session, m_dialogs);
    slot->showEditor();
}

void frmMainMenu::showTypes() { showEditorWindow(m_types); }
void frmMainMenu::showArmies() { showEditorWindow(m_armies); }
void frmMainMenu::showFiles() { showEditorWindow(m_files); }
void frmMainMenu::showAI() { showEditorWindow(m_ai); }
void frmMainMenu::showPos() { showEditorWindow(m_pos); }

// The AI editor opens on the type whose script stopped the run, the failing line marked; the
// run's message said what the fault was.
void frmMainMenu::showFailureInEditor()
{
    if (!m_failure)
        return;
    showAI();
    m_ai->showFailure(m_failure->typeName, m_failure->line, m_failure->column);
}

void frmMainMenu::showPreview()
{
    if (!m_recording)
        return;
    if (!m_preview) {
        m_preview = std::make_unique<frmPreview>();
        m_preview->setRecording(m_recording, m_replay);
    }
    m_preview->show();
    m_preview->raise();
    m_preview->activateWindow();
}

// A run that completed its frames can be watched, whether or not its scene was written; an open
// Preview window shows it at once. A run that stopped early leaves the last one in place.
void frmMainMenu::keepRecording(sim::BattleRun& run)
{
    std::optional<sim::BattleRecording> recording = run.takeRecording();
    if (!recording)
        return;
    m_recording = std::make_shared<const sim::BattleRecording>(std::move(*recording));
    std::optional<sim::RunReplay> replay = run.takeReplay();
    m_replay = replay ? std::make_shared<const sim::RunReplay>(std::move(*replay)) : nullptr;
    cmdPreview->setEnabled(true);
    if (m_preview)
        m_preview->setRecording(m_recording, m_replay);
}

bool frmMainMenu::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate)
        showArmyTotals();
    return handled;
}

// The totals are recomputed whenever the user comes back to this window, so they follow the
// changes made in the editors.
void frmMainMenu::showArmyTotals()
{
    for (std::int32_t army = 1; army <= 2; ++army) {
        try {
            ArmyNum[army]->setText(QString::number(armyTotal(m_session.project(), army)));
        } catch (const RoundingOverflow&) {
            ArmyNum[army]->setText(QStringLiteral("more than 2147483647"));
        }
    }
}

// Edits still held in an editor go into the project before it is saved, run or left; false
// when some could not be stored, and the operation stops.
bool frmMainMenu::settleEditors()
{
    for (EditorWindow* window : editors()) {
        if (window && !window->settleUnsavedEdits())
            return false;
    }
    return true;
}

void frmMainMenu::saveProject()
{
    if (settleEditors())
        m_session.save(m_dialogs);
}

// Loading replaces the whole project, so its unsaved changes are offered for saving first.
void frmMainMenu::loadProject()
{
    if (!settleEditors() || !offerToSaveChanges("loading another project"))
        return;
    m_session.load(m_dialogs);
}

// True when the caller may go on: nothing was unsaved, the user saved, or chose not to.
bool frmMainMenu::offerToSaveChanges(const char* beforeWhat)
{
    if (!m_session.isModified())
        return true;
    const auto answer = m_dialogs.questionOrCancel(
        std::string("The project has changes that have not been saved. Save them before ") + beforeWhat + "?");
    if (!answer)
        return false;
    return !*answer || m_session.save(m_dialogs);
}

void frmMainMenu::runBattle()
{
    if (m_running || !settleEditors())
        return;
    m_running = true;
    if (m_preview)
        m_preview->stopTracing();
    RunProgress progress(
        this, [this](const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); },
        [this](const std::string& text, std::size_t wholeSize) { showOutput(text, wholeSize); });
    sim::RunOptions options;
    options.outputLimit = ShownOutputLimit;
    options.record = true;
    sim::BattleRun run(m_session.project(), m_dialogs, m_session.projectDialog(), toFileBytes(txtFrames->text()),
                       options, &progress);
    const sim::RunOutcome outcome = run.run();
    m_running = false;
    if (outcome == sim::RunOutcome::Completed)
        reportScene(run);
    keepRecording(run);
    if (m_preview)
        m_preview->resumeTracing();
    m_failure = progress.failure();
    cmdShowInEditor->setVisible(m_failure.has_value());
    if (run.projectSaved())
        m_session.savedTo(m_session.projectDialog().fileName);
    updateTitle();
}

// Where the scene went and what it holds, in the status line: the file dialog is gone by now.
void frmMainMenu::reportScene(const sim::BattleRun& run)
{
    const std::int32_t units = run.Avatars().NumAvatars();
    const QString name = QFileInfo(QFile::decodeName(QByteArray::fromStdString(run.scenePath()))).fileName();
    statusBar()->showMessage(QStringLiteral("Wrote %1: %2 %3, %4 passes, %5 bytes")
                                 .arg(name)
                                 .arg(units)
                                 .arg(units == 1 ? QStringLiteral("unit") : QStringLiteral("units"))
                                 .arg(run.passesMade())
                                 .arg(run.sceneSize()));
}

// text is the start of the run's output, as much as the run keeps of it; wholeSize the size of all.
void frmMainMenu::showOutput(const std::string& text, std::size_t wholeSize)
{
    assert(text.size() <= ShownOutputLimit); // the run is asked to keep no more
    if (text.size() >= wholeSize) {
        txtDump->setPlainText(toQString(text));
        return;
    }
    txtDump->setPlainText(toQString(text) + QStringLiteral("\n\n(The first %1 bytes of %2 are shown here; the scene file holds them all.)")
                                                .arg(text.size())
                                                .arg(wholeSize));
}

// The project's name and a mark for unsaved changes; the plain title while there is neither.
void frmMainMenu::updateTitle()
{
    if (m_running)
        return;
    const bool modified = m_session.isModified();
    const std::string& path = m_session.filePath();
    if (path.empty() && !modified) {
        setWindowTitle(Title);
        return;
    }
    const QString name = path.empty() ? QStringLiteral("Untitled")
                                      : QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).fileName();
    setWindowTitle(name + (modified ? QStringLiteral("*") : QString()) + QStringLiteral(" - ") + Title);
}

// Exit and the window's close button end the program: unsaved work is offered for saving,
// then the editors close with the main window. Nothing closes while a battle runs.
void frmMainMenu::closeEvent(QCloseEvent* event)
{
    if (m_running) {
        event->ignore();
        return;
    }
    if (!settleEditors() || !offerToSaveChanges("closing Kestrelon")) {
        event->ignore();
        return;
    }
    for (EditorWindow* window : editors()) {
        if (window)
            window->close();
    }
    if (m_preview)
        m_preview->close();
    event->accept();
}

} // namespace kestrelon::ui
