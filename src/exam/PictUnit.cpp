#include "PictUnit.h"

#include "data/Error.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>

namespace dorvale {

TPictForm::TPictForm(Qt::WindowFlags flags)
    : TForm(nullptr, flags)
{
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->move(0, 0);
}

void TPictForm::loadPicture(const QString& fileName)
{
    QImageReader reader(fileName);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        const QString reason = QFileInfo::exists(fileName)
                                   ? reader.errorString()
                                   : QStringLiteral("the file does not exist");
        throw Error(
            QStringLiteral("The exhibit picture '%1' cannot be shown: %2.").arg(fileName, reason));
    }
    Image1->setPixmap(QPixmap::fromImage(picture));
    Image1->resize(picture.size());
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(picture.size());
}

void TPictForm::showEvent(QShowEvent* event)
{
    TForm::showEvent(event);
    placeWindow();
}

} // namespace dorvale
