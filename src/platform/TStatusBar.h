#pragma once

#include <QList>
#include <QStatusBar>

class QLabel;

namespace dorvale::platform {

// A status bar made of panels of fixed widths, each showing one text as it stands (leading blanks
// included).
class TStatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit TStatusBar(QWidget* parent = nullptr);

    // Adds a panel at the right of the others; returns its index.
    int addPanel(int width);
    int panelCount() const { return int(panels_.size()); }
    QLabel* panel(int index) const { return panels_.value(index); }
    void setPanelText(int index, const QString& text);
    QString panelText(int index) const;

private:
    QList<QLabel*> panels_;
};

} // namespace dorvale::platform
