#include "ReviewUnit.h"

#include "exam/TestUnit.h"
#include "platform/ErrorBox.h"
#include "platform/Fonts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace dorvale {

TReviewForm* ReviewForm = nullptr;

using platform::pixelFont;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kShadow(128, 128, 128);

// A 16 x 16 icon: the symbol on a white square in a black frame, casting a grey shadow one
// pixel to the right and down.
QIcon stateIcon(TReviewForm::Icon which)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 15, 15);
    auto symbol = [&](const QColor& colour, QPointF offset) {
        QPen pen(colour, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.save();
        p.translate(offset);
        switch (which) {
        case TReviewForm::Incomplete:
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawRect(QRectF(6.5, 2.5, 2, 7));
            p.drawRect(QRectF(6.5, 11, 2, 2));
            break;
        case TReviewForm::Complete: {
            p.setRenderHint(QPainter::Antialiasing);
            QPainterPath check;
            check.moveTo(3.5, 8);
            check.lineTo(6.5, 11);
            check.lineTo(12, 4);
            p.drawPath(check);
            break;
        }
        case TReviewForm::Marked: {
            QPainterPath m;
            m.moveTo(4, 12);
            m.lineTo(4, 4);
            m.lineTo(7.5, 8);
            m.lineTo(11, 4);
            m.lineTo(11, 12);
            p.drawPath(m);
            break;
        }
        case TReviewForm::Incorrect:
            p.drawLine(QPointF(4, 4), QPointF(11, 11));
            p.drawLine(QPointF(11, 4), QPointF(4, 11));
            break;
        }
        p.restore();
    };
    symbol(kShadow, QPointF(1, 1));
    symbol(which == TReviewForm::Complete ? kBlue : kRed, QPointF(0, 0));
    p.end();
    return QIcon(pixmap);
}

QWidget* legend(QWidget* parent, const char* name, const std::array<QIcon, 4>& icons,
                const QList<QPair<int, QString>>& entries)
{
    auto* strip = new QWidget(parent);
    strip->setObjectName(QLatin1String(name));
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(2);
    row->addStretch(1);
    for (const auto& [icon, text] : entries) {
        auto* picture = new QLabel(strip);
        picture->setPixmap(icons[size_t(icon)].pixmap(16, 16));
        row->addWidget(picture);
        auto* label = new QLabel(text, strip);
        label->setFont(pixelFont("MS Sans Serif", 13));
        label->setTextFormat(Qt::PlainText);
        row->addWidget(label);
    }
    return strip;
}

} // namespace

QString reviewCaption(int number, const std::array<quint8, 6>& choices)
{
    QString caption = QString::number(number) + QStringLiteral("  ");
    for (int n = 0; n < 6; ++n) {
        if (choices[size_t(n)] == 1)
            caption += QChar(u'A' + n);
    }
    return caption;
}

TReviewForm::TReviewForm()
    : TForm(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("ReviewForm"));
    setWindowTitle(QStringLiteral("Items Review"));
    setFont(pixelFont("MS Sans Serif", 13));
    setFixedSize(442, 372);

    for (int i = 0; i < 4; ++i)
        ImageList1[size_t(i)] = stateIcon(Icon(i));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    LegendArea = new QWidget(this);
    LegendArea->setObjectName(QStringLiteral("LegendArea"));
    auto* legends = new QVBoxLayout(LegendArea);
    legends->setContentsMargins(0, 0, 0, 0);
    legends->setSpacing(0);
    Panel5 = legend(LegendArea, "Panel5", ImageList1,
                    {{Incomplete, QStringLiteral(" - incomplete   ")},
                     {Complete, QStringLiteral(" - complete   ")},
                     {Marked, QStringLiteral(" - marked   ")}});
    Panel4 = legend(LegendArea, "Panel4", ImageList1,
                    {{Incorrect, QStringLiteral(" - incorrect item   ")},
                     {Complete, QStringLiteral(" - correct item   ")}});
    legends->addWidget(Panel5);
    legends->addWidget(Panel4);
    Panel4->hide();
    column->addWidget(LegendArea);

    ListView1 = new QListWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setViewMode(QListView::ListMode);
    ListView1->setFlow(QListView::TopToBottom); // columns, filled top to bottom
    ListView1->setWrapping(true);
    ListView1->setResizeMode(QListView::Adjust);
    // Every entry gets the room of the widest caption, so none is cut short.
    const QFontMetrics metrics(pixelFont("MS Sans Serif", 13));
    ListView1->setGridSize(
        QSize(16 + 12 + metrics.horizontalAdvance(QStringLiteral("0000  ABCDEF")), 18));
    ListView1->setIconSize(QSize(16, 16));
    ListView1->setFont(pixelFont("MS Sans Serif", 13));
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setMouseTracking(true); // hot tracking
    connect(ListView1, &QListWidget::itemSelectionChanged, this,
            platform::guard(this, &TReviewForm::ListView1SelectItem));
    connect(ListView1, &QListWidget::itemDoubleClicked, this,
            platform::guard(this, &TReviewForm::ListView1DblClick));
    column->addWidget(ListView1, 1);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(36);
    BitBtn2 = new QPushButton(QStringLiteral("&Go to the selected question"), Panel1);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(4, 6, 309, 25);
    BitBtn2->setEnabled(false);
    BitBtn1 = new QPushButton(QStringLiteral("&Return"), Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(442 - 4 - 100, 6, 100, 25);
    connect(BitBtn2, &QPushButton::clicked, this,
            platform::guard(this, &TReviewForm::BitBtn2Click));
    connect(BitBtn1, &QPushButton::clicked, this,
            platform::guard(this, &TReviewForm::BitBtn1Click));
    column->addWidget(Panel1);
}

void TReviewForm::clearEntries()
{
    ListView1->clear();
}

void TReviewForm::addEntry(const QString& caption, int icon)
{
    auto* entry = new QListWidgetItem(ImageList1[size_t(icon)], caption, ListView1);
    entry->setData(Qt::UserRole, icon);
}

int TReviewForm::entryIcon(int index) const
{
    const QListWidgetItem* entry = ListView1->item(index);
    return entry ? entry->data(Qt::UserRole).toInt() : -1;
}

void TReviewForm::showExamLegend(bool exam)
{
    // Hidden before shown, so the area never holds both strips.
    (exam ? Panel4 : Panel5)->hide();
    (exam ? Panel5 : Panel4)->show();
}

void TReviewForm::ListView1SelectItem()
{
    BitBtn2->setEnabled(true);
}

void TReviewForm::ListView1DblClick()
{
    goToSelected();
}

void TReviewForm::BitBtn2Click()
{
    goToSelected();
}

void TReviewForm::goToSelected()
{
    const QList<QListWidgetItem*> selected = ListView1->selectedItems();
    if (selected.isEmpty())
        return;
    const int index = ListView1->row(selected.first());
    TestForm->dtCurrentSet->setRecNo(index + 1);
    closeWith(QDialog::Accepted);
}

void TReviewForm::BitBtn1Click()
{
    closeWith(QDialog::Rejected);
}

void TReviewForm::formClose()
{
    BitBtn2->setEnabled(false);
}

} // namespace dorvale
