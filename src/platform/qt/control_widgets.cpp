#include "platform/qt/control_widgets.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionSlider>
#include <QStylePainter>
#include <QToolTip>
#include <algorithm>
#include <utility>

#include "platform/cell_look.h"

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
    // Tab reaches the button, a mouse click does not give it the focus; Space and Return click
    // it through the same dispatch as the mouse (buttonState() answers for that click alone).
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QPushButton::clicked, this, [this] { control_->owner->sendClick(control_.get()); });
}

void PushButtonWidget::keyPressEvent(QKeyEvent* event) {
    control_->owner->showKeyboardCues(true);
    const bool returnKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (returnKey && event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat()) {
            click();
        }
        return;
    }
    QPushButton::keyPressEvent(event);
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

namespace {

QColor colour(cell_look::Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

}  // namespace

CellButtonWidget::CellButtonWidget(std::unique_ptr<Control> control, QWidget* parent)
    : PushButtonWidget(std::move(control), parent) {
    setFocusPolicy(Qt::NoFocus);  // until the game makes it the cursor
}

void CellButtonWidget::keyPressEvent(QKeyEvent* event) {
    Window& owner = *control().owner;
    owner.showKeyboardCues(true);
    const int code = keyCodeOf(*event);
    if (code == key::Return || code == key::Space) {
        if (!event->isAutoRepeat()) {
            click();
        }
        return;
    }
    if (code != 0) {
        owner.sendKey(code, &control());
        return;
    }
    event->ignore();
}

void CellButtonWidget::mousePressEvent(QMouseEvent* event) {
    control().owner->showKeyboardCues(false);
    PushButtonWidget::mousePressEvent(event);
}

void CellButtonWidget::focusInEvent(QFocusEvent* event) {
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        control().owner->showKeyboardCues(true);
    }
    PushButtonWidget::focusInEvent(event);
    update();
}

void CellButtonWidget::focusOutEvent(QFocusEvent* event) {
    PushButtonWidget::focusOutEvent(event);
    update();
}

void CellButtonWidget::setHighlight(CellHighlight highlight) {
    if (highlight_ != highlight) {
        highlight_ = highlight;
        update();
    }
}

void CellButtonWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const QColor board = colour(cell_look::board);
    painter.fillRect(rect(), isDown() ? board.darker(115) : board);
    painter.setPen(QPen(colour(cell_look::grid), 1));
    painter.drawRect(face);

    const qreal side = std::min(face.width(), face.height());
    if (highlight_ == CellHighlight::ThreatWin || highlight_ == CellHighlight::ThreatBlock) {
        // Behind the text: a guide mark stays readable on a threatened cell.
        const qreal inset = side * cell_look::threatInset;
        painter.fillRect(face.adjusted(inset, inset, -inset, -inset),
                         colour(cell_look::highlightColour(highlight_)));
    }
    const QString shown = text();
    const bool first = shown == QString::fromUtf8(cell_look::firstStoneText);
    const bool second = shown == QString::fromUtf8(cell_look::secondStoneText);
    if (first || second) {
        const qreal radius = side * cell_look::stoneRadius;
        painter.setPen(
            QPen(colour(cell_look::stoneRim), std::max<qreal>(1.0, side * cell_look::stoneRimWidth)));
        painter.setBrush(colour(first ? cell_look::blackStone : cell_look::whiteStone));
        painter.drawEllipse(face.center(), radius, radius);
    } else if (!shown.isEmpty()) {
        QFont mark = font();
        mark.setPixelSize(std::max(1, static_cast<int>(side * cell_look::markHeight)));
        mark.setBold(true);
        painter.setFont(mark);
        painter.setPen(colour(cell_look::markText));
        painter.drawText(face, Qt::AlignCenter | Qt::TextSingleLine, shown);
    }
    if (highlight_ != CellHighlight::None && highlight_ != CellHighlight::ThreatWin &&
        highlight_ != CellHighlight::ThreatBlock) {
        const QColor highlight = colour(cell_look::highlightColour(highlight_));
        if (highlight_ == CellHighlight::Turned) {
            // A small dot on the stone: it changed colour with the last move.
            painter.setBrush(highlight);
            painter.setPen(Qt::NoPen);
            const qreal radius = side * cell_look::turnedDotRadius;
            painter.drawEllipse(face.center(), radius, radius);
        } else {
            const qreal width = std::max<qreal>(2.0, side * cell_look::highlightWidth);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(highlight, width));
            painter.drawRect(face.adjusted(width / 2, width / 2, -width / 2, -width / 2));
        }
    }
    if (hasFocus() && control().owner->keyboardCues) {
        const qreal width = std::max<qreal>(2.0, side * cell_look::cursorWidth);
        const qreal inset = side * cell_look::cursorInset + width / 2;
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colour(cell_look::cursorFrame), width));
        painter.drawRect(face.adjusted(inset, inset, -inset, -inset));
    }
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

void TrackBarWidget::setMarks(std::uint32_t positions) {
    if (marks_ != positions) {
        marks_ = positions;
        update();
    }
}

void TrackBarWidget::paintEvent(QPaintEvent* event) {
    QSlider::paintEvent(event);
    if (marks_ == 0 || maximum() <= minimum()) {
        return;
    }
    // A dot under every marked position, where the thumb would stand on it.
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const int span = groove.width() - handle.width();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 30, 30));
    const qreal radius = std::max(2.0, height() / 10.0);
    for (int position = minimum(); position <= maximum(); ++position) {
        if (position < 0 || position > 31 || (marks_ & (1U << position)) == 0) {
            continue;
        }
        const int x = groove.x() + handle.width() / 2 +
                      QStyle::sliderPositionFromValue(minimum(), maximum(), position, span);
        painter.drawEllipse(QPointF(x, height() - radius - 1), radius, radius);
    }
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
