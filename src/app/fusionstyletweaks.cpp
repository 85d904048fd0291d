#include "app/fusionstyletweaks.h"

#include <QPainter>
#include <QPixmap>
#include <QStyleFactory>
#include <QStyleOption>
#include <QSvgRenderer>
#include <QWidget>

namespace {

const QColor disabledFrameColor(190, 190, 190);
const QColor pressedFillColor(220, 220, 220);
const QColor hoverFillColor(230, 255, 255);

// The check marks are drawn once per program from the resources and kept to the end.
QSvgRenderer &checkMarkRenderer(bool enabled) {
    static QSvgRenderer black(QStringLiteral(":/icons/checkmark_black.svg"));
    static QSvgRenderer gray(QStringLiteral(":/icons/checkmark_gray.svg"));
    return enabled ? black : gray;
}

const QIcon &closeIcon() {
    static const QIcon icon = [] {
        QPixmap picture(128, 128);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::gray, 8));
        painter.drawLine(20, 20, 108, 20);
        painter.drawLine(108, 20, 108, 108);
        painter.drawLine(108, 108, 20, 108);
        painter.drawLine(20, 108, 20, 20);
        painter.drawLine(20, 20, 108, 108);
        painter.drawLine(108, 20, 20, 108);
        painter.end();
        return QIcon(picture);
    }();
    return icon;
}

// Frame and fill shared by the check box and the radio button indicators.
void setIndicatorPenAndBrush(const QStyleOption *option, QPainter *painter) {
    const bool enabled = option->state & QStyle::State_Enabled;
    painter->setPen(enabled ? QColor(Qt::black) : disabledFrameColor);
    if (!enabled)
        painter->setBrush(Qt::NoBrush);
    else if (option->state & QStyle::State_Sunken)
        painter->setBrush(pressedFillColor);
    else if (option->state & QStyle::State_MouseOver)
        painter->setBrush(hoverFillColor);
    else
        painter->setBrush(Qt::white);
}

} // namespace

FusionStyleTweaks::FusionStyleTweaks()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("fusion"))) {}

void FusionStyleTweaks::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                      QPainter *painter, const QWidget *widget) const {
    switch (element) {
    case PE_IndicatorCheckBox:
        drawCheckBoxIndicator(option, painter);
        return;
    case PE_IndicatorRadioButton:
        drawRadioButtonIndicator(option, painter);
        return;
    case PE_IndicatorItemViewItemDrop:
        drawItemDropIndicator(option, painter, widget);
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void FusionStyleTweaks::drawCheckBoxIndicator(const QStyleOption *option, QPainter *painter) const {
    painter->save();
    const QRect box = option->rect.adjusted(0, 0, -1, -1);
    setIndicatorPenAndBrush(option, painter);
    painter->drawRect(box);
    if (option->state & State_On)
        checkMarkRenderer(option->state & State_Enabled).render(painter, box);
    painter->restore();
}

void FusionStyleTweaks::drawRadioButtonIndicator(const QStyleOption *option,
                                                 QPainter *painter) const {
    painter->save();
    const QRectF circle = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    setIndicatorPenAndBrush(option, painter);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->drawEllipse(circle);
    if (option->state & State_On) {
        const bool enabled = option->state & State_Enabled;
        painter->setPen(Qt::NoPen);
        painter->setBrush(enabled ? QColor(Qt::black) : QColor(Qt::gray));
        QRectF dot(0, 0, circle.width() / 2, circle.height() / 2);
        dot.moveCenter(circle.center());
        painter->drawEllipse(dot);
    }
    painter->restore();
}

// A full-width line where a dragged list entry will land.
void FusionStyleTweaks::drawItemDropIndicator(const QStyleOption *option, QPainter *painter,
                                              const QWidget *widget) const {
    if (option->rect.width() == 0 && option->rect.height() == 0) {
        QProxyStyle::drawPrimitive(PE_IndicatorItemViewItemDrop, option, painter, widget);
        return;
    }
    painter->save();
    painter->setPen(QPen(option->palette.highlight().color(), 2));
    const int left = widget ? widget->rect().left() : option->rect.left();
    const int right = widget ? widget->rect().right() : option->rect.right();
    painter->drawLine(left, option->rect.top(), right, option->rect.top());
    painter->restore();
}

int FusionStyleTweaks::pixelMetric(PixelMetric metric, const QStyleOption *option,
                                   const QWidget *widget) const {
    const int value = QProxyStyle::pixelMetric(metric, option, widget);
    if (metric == PM_HeaderMargin)
        return int(value * 1.5);
    return value;
}

int FusionStyleTweaks::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                                 QStyleHintReturn *returnData) const {
    if (hint == SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QIcon FusionStyleTweaks::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                      const QWidget *widget) const {
    if (standardIcon == SP_TitleBarCloseButton)
        return closeIcon();
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}
