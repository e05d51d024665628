// The Preview window's controls: the map above, and below it Play, the frame slider, the frame
// number, the speed, the unit under the pointer and the Trace pane.
#include "ui/windows/frmPreview.h"

#include "ui/dialogs/FileText.h"
#include "ui/windows/PreviewCanvas.h"
#include "ui/windows/UnitTracer.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

namespace kestrelon::ui {

frmPreview::frmPreview(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(QStringLiteral("Preview"));
    m_tracer = new UnitTracer(this);
    connect(m_tracer, &UnitTracer::traceChanged, this, [this](std::int32_t unit) {
        if (m_traced && static_cast<std::int32_t>(*m_traced) + 1 == unit)
            showTrace();
    });
    createControls();
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &frmPreview::advance);
    m_traceDelay = new QTimer(this);
    m_traceDelay->setSingleShot(true);
    m_traceDelay->setInterval(TraceDelayMs);
    connect(m_traceDelay, &QTimer::timeout, this, [this] {
        if (m_pending)
            followUnit(*m_pending);
    });
    resize(780, 680); // fits a 1366x768 screen with its title bar and the desktop's panel
}

frmPreview::~frmPreview() = default;

void frmPreview::createControls()
{
    picMap = new PreviewCanvas(this);
    connect(picMap, &PreviewCanvas::unitHovered, this, &frmPreview::showUnit);
    // A click traces the unit at once, without waiting for the pointer to rest.
    connect(picMap, &PreviewCanvas::unitClicked, this, [this](std::size_t unit) {
        showUnit(unit);
        m_traceDelay->stop();
        followUnit(unit);
    });

    cmdPlay = new QPushButton(QStringLiteral("Play"), this);
    cmdPlay->setObjectName(QStringLiteral("cmdPlay"));
    cmdPlay->setToolTip(QStringLiteral("Play the battle from this frame, or pause it (Space)"));
    connect(cmdPlay, &QPushButton::clicked, this, &frmPreview::togglePlaying);
    auto* space = new QShortcut(QKeySequence(Qt::Key_Space), this);
    connect(space, &QShortcut::activated, this, &frmPreview::togglePlaying);

    sldFrame = new QSlider(Qt::Horizontal, this);
    sldFrame->setObjectName(QStringLiteral("sldFrame"));
    sldFrame->setAccessibleName(QStringLiteral("Frame"));
    connect(sldFrame, &QSlider::valueChanged, this, &frmPreview::showFrame);
    connect(sldFrame, &QSlider::sliderPressed, this, [this] { setPlaying(false); });

    lblFrame = new QLabel(this);
    lblFrame->setObjectName(QStringLiteral("lblFrame"));
    lblFrame->setMinimumWidth(lblFrame->fontMetrics().horizontalAdvance(QStringLiteral("Frame 2147483647")));

    cboSpeed = new QComboBox(this);
    cboSpeed->setObjectName(QStringLiteral("cboSpeed"));
    cboSpeed->setAccessibleName(QStringLiteral("Speed"));
    for (const double speed : {0.25, 0.5, 1.0, 2.0, 4.0})
        cboSpeed->addItem(QString::number(speed) + QStringLiteral("x"), speed);
    cboSpeed->setCurrentIndex(2);
    connect(cboSpeed, &QComboBox::currentIndexChanged, this, [this] {
        if (playing())
            setPlaying(true);
    });

    lblUnit = new QLabel(this);
    lblUnit->setObjectName(QStringLiteral("lblUnit"));
    lblUnit->setAccessibleName(QStringLiteral("Unit under the pointer"));

    auto* controls = new QHBoxLayout;
    controls->addWidget(cmdPlay);
    controls->addWidget(sldFrame, 1);
    controls->addWidget(lblFrame);
    controls->addWidget(new QLabel(QStringLiteral("Speed"), this));
    controls->addWidget(cboSpeed);
    auto* top = new QWidget(this);
    auto* column = new QVBoxLayout(top);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(picMap, 1);
    column->addLayout(controls);
    column->addWidget(lblUnit);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(top);
    splitter->addWidget(createTracePane());
    splitter->setStretchFactor(0, 1);
    splitter->setSizes({430, 240});
    auto* window = new QVBoxLayout(this);
    window->addWidget(splitter);
}

// The Trace pane: a line saying whose turn is listed, and the turn's lines as the command
// line's --trace writes them.
QWidget* frmPreview::createTracePane()
{
    auto* pane = new QGroupBox(QStringLiteral("Trace"), this);
    pane->setObjectName(QStringLiteral("fraTrace"));
    // The unit by number, for units the pointer cannot single out in a melee, and for the keyboard.
    spnTraceUnit = new QSpinBox(pane);
    spnTraceUnit->setObjectName(QStringLiteral("spnTraceUnit"));
    spnTraceUnit->setAccessibleName(QStringLiteral("Traced unit"));
    spnTraceUnit->setSpecialValueText(QStringLiteral("none"));
    spnTraceUnit->setRange(0, 0);
    spnTraceUnit->setKeyboardTracking(false); // a number typed counts once it is finished
    connect(spnTraceUnit, &QSpinBox::valueChanged, this, [this](int unit) {
        if (unit >= 1)
            followUnit(static_cast<std::size_t>(unit) - 1);
    });
    auto* unitLabel = new QLabel(QStringLiteral("&Unit"), pane);
    unitLabel->setBuddy(spnTraceUnit);
    lblTrace = new QLabel(pane);
    lblTrace->setObjectName(QStringLiteral("lblTrace"));
    lblTrace->setWordWrap(true);
    lblTrace->setTextInteractionFlags(Qt::TextSelectableByMouse);
    txtTrace = new QPlainTextEdit(pane);
    txtTrace->setObjectName(QStringLiteral("txtTrace"));
    txtTrace->setAccessibleName(QStringLiteral("Trace of the shown frame"));
    txtTrace->setReadOnly(true);
    txtTrace->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtTrace->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* heading = new QHBoxLayout;
    heading->addWidget(unitLabel);
    heading->addWidget(spnTraceUnit);
    heading->addWidget(lblTrace, 1);
    auto* column = new QVBoxLayout(pane);
    column->addLayout(heading);
    column->addWidget(txtTrace, 1);
    return pane;
}

void frmPreview::setRecording(std::shared_ptr<const sim::BattleRecording> recording,
                              std::shared_ptr<const sim::RunReplay> replay)
{
    setPlaying(false);
    m_recording = std::move(recording);
    m_tracer->setReplay(std::move(replay));
    m_traceDelay->stop();
    m_traced.reset();
    m_pending.reset();
    picMap->setMarkedUnit(std::nullopt);
    picMap->setRecording(m_recording);
    {
        const QSignalBlocker quiet(spnTraceUnit);
        spnTraceUnit->setRange(0, m_recording ? static_cast<int>(m_recording->units.size()) : 0);
        spnTraceUnit->setValue(0);
    }
    const int last = m_recording ? m_recording->lastFrame() : 0;
    const QSignalBlocker quiet(sldFrame);
    sldFrame->setRange(0, last);
    sldFrame->setValue(last);
    showFrame(last);
}

std::int32_t frmPreview::frame() const
{
    return picMap->frame();
}

bool frmPreview::playing() const
{
    return m_timer->isActive();
}

void frmPreview::showFrame(int frame)
{
    picMap->setFrame(frame);
    lblFrame->setText(QStringLiteral("Frame %1").arg(frame));
    showUnit(m_hovered);
    showTrace();
}

void frmPreview::togglePlaying()
{
    setPlaying(!playing());
}

// Playing from the last frame starts again from the first.
void frmPreview::setPlaying(bool on)
{
    m_timer->stop();
    cmdPlay->setText(on ? QStringLiteral("Pause") : QStringLiteral("Play"));
    if (!on || !m_recording)
        return;
    if (sldFrame->value() >= sldFrame->maximum())
        sldFrame->setValue(0);
    const double speed = cboSpeed->currentData().toDouble();
    m_timer->start(std::max(1, static_cast<int>(1000.0 / (FramesPerSecond * speed))));
}

void frmPreview::advance()
{
    if (sldFrame->value() >= sldFrame->maximum()) {
        setPlaying(false);
        return;
    }
    sldFrame->setValue(sldFrame->value() + 1);
}

// "Unit 12 · Orc": the unit (an index into the recording) by number and type.
QString frmPreview::unitName(std::size_t unit) const
{
    const auto type = static_cast<std::size_t>(m_recording->units[unit].type - 1);
    const QString typeName = type < m_recording->typeNames.size() ? toQString(m_recording->typeNames[type]) : QString();
    return QStringLiteral("Unit %1 \u00b7 %2").arg(unit + 1).arg(typeName);
}

void frmPreview::showUnit(std::optional<std::size_t> unit)
{
    const bool moved = unit != m_hovered;
    m_hovered = unit;
    if (!unit || !m_recording || *unit >= m_recording->units.size()) {
        lblUnit->clear();
        m_traceDelay->stop();
        return;
    }
    lblUnit->setText(QStringLiteral("%1 \u00b7 life %2")
                         .arg(unitName(*unit))
                         .arg(m_recording->lifeAt(m_recording->units[*unit], frame())));
    if (unit != m_traced && (moved || !m_traceDelay->isActive())) {
        m_pending = unit;
        m_traceDelay->start();
    }
}

// The pointer rested on a unit, or it was clicked or named by number: the Trace pane follows it
// from now on, also after the pointer leaves the map, so the pane's lines can be scrolled and
// copied.
void frmPreview::followUnit(std::size_t unit)
{
    m_pending.reset();
    if (!m_recording || unit >= m_recording->units.size())
        return;
    m_traced = unit;
    picMap->setMarkedUnit(m_traced);
    const QSignalBlocker quiet(spnTraceUnit);
    spnTraceUnit->setValue(static_cast<int>(unit) + 1);
    m_tracer->trace(static_cast<std::int32_t>(unit) + 1);
    showTrace();
}

// What the pane says and lists for the followed unit at the shown frame: frame p shows the
// lines of the unit's turn in pass p, as scripts key pass p at frame p.
void frmPreview::showTrace()
{
    const auto say = [this](const QString& text, const std::vector<std::string>* lines = nullptr) {
        lblTrace->setText(text);
        QString listed;
        if (lines) {
            for (const std::string& line : *lines)
                listed += toQString(line) + QLatin1Char('\n');
            listed.chop(1);
        }
        if (txtTrace->toPlainText() != listed)
            txtTrace->setPlainText(listed);
    };
    if (!m_recording || !m_tracer->hasReplay()) {
        say(QStringLiteral("Run the battle from the main window to trace its units here."));
        return;
    }
    if (!m_traced) {
        say(QStringLiteral("Rest the pointer on a unit to list what its script did in the shown frame."));
        return;
    }
    const QString who = unitName(*m_traced);
    const std::int32_t shown = frame();
    const std::int32_t passes = m_tracer->passes();
    const UnitTracer::Trace* trace = m_tracer->traceOf(static_cast<std::int32_t>(*m_traced) + 1);
    if (!trace && isVisible()) { // cancelled while the window was hidden
        m_tracer->trace(static_cast<std::int32_t>(*m_traced) + 1);
        trace = m_tracer->traceOf(static_cast<std::int32_t>(*m_traced) + 1);
    }
    if (trace && trace->outcome == sim::ReplayOutcome::Differed) {
        say(who + QStringLiteral(" cannot be traced: the battle went otherwise when it was run again, as one of "
                                 "its scripts reads the clock or asks for input. \"kestrelon-cli run --seed N "
                                 "--trace %1\" traces a battle that can be repeated.")
                      .arg(*m_traced + 1));
        return;
    }
    if (trace && trace->outcome == sim::ReplayOutcome::Failed) {
        say(who + (trace->failure.empty()
                       ? QStringLiteral(" cannot be traced: there is not enough memory to run the battle again.")
                       : QStringLiteral(" cannot be traced: running the battle again failed: %1")
                             .arg(toQString(trace->failure))));
        return;
    }
    if (shown < 1) {
        say(who + QStringLiteral(": frame 0 comes before the first turn."));
        return;
    }
    if (shown > passes) {
        say(who + QStringLiteral(" had no turn in frame %1: the battle made %2 passes.").arg(shown).arg(passes));
        return;
    }
    const auto pass = static_cast<std::size_t>(shown);
    if (!trace || trace->passes.size() < pass) {
        const std::size_t done = trace ? trace->passes.size() : 0;
        say(who + QStringLiteral(": running the battle again to trace it, pass %1 of %2\u2026").arg(done).arg(passes));
        return;
    }
    const std::vector<std::string>& lines = trace->passes[pass - 1];
    if (lines.empty()) {
        say(who + QStringLiteral(" in frame %1: its script called no Game method and wrote no ThisGuy member.")
                      .arg(shown));
        return;
    }
    say(who + QStringLiteral(" in frame %1: %2 %3").arg(shown).arg(lines.size()).arg(lines.size() == 1 ? "line" : "lines"),
        &lines);
}

void frmPreview::stopTracing()
{
    m_traceDelay->stop();
    m_tracer->stop();
}

void frmPreview::resumeTracing()
{
    showTrace();
}

void frmPreview::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    showTrace();
}

// A hidden window traces nothing: the replay under way is cancelled, and starts again when the
// window shows the unit's trace once more.
void frmPreview::hideEvent(QHideEvent* event)
{
    stopTracing();
    QWidget::hideEvent(event);
}

} // namespace kestrelon::ui
