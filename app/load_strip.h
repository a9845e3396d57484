#pragma once
// Picture1 of the splash window: a drawing surface that keeps what is drawn on
// it, addressed in twips from its inner top-left corner.
#include <QColor>
#include <QFrame>
#include <QPixmap>
#include <QPointF>
#include <QSizeF>

namespace app {

class LoadStrip : public QFrame {
    Q_OBJECT
public:
    explicit LoadStrip(QWidget* parent = nullptr);

    QSizeF sizeInTwips() const;
    void clear();
    // A box filled in `colour` between the corners (x1, y1) and (x2, y2).
    void fillBox(QPointF corner1, QPointF corner2, const QColor& colour);
    qreal textWidth(const QString& text) const;
    qreal textHeight(const QString& text) const;
    // Draws `text` with its top-left corner at `position`.
    void print(QPointF position, const QString& text, const QColor& colour);

    const QPixmap& canvas() const { return canvas_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap canvas_;
};

}  // namespace app
