// A round knob with a pointer line, turned with the mouse or the up and down arrow keys between
// two end angles; the pointer angle maps linearly onto a value range. Angles grow clockwise on
// the screen from the 3 o'clock direction.
#pragma once

#include <QColor>
#include <QWidget>

class QPainter;

namespace quintor {

class TRotarySwitch : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE setCtl3D)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(double Angle READ Angle)
    Q_PROPERTY(double MinAngle READ MinAngle WRITE setMinAngle)
    Q_PROPERTY(double MaxAngle READ MaxAngle WRITE setMaxAngle)
    Q_PROPERTY(double MinValue READ MinValue WRITE setMinValue)
    Q_PROPERTY(double MaxValue READ MaxValue WRITE setMaxValue)
    Q_PROPERTY(double Value READ Value WRITE setValue)
    Q_PROPERTY(int LineSize READ LineSize WRITE setLineSize)

  public:
    explicit TRotarySwitch(QWidget* parent = nullptr);
    ~TRotarySwitch() override;

    // Pointer angle in radians, always within the end angles.
    double Angle() const { return FAngle; }

    // End angles in degrees. A minimum outside [0, 360) and a maximum outside
    // [MinAngle, 360] are ignored; the pointer follows a moved end.
    double MinAngle() const;
    void setMinAngle(double grad);
    double MaxAngle() const;
    void setMaxAngle(double grad);

    // Only the difference MaxValue - MinValue matters: Value runs from 0 at the minimum angle
    // to that difference at the maximum angle.
    double MinValue() const { return FMinValue; }
    void setMinValue(double v) { FMinValue = v; }
    double MaxValue() const { return FMaxValue; }
    void setMaxValue(double v) { FMaxValue = v; }

    double Value() const;
    void setValue(double v);

    // Keyboard step in value units.
    int LineSize() const { return FLineSize; }
    void setLineSize(int n) { FLineSize = n; }

    // Face colour; follows the palette's button colour until set.
    QColor Color() const;
    void setColor(const QColor& farbe);

    bool Ctl3D() const { return FCtl3D; }
    void setCtl3D(bool an);

    // Face radius in pixels as of the last paint; 0 before the first one.
    int Radius() const { return FRadius; }

  signals:
    // After every angle set, also when the angle stayed the same.
    void OnChange(quintor::TRotarySwitch* sender);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    virtual void DrawPointer(QPainter& p, bool visible);
    virtual void DrawFace(QPainter& p);
    virtual void Change();

  private:
    void SetAngle(double a);
    void AngleFromPoint(double x, double y);
    void DrawFocusCircle(QPainter& p, bool focused);
    void RestoreCursor();

    double FAngle;
    double FMinAngle;  // radians
    double FMaxAngle;  // radians
    double FMinValue = 0.0;
    double FMaxValue = 100.0;
    int FLineSize = 1;
    int FRadius = 0;
    QColor FColor;  // invalid: the palette's button colour
    bool FCtl3D = true;
    double FLastMouseAngle = 0.0;
    bool FDragging = false;
    bool FCursorSet = false;  // our override cursor is on the application's stack
};

}  // namespace quintor
