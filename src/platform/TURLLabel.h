#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>

namespace dorvale::platform {

// A label that opens a web address with the desktop's handler when clicked. While the mouse is
// over it, it shows its highlight font (blue and underlined unless set otherwise) and the hand
// pointer.
class TURLLabel : public QLabel {
    Q_OBJECT

public:
    explicit TURLLabel(QWidget* parent = nullptr);

    void setURL(const QString& url) { url_ = url; }
    const QString& URL() const { return url_; }

    void setHiFont(const QFont& font, const QColor& color);
    const QFont& hiFont() const { return hiFont_; }
    const QColor& hiColor() const { return hiColor_; }

    // The text colour shown now.
    QColor textColor() const;
    void setTextColor(const QColor& color);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString url_;
    QFont hiFont_;
    QColor hiColor_{0, 0, 255};
    // The look kept while the highlight shows.
    QFont keptFont_;
    QColor keptColor_;
    bool highlighted_ = false;
};

} // namespace dorvale::platform
