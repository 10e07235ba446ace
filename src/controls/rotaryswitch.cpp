#include "rotaryswitch.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace quintor {

namespace {

constexpr double kPi = std::numbers::pi;

// The circle inscribed in the pixel box (x1, y1)..(x2, y2), right and bottom edge excluded. The
// half-pixel inset puts a one-pixel outline exactly on the box's border pixels.
QRectF Kreisbox(int x1, int y1, int x2, int y2) {
    return QRectF(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1);
}

}  // namespace

TRotarySwitch::TRotarySwitch(QWidget* parent)
    : QWidget(parent), FAngle(kPi / 2), FMinAngle(kPi / 2), FMaxAngle(3 * (kPi / 2)) {
    resize(50, 50);
    setFocusPolicy(Qt::StrongFocus);
}

TRotarySwitch::~TRotarySwitch() {
    RestoreCursor();
}

double TRotarySwitch::MinAngle() const {
    return FMinAngle / kPi * 180;
}

void TRotarySwitch::setMinAngle(double grad) {
    if (grad >= 0 && grad < 360) FMinAngle = grad / 180 * kPi;
    if (FAngle < FMinAngle) SetAngle(FMinAngle);
}

double TRotarySwitch::MaxAngle() const {
    return FMaxAngle / kPi * 180;
}

void TRotarySwitch::setMaxAngle(double grad) {
    if (MinAngle() <= grad && grad <= 360) FMaxAngle = grad / 180 * kPi;
    if (FAngle > FMaxAngle) SetAngle(FMaxAngle);
}

double TRotarySwitch::Value() const {
    const double winkelbereich = FMaxAngle - FMinAngle;
    if (winkelbereich == 0) return 0;
    return (FAngle - FMinAngle) * (FMaxValue - FMinValue) / winkelbereich;
}

void TRotarySwitch::setValue(double v) {
    const double wertebereich = FMaxValue - FMinValue;
    if (wertebereich == 0) return;  // no angle belongs to the value: keep the pointer
    SetAngle(FMinAngle + (FMaxAngle - FMinAngle) * v / wertebereich);
}

QColor TRotarySwitch::Color() const {
    return FColor.isValid() ? FColor : palette().color(QPalette::Button);
}

void TRotarySwitch::setColor(const QColor& farbe) {
    FColor = farbe;
    update();
}

void TRotarySwitch::setCtl3D(bool an) {
    FCtl3D = an;
    update();
}

void TRotarySwitch::SetAngle(double a) {
    if (!std::isnan(a)) {
        // The maximum is tested first: with the minimum above the maximum the pointer ends there.
        FAngle = a;
        if (FAngle > FMaxAngle)
            FAngle = FMaxAngle;
        else if (FAngle < FMinAngle)
            FAngle = FMinAngle;
    }
    // Repainting the whole control gives the same picture as erasing and redrawing the pointer.
    update();
    Change();
}

void TRotarySwitch::Change() {
    emit OnChange(this);
}

void TRotarySwitch::AngleFromPoint(double x, double y) {
    const double dx = x - FRadius;
    const double dy = y - FRadius;
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d == 0 || d > FRadius) return;
    FDragging = true;
    FLastMouseAngle = std::acos(std::clamp(dx / d, -1.0, 1.0));
    if (dy < 0) FLastMouseAngle = 2 * kPi - FLastMouseAngle;
}

void TRotarySwitch::RestoreCursor() {
    if (FCursorSet) {
        QGuiApplication::restoreOverrideCursor();
        FCursorSet = false;
    }
}

void TRotarySwitch::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) return;
    const QPointF pos = event->position();
    AngleFromPoint(pos.x(), pos.y());
    if (FDragging) {
        setFocus(Qt::MouseFocusReason);
        if (!FCursorSet) {
            QGuiApplication::setOverrideCursor(Qt::PointingHandCursor);
            FCursorSet = true;
        }
    }
}

void TRotarySwitch::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    if (!FDragging) return;
    const double vorher = FLastMouseAngle;
    const QPointF pos = event->position();
    AngleFromPoint(pos.x(), pos.y());
    if (FLastMouseAngle == vorher) return;
    // Take the short way round: crossing the 3 o'clock direction is a small turn.
    double delta = FLastMouseAngle - vorher;
    if (delta > kPi)
        delta -= 2 * kPi;
    else if (delta < -kPi)
        delta += 2 * kPi;
    SetAngle(FAngle + delta);
}

void TRotarySwitch::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) return;
    FDragging = false;
    RestoreCursor();
}

void TRotarySwitch::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
            setValue(Value() + FLineSize);
            event->accept();
            break;
        case Qt::Key_Down:
            setValue(Value() - FLineSize);
            event->accept();
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void TRotarySwitch::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void TRotarySwitch::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void TRotarySwitch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();

    const int w = std::min(width(), height());
    const int a = std::max(w / 40, 1);
    int s = (w / 2) * 2;

    QPen stift(pal.color(QPalette::Dark), 0);
    if (FCtl3D) {
        const QColor aussen = isEnabled() ? pal.color(QPalette::Shadow) : pal.color(QPalette::Dark);
        stift.setColor(aussen);
        p.setPen(stift);
        p.setBrush(aussen);
        p.drawEllipse(Kreisbox(2 * a, 2 * a, s, s));
        stift.setColor(pal.color(QPalette::Dark));
        p.setPen(stift);
        p.setBrush(pal.color(QPalette::Dark));
        s -= a;
        p.drawEllipse(Kreisbox(a, a, s, s));
    }
    p.setPen(stift);
    FRadius = s / 2;

    DrawFace(p);
    DrawPointer(p, true);
    DrawFocusCircle(p, hasFocus());
}

void TRotarySwitch::DrawFace(QPainter& p) {
    p.setBrush(Color());
    p.drawEllipse(Kreisbox(0, 0, 2 * FRadius, 2 * FRadius));
}

void TRotarySwitch::DrawPointer(QPainter& p, bool visible) {
    QColor farbe = Color();
    if (visible) farbe = isEnabled() ? QColor(Qt::red) : palette().color(QPalette::Dark);
    const int pw = width() / 40;
    p.setPen(QPen(farbe, pw, Qt::SolidLine, Qt::FlatCap));
    const int laenge = FRadius - pw / 2 - 2;
    const long ex = FRadius + std::lround(laenge * std::cos(FAngle));
    const long ey = FRadius + std::lround(laenge * std::sin(FAngle));
    // Pixel centres, so that a one-pixel line along an axis covers whole pixels.
    p.drawLine(QPointF(FRadius + 0.5, FRadius + 0.5), QPointF(ex + 0.5, ey + 0.5));
}

void TRotarySwitch::DrawFocusCircle(QPainter& p, bool focused) {
    const QPalette& pal = palette();
    p.setPen(QPen(
        focused ? pal.color(QPalette::ButtonText) : pal.color(QPalette::Disabled, QPalette::Text),
        0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(Kreisbox(0, 0, 2 * FRadius, 2 * FRadius));
}

}  // namespace quintor
