#pragma once

#include "board/random_source.h"
#include "control/form.h"
#include "display/image_canvas.h"

#include <QTimer>
#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace tavrel {

// The form Tavrel: the program's one window. It owns the board state, keeps
// the drawing in an image it puts on the screen, and forwards each event to
// its procedure.
class Tavrel final : public QWidget, private Runtime {
    Q_OBJECT

public:
    explicit Tavrel(QWidget* parent = nullptr);

    [[nodiscard]] const Form& form() const { return form_; }
    // The kept drawing, as the window shows it.
    const QImage& drawing() { return canvas_.image(); }

    // The controls, named after their captions, in the order they are created.
    QCheckBox* Vew_last;
    QPushButton* New;
    QPushButton* Stop;
    QPushButton* Exit;
    QPushButton* Go;
    QPushButton* Run;
    QLabel* Метка2;
    QLabel* Метка1;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Runtime services for the procedures.
    UniformSource& random() override { return random_; }
    void do_events() override;
    void end() override;
    void beep() override;
    [[nodiscard]] int value() const override;

    void create_controls();
    // Runs one event procedure unless the program is ending; a failed
    // internal check stops the program here, before it reaches Qt.
    template <typename Procedure>
    void dispatch(Procedure&& procedure);
    void show_drawing();
    void describe();

    RandomSource random_;
    ImageCanvas canvas_;
    Form form_;
    // The newest drawing's description: it goes out at once or when quiet_
    // times out; run_quiet_ says that the quiet holds commands back too.
    QString description_;
    QTimer quiet_;
    bool run_quiet_ = false;
    // Whether the last mouse press in the window was on the board.
    bool board_pressed_last_ = false;
};

} // namespace tavrel
