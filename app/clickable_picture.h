#pragma once
// A picture that reacts to a click of the left mouse button, such as the
// maker's logo on every tab.
#include <QLabel>

namespace app {

class ClickablePicture : public QLabel {
    Q_OBJECT
public:
    explicit ClickablePicture(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace app
