#pragma once

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QWidget>

namespace dorvale::platform {

// The font of a control as the windows think of it: face, size, style and colour in one. It
// lives in the control (its font and the text colour of its palette), so every holder of a
// handle to it changes the one font the control shows, and the children that have no font of
// their own follow.
class ControlFont {
public:
    ControlFont() = default;
    explicit ControlFont(QWidget* control)
        : control_(control)
    {}

    QWidget* control() const { return control_; }
    bool isNull() const { return control_.isNull(); }

    QFont font() const { return control_->font(); }
    QColor color() const;
    // Takes face, size, style and effects of font and the colour as the control's own.
    void assign(const QFont& font, const QColor& color);
    void setFont(const QFont& font);
    void setColor(const QColor& color);

    // The colour as a stored number, 0x00BBGGRR. A number with bits above the colour is shown
    // by its colour bytes and given back as it was set while the colour stays.
    qint32 colorValue() const;
    void setColorValue(qint32 value);
    // The size in points. A size no font can show is given back as it was set while the font
    // stays as it was then; the control keeps its size (at most kMaxPoints).
    qint32 pointSize() const;
    void setPointSize(qint32 points);

    static constexpr qint32 kMaxPoints = 1000;
    static QColor colorOf(qint32 value);
    static qint32 valueOf(const QColor& color);

private:
    QPointer<QWidget> control_;
};

} // namespace dorvale::platform
