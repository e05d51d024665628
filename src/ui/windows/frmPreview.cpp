// The Preview window's controls: the map above, and below it Play, the frame slider, the frame
// number, the speed and the unit under the pointer.
#include "ui/windows/frmPreview.h"

#include "ui/dialogs/FileText.h"
#include "ui/windows/PreviewCanvas.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

namespace kestrelon::ui {

frmPreview::frmPreview(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(QStringLiteral("Preview"));
    createControls();
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &frmPreview::advance);
    resize(780, 680); // fits a 1366x768 screen with its title bar and the desktop's panel
}

frmPreview::~frmPreview() = default;

void frmPreview::createControls()
{
    picMap = new PreviewCanvas(this);
    connect(picMap, &PreviewCanvas::unitHovered, this, &frmPreview::showUnit);

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
    auto* column = new QVBoxLayout(this);
    column->addWidget(picMap, 1);
    column->addLayout(controls);
    column->addWidget(lblUnit);
}

void frmPreview::setRecording(std::shared_ptr<const sim::BattleRecording> recording)
{
    setPlaying(false);
    m_recording = std::move(recording);
    picMap->setRecording(m_recording);
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

void frmPreview::showUnit(std::optional<std::size_t> unit)
{
    m_hovered = unit;
    if (!unit || !m_recording || *unit >= m_recording->units.size()) {
        lblUnit->clear();
        return;
    }
    const sim::RecordedUnit& shown = m_recording->units[*unit];
    const auto type = static_cast<std::size_t>(shown.type - 1);
    const QString typeName = type < m_recording->typeNames.size()
                                 ? toQString(m_recording->typeNames[type])
                                 : QString();
    lblUnit->setText(QStringLiteral("Unit %1 \u00b7 %2 \u00b7 life %3")
                         .arg(*unit + 1)
                         .arg(typeName)
                         .arg(m_recording->lifeAt(shown, frame())));
}

} // namespace kestrelon::ui
