#pragma once

#include <QProxyStyle>

// The editor's widget look: the "fusion" style with its own check boxes, radio buttons, drop
// indicator, wider header margins, plain-list combo boxes and close icon, so that every
// platform shows the same widgets.
class FusionStyleTweaks : public QProxyStyle {
    Q_OBJECT

public:
    FusionStyleTweaks();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

private:
    void drawCheckBoxIndicator(const QStyleOption *option, QPainter *painter) const;
    void drawRadioButtonIndicator(const QStyleOption *option, QPainter *painter) const;
    void drawItemDropIndicator(const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const;
};
