#include "platform/qt/control_widgets.h"

#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolTip>
#include <algorithm>
#include <utility>

namespace kalvenor::platform {
namespace {

constexpr int smallButtonHeight = 25;

}  // namespace

LabelWidget::LabelWidget(std::unique_ptr<Control> control, QWidget* parent)
    : QLabel(parent), control_(std::move(control)) {
    control_->widget = this;
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    const Qt::Alignment horizontal =
        control_->kind == ControlKind::CentredLabel ? Qt::AlignHCenter : Qt::AlignLeft;
    setAlignment(horizontal | Qt::AlignVCenter);
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (std::exchange(releaseEndsDoubleClick_, false)) {
        return;  // the double click has been reported already
    }
    if (rect().contains(event->position().toPoint())) {
        control_->owner->sendClick(control_.get());
    }
}

void LabelWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return QLabel::mouseDoubleClickEvent(event);
    }
    constexpr std::uint16_t doubleClicked = 1;
    releaseEndsDoubleClick_ = true;
    control_->owner->sendClick(control_.get(), doubleClicked);
}

PushButtonWidget::PushButtonWidget(std::unique_ptr<Control> control, QWidget* parent)
    : QPushButton(parent), control_(std::move(control)) {
    control_->widget = this;
    setFocusPolicy(Qt::NoFocus);  // no focus frame, and no keyboard "click" on the last button
    connect(this, &QPushButton::clicked, this, [this] { control_->owner->sendClick(control_.get()); });
}

void PushButtonWidget::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    if (height() <= smallButtonHeight) {
        // The cell buttons: a stone or a count fills most of the face.
        QFont large = font();
        large.setPixelSize(std::max(1, height() * 16 / 25));
        painter.setFont(large);
    }
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
}

TrackBarWidget::TrackBarWidget(std::unique_ptr<Control> control, QWidget* parent)
    : QSlider(Qt::Horizontal, parent), control_(std::move(control)) {
    control_->widget = this;
    setTickPosition(QSlider::TicksAbove);
    setTickInterval(1);
    connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) { onAction(action); });
    connect(this, &QAbstractSlider::sliderReleased, this, [this] { onReleased(); });
    connect(this, &QAbstractSlider::sliderMoved, this, [this] { showPositionTip(); });
}

void TrackBarWidget::onAction(int action) {
    // The slider's position is already moved here, its value not yet: trackBarPosition() reads
    // the position, so the procedure sees where the thumb now stands.
    switch (action) {
        case SliderSingleStepAdd:
            notify(trackbar::LineDown);
            break;
        case SliderSingleStepSub:
            notify(trackbar::LineUp);
            break;
        case SliderPageStepAdd:
            notify(trackbar::PageDown);
            break;
        case SliderPageStepSub:
            notify(trackbar::PageUp);
            break;
        case SliderToMinimum:
            notify(trackbar::Top);
            break;
        case SliderToMaximum:
            notify(trackbar::Bottom);
            break;
        case SliderMove:
            if (isSliderDown()) {
                // Dragging: the end of tracking follows when the thumb is let go.
                notify(trackbar::ThumbTrack);
                return;
            }
            // The mouse wheel steps like the arrow keys.
            notify(sliderPosition() > value() ? trackbar::LineDown : trackbar::LineUp);
            break;
        default:
            return;
    }
    notify(trackbar::EndTrack);
}

void TrackBarWidget::onReleased() {
    QToolTip::hideText();
    notify(trackbar::ThumbPosition);
    notify(trackbar::EndTrack);
}

void TrackBarWidget::notify(int code) {
    const auto position = static_cast<std::uint16_t>(sliderPosition());
    control_->owner->send(message::HScroll, makeWParam(static_cast<std::uint16_t>(code), position),
                          toLParam(control_.get()));
}

void TrackBarWidget::showPositionTip() {
    const QPoint above = mapToGlobal(QPoint(width() / 2, -height()));
    QToolTip::showText(above, QString::number(sliderPosition()), this);
}

}  // namespace kalvenor::platform
