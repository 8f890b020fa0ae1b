#pragma once

#include <QColor>
#include <QLabel>

namespace dorvale::platform {

// A label that can draw its text outlined and with a drop shadow. Without either effect it
// paints as a plain QLabel (word wrap included).
class TfcLabel : public QLabel {
    Q_OBJECT

public:
    explicit TfcLabel(const QString& text = QString(), QWidget* parent = nullptr);

    void setTextColor(const QColor& color);
    QColor textColor() const;
    void setOutlined(bool outlined, const QColor& outlineColor = QColor(Qt::black));
    bool outlined() const { return outlined_; }
    // Offset of the shadow to the right and down, in pixels; 0 for none.
    void setShadow(int offset, const QColor& shadowColor = QColor(Qt::black));
    int shadowOffset() const { return shadow_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool outlined_ = false;
    QColor outlineColor_ = Qt::black;
    int shadow_ = 0;
    QColor shadowColor_ = Qt::black;
};

} // namespace dorvale::platform
