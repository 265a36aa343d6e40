#include "display/tavrel.h"

#include "control/procedures.h"
#include "display/form_look.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleHints>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace tavrel {
namespace {

constexpr QSize kClientArea{580, 511};
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
    // A press on a control never reaches the form's mouse-down procedure,
    // but the form sees it, to tell a double click on the board.
    control->setAttribute(Qt::WA_NoMousePropagation);
    control->installEventFilter(form);
    return control;
}

} // namespace

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
#if QT_VERSION >= QT_VERSION_CHECK(6, 9, 0)
    // Fusion draws the check box's frame by the desktop's scheme, not the palette.
    QGuiApplication::styleHints()->setColorScheme(Qt::ColorScheme::Light);
#endif
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
    board_pressed_last_ = true;
    dispatch([=](Form& form) { Form_MouseDown(form, button, shift, x, y); });
}

// Qt makes a double click of two quick presses anywhere in the window; the
// form takes only two on the board for one, and only a press acts.
void Tavrel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (board_pressed_last_) {
        event->accept();
        return;
    }
    mousePressEvent(event);
}

bool Tavrel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        board_pressed_last_ = false;
    }
    return QWidget::eventFilter(watched, event);
}

// On a screen of another scale, or when the screen's scale changes, the kept
// drawing goes on at the new device pixel ratio. Qt 6.4 tells a widget so only
// by ScreenChangeInternal, Qt 6.6 on also by DevicePixelRatioChange.
bool Tavrel::event(QEvent* event)
{
    const QEvent::Type type = event->type();
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    const bool ratio_may_change = type == QEvent::ScreenChangeInternal || type == QEvent::DevicePixelRatioChange;
#else
    const bool ratio_may_change = type == QEvent::ScreenChangeInternal;
#endif
    if (ratio_may_change && canvas_.set_device_pixel_ratio(devicePixelRatioF())) {
        update();
    }
    return QWidget::event(event);
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
