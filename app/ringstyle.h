#ifndef RINGSTYLE_H
#define RINGSTYLE_H

// The window's style: the base style the user or the program chose, with the radio ring the
// window's pages were drawn with.

#include <QtWidgets/QProxyStyle>

// The 13-pixel ring, and a blue dot when checked, drawn over the base style's
// radio indicator: under the window's gradient most styles draw no visible ring. An answer
// list's current text stands where the base style puts it on every version of the toolkit,
// and a radio button is as tall as on Qt 5.
class RingStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit RingStyle(const QString &baseKey) : QProxyStyle(baseKey) {}

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;
    void drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette,
                      bool enabled, const QString &text,
                      QPalette::ColorRole textRole = QPalette::NoRole) const override;

private:
    static void drawRing(QPainter *painter, const QRectF &box);

    static constexpr int ringSize = 13;
};

#endif // RINGSTYLE_H
