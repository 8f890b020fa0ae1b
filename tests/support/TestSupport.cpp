#include "TestSupport.h"

#include "app/Program.h"
#include "exam/NameUnit.h"
#include "exam/TestUnit.h"
#include "platform/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

namespace dorvale::test {

void initEnvironment()
{
    QStandardPaths::setTestModeEnabled(true);
    platform::MessageBox::setTestMode(true);
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        initApplication(*app);
}

void onNextModal(std::function<void(QWidget*)> action, int timeoutMs)
{
    QPointer<QWidget> before = QApplication::activeModalWidget();
    auto* timer = new QTimer(QCoreApplication::instance());
    timer->setInterval(5);
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [=]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        *waited += 5;
        if (modal && modal != before && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        } else if (*waited > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            qWarning("onNextModal: no modal window opened");
        }
    });
    timer->start();
}

bool noModalLeft()
{
    return QApplication::activeModalWidget() == nullptr;
}

bank::Item item(int id, int exam, int section, const QString& key, int choices,
                const QString& question)
{
    bank::Item result;
    result.id = id;
    result.exam = exam;
    result.section = section;
    result.multiple = key.size() > 1;
    result.question = question.isEmpty() ? QStringLiteral("Question %1").arg(id) : question;
    for (int i = 0; i < choices; ++i) {
        const QChar letter(u'a' + i);
        result.choices.append({QStringLiteral("Choice %1").arg(letter), key.contains(letter)});
    }
    result.explanation = QStringLiteral("Explanation %1").arg(id);
    return result;
}

bank::Item withChoices(bank::Item item, const QStringList& texts)
{
    for (int i = 0; i < item.choices.size(); ++i)
        item.choices[i].text = i < texts.size() ? texts[i] : QString();
    return item;
}

void writeTables(const QString& dir, const QList<bank::Item>& items)
{
    bank::Source source;
    source.items = items;
    bank::writeBankTable(source, QDir(dir).filePath(QStringLiteral("dorvale.DAT")));
    bank::createEmptyTables(dir);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

FormsFixture::FormsFixture(const QList<bank::Item>& items)
{
    static QTemporaryDir* folder = nullptr;
    folder = new QTemporaryDir; // lives as long as the test program
    dir_ = folder->path();
    writeTables(dir_, items);
    createForms();
    QDir::setCurrent(dir_);
}

FormsFixture::~FormsFixture()
{
    destroyForms();
}

QString FormsFixture::path(const QString& name) const
{
    return QDir(dir_).filePath(name);
}

void FormsFixture::addFixtureFile(const QString& name) const
{
    QFile::copy(QStringLiteral(DORVALE_SOURCE_DIR "/tests/fixtures/") + name, path(name));
}

void startExam(QAction* action, std::function<void()> adjust)
{
    onNextModal([adjust](QWidget*) {
        if (adjust)
            adjust();
        NameForm->BitBtn1->click();
    });
    action->trigger();
}

bool goToItem(int id)
{
    data::Table& ces = *TestForm->dtCurrentSet;
    for (int r = 1; r <= ces.recordCount(); ++r) {
        ces.setRecNo(r);
        if (ces.asInteger(QStringLiteral("Q_OR_NUMBER")) == id)
            return true;
    }
    return false;
}

void enterReview()
{
    TestForm->FMode = 3;
    TestForm->ReviewControls();
    TestForm->LearnButton->setEnabled(false);
    TestForm->dtCurrentSet->first();
}

} // namespace dorvale::test
