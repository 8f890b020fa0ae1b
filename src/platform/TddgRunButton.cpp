#include "TddgRunButton.h"

#include "Processes.h"
#include "data/Error.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSettings>
#include <QStandardPaths>

namespace dorvale::platform {

namespace {

QIcon drawnCalculatorIcon()
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(210, 214, 222));
    p.drawRoundedRect(QRectF(3.5, 1.5, 17, 21), 2, 2);
    p.setBrush(QColor(170, 210, 170));
    p.drawRect(QRectF(6.5, 4.5, 11, 5));
    p.setBrush(QColor(90, 90, 110));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(6.5 + col * 4, 11.5 + row * 3.5, 2.5, 2));
    return QIcon(pixmap);
}

QString desktopIconName(const QString& path)
{
    const QString base = QFileInfo(path).fileName();
    const QStringList dirs =
        QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    for (const QString& dir : dirs) {
        for (const QFileInfo& entry :
             QDir(dir).entryInfoList({QStringLiteral("*.desktop")}, QDir::Files)) {
            QSettings desktop(entry.absoluteFilePath(), QSettings::IniFormat);
            desktop.beginGroup(QStringLiteral("Desktop Entry"));
            const QString exec =
                desktop.value(QStringLiteral("Exec")).toString().section(QLatin1Char(' '), 0, 0);
            if (exec == path || QFileInfo(exec).fileName() == base)
                return desktop.value(QStringLiteral("Icon")).toString();
        }
    }
    return {};
}

} // namespace

QIcon programIcon(const QString& path)
{
    const QString named = desktopIconName(path);
    if (!named.isEmpty()) {
        if (QFileInfo(named).isAbsolute())
            return QIcon(named);
        const QIcon themed = QIcon::fromTheme(named);
        if (!themed.isNull())
            return themed;
    }
    const QIcon byName = QIcon::fromTheme(QFileInfo(path).baseName());
    if (!byName.isNull())
        return byName;
    return QIcon::fromTheme(QStringLiteral("accessories-calculator"), drawnCalculatorIcon());
}

TddgRunButton::TddgRunButton(QWidget* parent)
    : QToolButton(parent)
{
    setAutoRaise(true); // flat
    setIcon(drawnCalculatorIcon());
    setIconSize(QSize(24, 24));
    setFocusPolicy(Qt::TabFocus);
}

void TddgRunButton::setCommandLine(const QString& path)
{
    const QFileInfo file(path);
#ifdef Q_OS_WIN
    if (file.suffix().left(3).compare(QLatin1String("EXE"), Qt::CaseInsensitive) != 0)
        throw Error(path + QStringLiteral(" is not an executable file."));
    if (!file.exists())
        throw Error(QStringLiteral("The file: ") + path + QStringLiteral(" cannot be found."));
#else
    // Programs have no extension here: a program is a regular file that may be executed.
    if (!file.exists())
        throw Error(QStringLiteral("The file: ") + path + QStringLiteral(" cannot be found."));
    if (!file.isFile() || !file.isExecutable())
        throw Error(path + QStringLiteral(" is not an executable file."));
#endif
    commandLine_ = path;
    setIcon(programIcon(path));
}

void TddgRunButton::run()
{
    const int error = Processes::startDetached(commandLine_);
    if (error != 0)
        throw Error(QStringLiteral("Error executing program. Error Code:; ") +
                    QString::number(error));
}

} // namespace dorvale::platform
