#include "display/tavrel.h"

#include "control/procedures.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <utility>

namespace tavrel {
namespace {

constexpr QSize kClientArea{580, 511};
constexpr int kFontPixelSize = 11;
// Descriptions from a run go out at least this far apart: four fit inside
// any second and a fifth on its edge, the one at the run's end included.
constexpr std::chrono::milliseconds kDescriptionSpacing{250};

[[noreturn]] void stop_on_failed_check(const char* what)
{
    std::fprintf(stderr, "tavrel: internal check failed: %s\n", what);
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

template <typename Control>
Control* place(QWidget* form, const char* name, const QString& caption, QRect geometry)
{
    auto* control = new Control(caption, form);
    control->setObjectName(QString::fromUtf8(name));
    control->setGeometry(geometry);
    control->setAccessibleName(caption);
    // A press on a control never reaches the form's mouse-down procedure.
    control->setAttribute(Qt::WA_NoMousePropagation);
    return control;
}

} // namespace

QFont Tavrel::form_font()
{
    // At its own width the condensed face leaves the last letter of
    // "К-т наслед-я" one pixel outside its 65-pixel label; 85 (of its 87)
    // brings every caption inside its control and keeps the 13-pixel line.
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(kFontPixelSize);
    font.setStretch(85);
    return font;
}

// The board's colours and the white boxes under the numbers are fixed and
// suit a light window, and the numbers' one text colour must read both on the
// boxes and, where they run past a box, on the window. So the form's colours
// are fixed too, whatever the style, the platform theme or the desktop say:
// Qt's own light ones, for an enabled and a disabled control, in the order of
// the colour roles.
QPalette Tavrel::form_palette()
{
    static constexpr std::array<std::pair<QRgb, QRgb>, 22> kColours{{
        {0xff000000, 0xffbebebe}, // WindowText
        {0xffefefef, 0xffefefef}, // Button
        {0xffffffff, 0xffffffff}, // Light
        {0xffcacaca, 0xffcacaca}, // Midlight
        {0xff9f9f9f, 0xffbebebe}, // Dark
        {0xffb8b8b8, 0xffb8b8b8}, // Mid
        {0xff000000, 0xffbebebe}, // Text
        {0xffffffff, 0xffffffff}, // BrightText
        {0xff000000, 0xffbebebe}, // ButtonText
        {0xffffffff, 0xffefefef}, // Base
        {0xffefefef, 0xffefefef}, // Window
        {0xff767676, 0xffb1b1b1}, // Shadow
        {0xff308cc6, 0xff919191}, // Highlight
        {0xffffffff, 0xffffffff}, // HighlightedText
        {0xff0000ff, 0xff0000ff}, // Link
        {0xffff00ff, 0xffff00ff}, // LinkVisited
        {0xfff7f7f7, 0xfff7f7f7}, // AlternateBase
        {0xff000000, 0xff000000}, // NoRole
        {0xffffffdc, 0xffffffdc}, // ToolTipBase
        {0xff000000, 0xff000000}, // ToolTipText
        {0x80000000, 0x80000000}, // PlaceholderText
        {0xff308cc6, 0xff919191}, // Accent, from Qt 6.6 on
    }};
    static_assert(kColours.size() >= QPalette::NColorRoles);
    QPalette palette;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto [enabled, disabled] = kColours.at(static_cast<std::size_t>(role));
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            palette.setColor(group, static_cast<QPalette::ColorRole>(role),
                             QColor::fromRgba(group == QPalette::Disabled ? disabled : enabled));
        }
    }
    return palette;
}

Tavrel::Tavrel(QWidget* parent)
    : QWidget(parent),
      canvas_(kClientArea, devicePixelRatioF(), form_font(), form_palette()),
      form_(canvas_, *this)
{
    setObjectName(QStringLiteral("Tavrel"));
    setWindowTitle(QStringLiteral("Tavrel"));
    QIcon icon(QStringLiteral(":/icons/org.tavrel.Tavrel-32.png"));
    icon.addFile(QStringLiteral(":/icons/org.tavrel.Tavrel-16.png"));
    setWindowIcon(icon);
    setAccessibleName(QStringLiteral("Tavrel board"));
    setFont(form_font());
    setPalette(form_palette());
    // The form is laid out in fixed pixels: never mirrored, whatever the locale.
    setLayoutDirection(Qt::LeftToRight);
    resize(kClientArea);
    quiet_.setSingleShot(true);
    quiet_.setTimerType(Qt::PreciseTimer);
    quiet_.setInterval(kDescriptionSpacing);
    connect(&quiet_, &QTimer::timeout, this, &Tavrel::describe);
    create_controls();
    dispatch(Form_Load);
}

void Tavrel::create_controls()
{
    Vew_last = place<QCheckBox>(this, "Vew_last", QStringLiteral("Vewlast"), {16, 312, 17, 25});
    Vew_last->setToolTip(QStringLiteral("Vew_last"));
    // Its own caption is cut off; a screen reader reads the label above it.
    Vew_last->setAccessibleName(QStringLiteral("Vew last"));
    New = place<QPushButton>(this, "New", QStringLiteral("New"), {8, 8, 33, 25});
    Stop = place<QPushButton>(this, "Stop", QStringLiteral("Stop"), {8, 128, 33, 25});
    Exit = place<QPushButton>(this, "Exit", QStringLiteral("Exit"), {8, 344, 33, 25});
    Go = place<QPushButton>(this, "Go", QStringLiteral("Go"), {8, 48, 33, 25});
    Run = place<QPushButton>(this, "Run", QStringLiteral("Run"), {8, 88, 33, 25});
    Метка2 = place<QLabel>(this, "Метка2", QStringLiteral("К-т наслед-я"), {0, 160, 65, 17});
    Метка2->setAccessibleDescription(QStringLiteral("Heredity coefficient: the threshold of the continuous run, shown below"));
    Метка1 = place<QLabel>(this, "Метка1", QStringLiteral("Vew last"), {0, 296, 49, 17});

    setTabOrder(Go, Run);
    setTabOrder(Run, Stop);
    setTabOrder(Stop, Exit);
    setTabOrder(Exit, New);
    setTabOrder(New, Vew_last);
    Go->setFocus();

    connect(New, &QPushButton::clicked, this, [this] { dispatch(New_Click); });
    connect(Go, &QPushButton::clicked, this, [this] { dispatch(Go_Click); });
    connect(Run, &QPushButton::clicked, this, [this] { dispatch(Run_Click); });
    connect(Stop, &QPushButton::clicked, this, [this] { dispatch(Stop_Click); });
    connect(Exit, &QPushButton::clicked, this, [this] { dispatch(Exit_Click); });
}

template <typename Procedure>
void Tavrel::dispatch(Procedure&& procedure)
{
    if (form_.ended) {
        return;
    }
    try {
        procedure(form_);
    } catch (const std::exception& failure) {
        stop_on_failed_check(failure.what());
    } catch (...) {
        stop_on_failed_check("unknown failure");
    }
    show_drawing();
}

// The kept image goes on the screen at the next paint, and a screen reader
// hears the generation and live count it shows.
void Tavrel::show_drawing()
{
    update();
    const BoardState& s = form_.state;
    description_ =
        QStringLiteral("Hexagonal board of %1 by %1 cells: live cells yellow, dead cells blue. Generation %2, %3 live %4.")
            .arg(s.grid_size)
            .arg(s.step_number)
            .arg(s.live_count)
            .arg(s.live_count == 1 ? QStringLiteral("cell") : QStringLiteral("cells"));
    // A screen reader queues what it cannot speak, and a run draws hundreds of
    // times a second. So a description from a run, or one that follows one
    // from a run, waits until the last is kDescriptionSpacing old, and then
    // the newest goes out. A command with no run near is told at once.
    const bool in_run = form_.run_depth > 0;
    if (quiet_.isActive() && (in_run || run_quiet_)) {
        run_quiet_ = true; // the end of the run, and commands after it, wait too
        return;
    }
    run_quiet_ = in_run;
    describe();
}

// Qt passes on every description set, even an unchanged one.
void Tavrel::describe()
{
    if (description_ != accessibleDescription()) {
        setAccessibleDescription(description_);
        quiet_.start();
    }
}

void Tavrel::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(QPoint(0, 0), canvas_.image());
}

void Tavrel::mousePressEvent(QMouseEvent* event)
{
    // Left, right and middle are 1, 2 and 4 in both; shift, ctrl and alt 1, 2 and 4.
    const auto button = static_cast<std::int16_t>(event->button() & 7);
    const Qt::KeyboardModifiers keys = event->modifiers();
    const auto shift = static_cast<std::int16_t>((keys.testFlag(Qt::ShiftModifier) ? 1 : 0) |
                                                 (keys.testFlag(Qt::ControlModifier) ? 2 : 0) |
                                                 (keys.testFlag(Qt::AltModifier) ? 4 : 0));
    const auto x = static_cast<float>(event->position().x());
    const auto y = static_cast<float>(event->position().y());
    dispatch([=](Form& form) { Form_MouseDown(form, button, shift, x, y); });
}

// The second press of a double click arrives here; only a press acts.
void Tavrel::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

void Tavrel::closeEvent(QCloseEvent* event)
{
    // A run in progress sees the flag at its next yield and unwinds.
    form_.ended = true;
    event->accept();
    QCoreApplication::exit(0);
}

void Tavrel::do_events()
{
    show_drawing();
    QCoreApplication::processEvents();
}

void Tavrel::end()
{
    form_.ended = true;
    hide();
    QCoreApplication::exit(0);
}

void Tavrel::beep()
{
    QApplication::beep();
}

int Tavrel::value() const
{
    return Vew_last->isChecked() ? 1 : 0;
}

} // namespace tavrel
