#include "platform/qt/control_widgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionSlider>
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

namespace {

const QColor boardColour(222, 184, 120);
const QColor gridColour(120, 90, 50);
const QColor blackStone(20, 20, 20);
const QColor whiteStone(250, 250, 248);
const QColor stoneRim(40, 40, 40);
const QColor markText(60, 30, 0);

QColor highlightColour(CellHighlight highlight) {
    switch (highlight) {
        case CellHighlight::LastMove:
            return {220, 30, 30};
        case CellHighlight::Turned:
            return {30, 110, 230};
        case CellHighlight::Five:
            return {20, 170, 60};
        case CellHighlight::None:
            break;
    }
    return {};
}

}  // namespace

CellButtonWidget::CellButtonWidget(std::unique_ptr<Control> control, QWidget* parent)
    : PushButtonWidget(std::move(control), parent) {}

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
    painter.fillRect(rect(), isDown() ? boardColour.darker(115) : boardColour);
    painter.setPen(QPen(gridColour, 1));
    painter.drawRect(face);

    const qreal side = std::min(face.width(), face.height());
    const QString shown = text();
    const bool first = shown == QStringLiteral("■");
    const bool second = shown == QStringLiteral("□");
    if (first || second) {
        const qreal radius = side * 0.40;
        painter.setPen(QPen(stoneRim, std::max<qreal>(1.0, side / 18)));
        painter.setBrush(first ? blackStone : whiteStone);
        painter.drawEllipse(face.center(), radius, radius);
    } else if (!shown.isEmpty()) {
        QFont mark = font();
        mark.setPixelSize(std::max(1, static_cast<int>(side * 0.62)));
        mark.setBold(true);
        painter.setFont(mark);
        painter.setPen(markText);
        painter.drawText(face, Qt::AlignCenter | Qt::TextSingleLine, shown);
    }
    if (highlight_ != CellHighlight::None) {
        const qreal width = std::max<qreal>(2.0, side / 9);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(highlightColour(highlight_), width));
        if (highlight_ == CellHighlight::Turned) {
            // A small dot on the stone: it changed colour with the last move.
            painter.setBrush(highlightColour(highlight_));
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(face.center(), side * 0.12, side * 0.12);
        } else {
            painter.drawRect(face.adjusted(width / 2, width / 2, -width / 2, -width / 2));
        }
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
