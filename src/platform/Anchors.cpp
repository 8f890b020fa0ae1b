#include "Anchors.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <utility>
#include <vector>

namespace dorvale::platform {

namespace {

class RightAnchors : public QObject {
public:
    explicit RightAnchors(QWidget* parent)
        : QObject(parent)
    {
        setObjectName(QStringLiteral("RightAnchors"));
        parent->installEventFilter(this);
    }

    void add(QWidget* child, int gap)
    {
        // A child that changes its own width (a label taking a new text) keeps its right edge.
        child->installEventFilter(this);
        gaps_.emplace_back(child, gap);
        place();
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            place();
        return false;
    }

private:
    void place()
    {
        const int width = static_cast<QWidget*>(parent())->width();
        for (const auto& [child, gap] : gaps_) {
            if (child)
                child->move(width - gap - child->width(), child->y());
        }
    }

    std::vector<std::pair<QPointer<QWidget>, int>> gaps_;
};

} // namespace

void anchorRight(QWidget* child, int designedParentWidth)
{
    QWidget* parent = child->parentWidget();
    RightAnchors* anchors = nullptr;
    for (QObject* child : parent->children()) {
        if (auto* existing = dynamic_cast<RightAnchors*>(child))
            anchors = existing;
    }
    if (!anchors)
        anchors = new RightAnchors(parent);
    anchors->add(child, designedParentWidth - child->x() - child->width());
}

} // namespace dorvale::platform
