#pragma once

// The widgets behind the control kinds.

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <memory>

#include "platform/qt/qt_backend.h"

namespace kalvenor::platform {

// A one-line bordered label, text centred vertically; a click is reported like a button's, with
// notification code 0, and a double click, as the classic label does, with code 1.
class LabelWidget : public QLabel {
  public:
    LabelWidget(std::unique_ptr<Control> control, QWidget* parent);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    std::unique_ptr<Control> control_;
    bool releaseEndsDoubleClick_ = false;
};

// A push button that draws its text centred over the whole face, without the style's margins,
// so that the 25 x 25 cell buttons show "■", "□", "↓" and counts legibly.
class PushButtonWidget : public QPushButton {
  public:
    PushButtonWidget(std::unique_ptr<Control> control, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Return clicks as Space does.
    void keyPressEvent(QKeyEvent* event) override;
    Control& control() { return *control_; }

  private:
    std::unique_ptr<Control> control_;
};

// A cell of the board: a board-coloured square on which "■" is drawn as a black stone and "□" as
// a white stone with a dark rim, guide marks as dark text; a highlight rings the cell. The text
// stays the control's text, exactly as the game set it.
class CellButtonWidget : public PushButtonWidget {
  public:
    CellButtonWidget(std::unique_ptr<Control> control, QWidget* parent);
    void setHighlight(CellHighlight highlight);

  protected:
    void paintEvent(QPaintEvent* event) override;
    // The board's keys go to the window procedure; Return and Space click.
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    CellHighlight highlight_ = CellHighlight::None;
};

// A horizontal slider that reports every movement with the classic track bar's notification
// codes, each followed by the end of tracking; a tooltip shows the position while dragging.
class TrackBarWidget : public QSlider {
  public:
    TrackBarWidget(std::unique_ptr<Control> control, QWidget* parent);
    // Positions drawn with a dot under their tick (bit p for position p).
    void setMarks(std::uint32_t positions);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void onAction(int action);
    void onReleased();
    void notify(int code);
    void showPositionTip();

    std::unique_ptr<Control> control_;
    std::uint32_t marks_ = 0;
};

}  // namespace kalvenor::platform
