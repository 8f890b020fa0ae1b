#pragma once

#include <QLabel>

namespace dorvale::platform {

// A word-wrapping label that measures itself: with auto-size on, it takes the height of its
// text wrapped to its current width and the width of its widest line. Lines break at blanks
// only, a word wider than the width widens the label, and an empty text measures as one line.
// A click on it is reported, so a label can act for the control beside it.
class WrapLabel : public QLabel {
    Q_OBJECT

public:
    explicit WrapLabel(QWidget* parent = nullptr);

    void setAutoSize(bool autoSize);
    bool autoSize() const { return autoSize_; }
    // The size the text needs at the given width.
    QSize measure(int width) const;
    void setBackground(const QColor& color);
    QColor background() const;

    void setLabelText(const QString& text);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fit();

    bool autoSize_ = false;
    // The last measurement: a second layout of the same text at the same width and font (the
    // item area laid out again for its scroll bar) need not measure a long text twice.
    mutable QString measuredText_;
    mutable QFont measuredFont_;
    mutable int measuredWidth_ = -1;
    mutable QSize measured_;
};

} // namespace dorvale::platform
