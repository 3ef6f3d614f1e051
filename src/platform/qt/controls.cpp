// Child controls of the main window's client area.

#include <QApplication>
#include <QVariant>
#include <cmath>
#include <utility>

#include "platform/control_rules.h"
#include "platform/qt/control_widgets.h"
#include "platform/qt/qt_backend.h"

namespace kalvenor::platform {
namespace {

QWidget* makeWidget(std::unique_ptr<Control> control, QWidget* parent) {
    switch (control->kind) {
        case ControlKind::LeftLabel:
        case ControlKind::CentredLabel:
            return new LabelWidget(std::move(control), parent);
        case ControlKind::PushButton:
            return new PushButtonWidget(std::move(control), parent);
        case ControlKind::CellButton:
            return new CellButtonWidget(std::move(control), parent);
        case ControlKind::TrackBar:
            return new TrackBarWidget(std::move(control), parent);
    }
    return nullptr;
}

void showText(Control& control) {
    const QString text = toQString(control.text);
    if (auto* label = qobject_cast<QLabel*>(control.widget)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control.widget)) {
        button->setText(text);
    }
    // A track bar's window text is never shown.
}

TrackBarWidget* trackBarOf(ControlHandle control) {
    return control != nullptr ? dynamic_cast<TrackBarWidget*>(control->widget) : nullptr;
}

QSlider* sliderOf(ControlHandle control) {
    return control != nullptr ? qobject_cast<QSlider*>(control->widget) : nullptr;
}

constexpr const char* layoutRectProperty = "kalvenorLayoutRect";

}  // namespace

void placeScaled(QWidget& widget, const LayoutFit& fit) {
    const QVariant layout = widget.property(layoutRectProperty);
    if (!layout.isValid()) {
        return;
    }
    const QRect rect = layout.toRect();
    const Rect placed = scaledRect({rect.x(), rect.y(), rect.width(), rect.height()}, fit);
    widget.setGeometry(placed.x, placed.y, placed.width, placed.height);
    if (fit.factor == 1.0) {
        widget.setFont(QFont());
        widget.setAttribute(Qt::WA_SetFont, false);
        return;
    }
    QFont font = QApplication::font();
    if (font.pixelSize() > 0) {
        font.setPixelSize(static_cast<int>(
            std::lround(scaledFontSize(font.pixelSize(), fit.factor, smallestLegibleFontPixels))));
    } else {
        // A point is 4/3 of a pixel at the 96 dots per inch that Qt's offscreen and X11 screens assume.
        font.setPointSizeF(scaledFontSize(font.pointSizeF(), fit.factor, smallestLegibleFontPixels * 3 / 4));
    }
    widget.setFont(font);
}

void placeAllControls(Window& window) {
    if (window.clientArea == nullptr) {
        return;
    }
    const QSize area = window.clientArea->size();
    window.fit = fitLayout(window.canvas, {area.width(), area.height()});
    for (QWidget* child : window.clientArea->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        placeScaled(*child, window.fit);
    }
}

ControlHandle createControl(WindowHandle parent, ControlKind kind, std::string_view text, Rect rect) {
    if (parent == nullptr) {
        return nullptr;
    }
    auto owned = std::make_unique<Control>();
    Control* control = owned.get();
    control->owner = parent;
    control->kind = kind;
    control->text = text;
    makeWidget(std::move(owned), parent->clientArea);  // sets control->widget
    showText(*control);
    moveControl(control, rect);
    return control;
}

void moveControl(ControlHandle control, Rect rect) {
    if (control == nullptr) {
        return;
    }
    QWidget& widget = *control->widget;
    widget.setProperty(layoutRectProperty, QRect(rect.x, rect.y, rect.width, rect.height));
    placeScaled(widget, control->owner->fit);
    widget.setVisible(control_rules::takesRoom(rect));
}

void destroyControl(ControlHandle control) {
    if (control == nullptr) {
        return;
    }
    Window& owner = *control->owner;
    if (owner.cursorCell == control) {
        owner.cursorCell = nullptr;
    }
    // Deleted by the event loop, so that a control may be destroyed from inside its own click.
    control->widget->hide();
    control->widget->deleteLater();
}

void setControlText(ControlHandle control, std::string_view text) {
    if (control == nullptr || control->text == text) {
        return;
    }
    control->text = text;
    showText(*control);
}

std::string controlText(ControlHandle control) {
    return control != nullptr ? control->text : std::string();
}

int buttonState(ControlHandle button) {
    return button != nullptr ? control_rules::buttonStateOf(button, button->owner->buttonInDispatch) : 0;
}

void setTrackBarRange(ControlHandle trackBar, int minimum, int maximum) {
    if (QSlider* slider = sliderOf(trackBar)) {
        slider->setRange(minimum, maximum);
        // The classic track bar pages by a fifth of its range.
        slider->setPageStep(std::max(1, (maximum - minimum) / 5));
    }
}

void setTrackBarPosition(ControlHandle trackBar, int position) {
    if (QSlider* slider = sliderOf(trackBar)) {
        slider->setValue(position);
    }
}

int trackBarPosition(ControlHandle trackBar) {
    // While the thumb moves, its position runs ahead of the slider's value.
    const QSlider* slider = sliderOf(trackBar);
    return slider != nullptr ? slider->sliderPosition() : 0;
}

void setCellHighlight(ControlHandle cellButton, CellHighlight highlight) {
    if (cellButton == nullptr) {
        return;
    }
    if (auto* cell = dynamic_cast<CellButtonWidget*>(cellButton->widget)) {
        cell->setHighlight(highlight);
    }
}

void setCellCursor(ControlHandle cellButton) {
    if (cellButton == nullptr || cellButton->kind != ControlKind::CellButton) {
        return;
    }
    Window& owner = *cellButton->owner;
    Control* const previous = std::exchange(owner.cursorCell, cellButton);
    QWidget* const focus = owner.widget->focusWidget();
    const bool takesFocus =
        focus == nullptr || !focus->isVisible() || (previous != nullptr && focus == previous->widget);
    if (previous != nullptr && previous != cellButton) {
        previous->widget->setFocusPolicy(Qt::NoFocus);
    }
    cellButton->widget->setFocusPolicy(Qt::TabFocus);
    if (takesFocus) {
        cellButton->widget->setFocus(Qt::OtherFocusReason);
    }
}

void setAccessibleText(ControlHandle control, std::string_view name, std::string_view description) {
    if (control == nullptr) {
        return;
    }
    const QString accessibleName = toQString(name);
    if (control->widget->accessibleName() != accessibleName) {
        control->widget->setAccessibleName(accessibleName);
    }
    const QString accessibleDescription = toQString(description);
    if (control->widget->accessibleDescription() != accessibleDescription) {
        control->widget->setAccessibleDescription(accessibleDescription);
    }
}

void setControlEnabled(ControlHandle control, bool enabled) {
    if (control != nullptr && control->widget != nullptr) {
        control->widget->setEnabled(enabled);
    }
}

void setLabelLink(ControlHandle label, std::string_view tooltip) {
    if (label == nullptr) {
        return;
    }
    if (auto* widget = qobject_cast<QLabel*>(label->widget)) {
        widget->setCursor(Qt::PointingHandCursor);
        widget->setToolTip(toQString(tooltip));
        // A style sheet, not the font: the layout sets the font again whenever the window scales.
        widget->setStyleSheet(QStringLiteral("QLabel { color: #1a4fb4; text-decoration: underline; }"));
    }
}

void setTrackBarMarks(ControlHandle trackBar, std::uint32_t positions) {
    if (TrackBarWidget* bar = trackBarOf(trackBar)) {
        bar->setMarks(positions);
    }
}

}  // namespace kalvenor::platform
