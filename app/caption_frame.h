#pragma once
// A frame with its caption set into the top edge of an etched border, so that
// the controls placed from its top-left corner start one half line below the
// border: the results frames and the formula panels.
#include <QGroupBox>

namespace app {

class CaptionFrame : public QGroupBox {
    Q_OBJECT
public:
    CaptionFrame(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace app
