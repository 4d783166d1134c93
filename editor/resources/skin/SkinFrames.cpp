#include "SkinFrames.h"

#include "SkinCanvas.h"

#include <QPainterPath>

namespace skin
{
namespace
{
const QSize kSquare{30, 30};

void DarkTile(QPainter& p, const QRectF& r, int state)
{
    const bool pressed = state == kActive;
    const bool hover = state == kHighlighted;
    p.fillRect(r, Vertical(r, pressed ? kDarkPressedTop : hover ? kDarkHoverTop : kDarkTop,
                           pressed ? kDarkPressedBottom : hover ? kDarkHoverBottom : kDarkBottom));
    if (pressed) {
        QLinearGradient shade(r.topLeft(), r.topLeft() + QPointF(0, 5));
        shade.setColorAt(0, QColor(0, 0, 0, 110));
        shade.setColorAt(1, QColor(0, 0, 0, 0));
        p.fillRect(r, shade);
        p.fillRect(QRectF(r.left() + 4, r.bottom() - 2, r.width() - 8, 2), kAccent);
    } else {
        p.fillRect(QRectF(r.left(), r.top(), r.width(), 1), QColor(255, 255, 255, 18));
    }
    p.fillRect(QRectF(r.left(), r.bottom() - 1, r.width(), 1), pressed ? QColor(0, 0, 0, 0) : kDarkEdge);
}

void LightKey(QPainter& p, const QRectF& body, qreal radius, int state, const QColor& activeColour)
{
    // A soft shadow one pixel below lifts the key off the background.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, state == kActive ? 40 : 22));
    p.drawRoundedRect(body.translated(0, 1), radius, radius);
    if (state == kActive) {
        p.setBrush(Vertical(body, activeColour.lighter(112), activeColour.darker(106)));
        p.setPen(QPen(activeColour.darker(130), 1));
    } else if (state == kHighlighted) {
        p.setBrush(Vertical(body, kKeyTop, kKeyHoverBottom));
        p.setPen(QPen(kAccent, 1));
    } else {
        p.setBrush(Vertical(body, kKeyTop, kKeyBottom));
        p.setPen(QPen(kKeyBorder, 1));
    }
    p.drawRoundedRect(body, radius, radius);
    if (state != kActive) {
        p.setPen(QPen(QColor(255, 255, 255, 200), 1));
        p.drawLine(QPointF(body.left() + radius, body.top() + 1), QPointF(body.right() - radius, body.top() + 1));
    }
}

QColor InkFor(int state)
{
    return state == kActive ? QColor(Qt::white) : state == kHighlighted ? kAccentDark : kInk;
}
} // namespace

QImage ToolbarButton(Icon icon)
{
    return Strip(kSquare, 4, [icon](QPainter& p, const QRectF& r, int state) {
        DarkTile(p, r, state);
        QColor ink = state == kActive ? kAccentLight : state == kHighlighted ? QColor(Qt::white) : kIconOnDark;
        if (state == kDisabled)
            ink = WithAlpha(kIconOnDark, 0.28);
        DrawIcon(p, icon, QRectF(6, 6, 18, 18), ink, 1.5);
    });
}

QImage LabelKey(const QString& label, const QColor& activeColour)
{
    return Strip(kSquare, 3, [&](QPainter& p, const QRectF& r, int state) {
        LightKey(p, r.adjusted(1.5, 1.5, -1.5, -2.5), 5, state, activeColour);
        p.setFont(Font(12, QFont::DemiBold));
        p.setPen(InkFor(state));
        p.drawText(r.adjusted(0, 0, 0, -1), Qt::AlignCenter, label);
    });
}

QImage MenuTab(Icon icon)
{
    return Strip(QSize(45, 45), 3, [icon](QPainter& p, const QRectF& r, int state) {
        const QRectF plate = r.adjusted(4, 4, -4, -4);
        p.setPen(Qt::NoPen);
        if (state == kHighlighted) {
            p.setBrush(QColor(0, 0, 0, 16));
            p.drawRoundedRect(plate, 7, 7);
        } else if (state == kActive) {
            p.setBrush(QColor(0, 0, 0, 20));
            p.drawRoundedRect(plate.translated(0, 1), 7, 7);
            p.setBrush(QColor(255, 255, 255, 235));
            p.drawRoundedRect(plate, 7, 7);
            p.setBrush(kAccent);
            p.drawRoundedRect(QRectF(0, 11, 3, 23), 1.5, 1.5);
        }
        const QColor ink = state == kActive ? kAccent : state == kHighlighted ? kInk : kInkSoft;
        DrawIcon(p, icon, QRectF(10.5, 10.5, 24, 24), ink, 1.8);
    });
}

QImage RoundButton(Icon icon, QSize frame)
{
    return Strip(frame, 3, [icon](QPainter& p, const QRectF& r, int state) {
        const qreal d = std::min(r.width(), r.height()) - 4;
        const QRectF disc(r.center().x() - d / 2, r.center().y() - d / 2 - 0.5, d, d);
        LightKey(p, disc, d / 2, state, kAccent);
        const qreal s = d * 0.56;
        DrawIcon(p, icon, QRectF(disc.center().x() - s / 2, disc.center().y() - s / 2, s, s), InkFor(state), 1.7);
    });
}

QImage FlatIcon(Icon icon, QSize frame, qreal iconSize)
{
    return Strip(frame, 3, [=](QPainter& p, const QRectF& r, int state) {
        const QRectF box(r.center().x() - iconSize / 2, r.center().y() - iconSize / 2, iconSize, iconSize);
        if (state == kHighlighted) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 16));
            p.drawRoundedRect(r.adjusted(4, 2, -4, -2), 6, 6);
        }
        if (state == kActive) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 220));
            p.drawRoundedRect(r.adjusted(4, 2, -4, -2), 6, 6);
        }
        const QColor ink = state == kActive ? kAccent : state == kHighlighted ? kAccentDark : kInkSoft;
        DrawIcon(p, icon, box, ink, 1.6);
    });
}

QImage DialogButton(Icon icon, const QString& caption, bool primary)
{
    return Strip(QSize(35, 35), 3, [&](QPainter& p, const QRectF& r, int state) {
        const QRectF body = r.adjusted(1.5, 1.5, -1.5, -2.5);
        QColor ink;
        if (primary) {
            const QColor base = state == kHighlighted ? kAccentLight : state == kActive ? kAccentDark : kAccent;
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 40));
            p.drawRoundedRect(body.translated(0, 1), 6, 6);
            p.setBrush(Vertical(body, base.lighter(110), base.darker(108)));
            p.setPen(QPen(base.darker(125), 1));
            p.drawRoundedRect(body, 6, 6);
            ink = Qt::white;
        } else {
            LightKey(p, body, 6, state, kAccent);
            ink = InkFor(state);
        }
        DrawIcon(p, icon, QRectF(10.5, 4.5, 14, 14), ink, 1.6);
        p.setFont(Font(8, QFont::Bold));
        p.setPen(ink);
        p.drawText(QRectF(0, 20, r.width(), 10), Qt::AlignCenter, caption);
    });
}

QImage UpdateButton(const QString& caption)
{
    return Strip(QSize(60, 29), 3, [&](QPainter& p, const QRectF& r, int state) {
        const QRectF pill = r.adjusted(2, 4.5, -2, -4.5);
        const QColor base = state == kHighlighted ? kAccentLight : state == kActive ? kAccentDark : kAccent;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 36));
        p.drawRoundedRect(pill.translated(0, 1), pill.height() / 2, pill.height() / 2);
        p.setBrush(Vertical(pill, base.lighter(110), base.darker(108)));
        p.drawRoundedRect(pill, pill.height() / 2, pill.height() / 2);
        p.setFont(Font(11, QFont::DemiBold));
        p.setPen(Qt::white);
        p.drawText(pill.adjusted(0, 0, 0, -1), Qt::AlignCenter, caption);
    });
}

QImage SpinArrow(bool up, QSize frame)
{
    return Strip(frame, 3, [up](QPainter& p, const QRectF& r, int state) {
        const QRectF body = r.adjusted(0, up ? 0 : 0.5, -0.5, up ? -0.5 : 0);
        QPainterPath shape;
        const qreal rad = 4;
        // Rounded only on the outer corner, so the two arrows read as one spin control.
        if (up) {
            shape.moveTo(body.left(), body.bottom());
            shape.lineTo(body.left(), body.top());
            shape.lineTo(body.right() - rad, body.top());
            shape.quadTo(body.right(), body.top(), body.right(), body.top() + rad);
            shape.lineTo(body.right(), body.bottom());
        } else {
            shape.moveTo(body.left(), body.top());
            shape.lineTo(body.right(), body.top());
            shape.lineTo(body.right(), body.bottom() - rad);
            shape.quadTo(body.right(), body.bottom(), body.right() - rad, body.bottom());
            shape.lineTo(body.left(), body.bottom());
        }
        shape.closeSubpath();
        const bool pressed = state == kActive;
        const bool hover = state == kHighlighted;
        p.setPen(QPen(kDarkEdge, 1));
        p.setBrush(Vertical(body, pressed ? kDarkPressedTop : hover ? kDarkHoverTop : kDarkTop,
                            pressed ? kDarkPressedBottom : hover ? kDarkHoverBottom : kDarkBottom));
        p.drawPath(shape);
        const QColor ink = pressed ? kAccentLight : hover ? QColor(Qt::white) : kIconOnDark;
        const QPointF c = body.center();
        QPainterPath tri;
        if (up) {
            tri.moveTo(c.x() - 4, c.y() + 2);
            tri.lineTo(c.x() + 4, c.y() + 2);
            tri.lineTo(c.x(), c.y() - 2.2);
        } else {
            tri.moveTo(c.x() - 4, c.y() - 2);
            tri.lineTo(c.x() + 4, c.y() - 2);
            tri.lineTo(c.x(), c.y() + 2.2);
        }
        tri.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(tri);
    });
}

QImage RoutingSwitch(Icon source, const QString& label)
{
    return Strip(QSize(167, 25), 3, [&](QPainter& p, const QRectF& r, int state) {
        const bool on = state == kActive;
        const bool hover = state == kHighlighted;
        const qreal y = 12.5;
        if (hover) {
            p.setPen(Qt::NoPen);
            p.setBrush(WithAlpha(kAccent, 0.10));
            p.drawRoundedRect(r.adjusted(4, 1, -1, -1), 5, 5);
        }
        // The wire from the destination picture on the left to the switch.
        p.setPen(QPen(on ? kAccent : hover ? WithAlpha(kAccent, 0.6) : QColor(0xB4, 0xB4, 0xB4), 2, Qt::SolidLine,
                      Qt::FlatCap));
        p.drawLine(QPointF(0, y), QPointF(9, y));
        const QRectF track(9, y - 7, 30, 14);
        if (on) {
            p.setPen(Qt::NoPen);
            p.setBrush(Vertical(track, kAccentLight, kAccent));
        } else if (hover) {
            p.setPen(QPen(kAccent, 1.2));
            p.setBrush(WithAlpha(kAccent, 0.22));
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(Vertical(track, QColor(0xBE, 0xBE, 0xBE), QColor(0xCC, 0xCC, 0xCC)));
        }
        p.drawRoundedRect(track, 7, 7);
        const qreal knobX = on ? track.right() - 7 : hover ? track.center().x() : track.left() + 7;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawEllipse(QPointF(knobX, y + 0.8), 5.6, 5.6);
        p.setBrush(Qt::white);
        p.setPen(hover ? QPen(kAccent, 1) : Qt::NoPen);
        p.drawEllipse(QPointF(knobX, y), 5.4, 5.4);
        const QColor ink = hover ? kAccentDark : on ? kInk : QColor(0x8C, 0x8C, 0x8C);
        DrawIcon(p, source, QRectF(47, y - 7, 14, 14), ink, 1.3);
        p.setFont(Font(12, on || hover ? QFont::DemiBold : QFont::Normal));
        p.setPen(ink);
        p.drawText(QRectF(66, 0, r.width() - 66, r.height()), Qt::AlignLeft | Qt::AlignVCenter, label);
    });
}

QImage CheckBox()
{
    return Strip(QSize(13, 13), 2, [](QPainter& p, const QRectF& r, int state) {
        const QRectF box = r.adjusted(0.5, 0.5, -0.5, -0.5);
        if (state == kActive) {
            p.setPen(QPen(kAccentDark, 1));
            p.setBrush(Vertical(box, kAccentLight, kAccent));
            p.drawRoundedRect(box, 2.5, 2.5);
            QPainterPath tick;
            tick.moveTo(3.2, 6.8);
            tick.lineTo(5.4, 9.0);
            tick.lineTo(9.8, 4.2);
            p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(tick);
        } else {
            p.setPen(QPen(QColor(0x9A, 0x9A, 0x9A), 1));
            p.setBrush(Vertical(box, QColor(0x2A, 0x2A, 0x2A), QColor(0x3A, 0x3A, 0x3A)));
            p.drawRoundedRect(box, 2.5, 2.5);
        }
    });
}
} // namespace skin
