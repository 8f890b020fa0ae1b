#include "SettingsStore.h"

#include "data/Error.h"

#include <QDir>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>
#include <algorithm>
#include <array>
#include <memory>
#include <variant>

namespace dorvale::platform {

const QString SettingsStore::kKey = QStringLiteral("Dorvale 4.0");
const QString SettingsStore::kSubkey = QStringLiteral("Options");

namespace {

QString& locationOverride()
{
    static QString file;
    return file;
}

std::function<void(const QString&)>& afterWriteHook()
{
    static std::function<void(const QString&)> hook;
    return hook;
}

// Where a value lives in Settings; its kind follows from the type.
using Field = std::variant<QString*, qint32*, bool*>;
using NamedField = std::pair<QLatin1String, Field>;

// The twenty values in the order they are read.
std::array<NamedField, 20> fieldsOf(Settings& s)
{
    using L = QLatin1String;
    return {{
        {L("QFontName"), &s.question.name},          {L("QFontColor"), &s.question.color},
        {L("QFontSize"), &s.question.size},          {L("QFontBold"), &s.question.bold},
        {L("QFontItalic"), &s.question.italic},      {L("AFontName"), &s.answers.name},
        {L("AFontColor"), &s.answers.color},         {L("AFontSize"), &s.answers.size},
        {L("AFontBold"), &s.answers.bold},           {L("AFontItalic"), &s.answers.italic},
        {L("EXPFontName"), &s.explanation.name},     {L("EXPFontColor"), &s.explanation.color},
        {L("EXPFontSize"), &s.explanation.size},     {L("EXPFontBold"), &s.explanation.bold},
        {L("EXPFontItalic"), &s.explanation.italic}, {L("ShowLearnBtn"), &s.showLearnBtn},
        {L("ShowCalcBtn"), &s.showCalcBtn},          {L("TimerOn"), &s.timerOn},
        {L("DefaultTime"), &s.defaultTime},          {L("CalcPath"), &s.calcPath},
    }};
}

// The order of the write-back, which decides what stays written when a value fails.
constexpr std::array<const char*, 20> kWriteOrder = {
    "QFontName",     "QFontColor",   "QFontSize",    "DefaultTime", "QFontBold",
    "QFontItalic",   "AFontName",    "AFontColor",   "AFontSize",   "AFontBold",
    "AFontItalic",   "EXPFontName",  "EXPFontColor", "EXPFontSize", "EXPFontBold",
    "EXPFontItalic", "ShowLearnBtn", "TimerOn",      "ShowCalcBtn", "CalcPath"};

std::unique_ptr<QSettings> open(const QString& location)
{
#ifdef Q_OS_WIN
    if (locationOverride().isEmpty())
        return std::make_unique<QSettings>(location, QSettings::NativeFormat);
#endif
    return std::make_unique<QSettings>(location, QSettings::IniFormat);
}

// Signed decimal digits that fit 32 bits; nothing else counts as a number.
bool decimal(const QString& text, qint32& value)
{
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
    if (!digits.match(text).hasMatch())
        return false;
    bool ok = false;
    const qint32 number = text.toInt(&ok, 10);
    if (ok)
        value = number;
    return ok;
}

QString encode(const Field& field)
{
    return std::visit(
        [](auto* value) -> QString {
            using T = std::remove_pointer_t<decltype(value)>;
            if constexpr (std::is_same_v<T, QString>)
                return *value;
            else if constexpr (std::is_same_v<T, bool>)
                return *value ? QStringLiteral("1") : QStringLiteral("0");
            else
                return QString::number(*value);
        },
        field);
}

// Leaves the default in place unless text holds a sound value of the field's kind. A text is
// taken as it stands, also when empty: a calculator path the user cleared stays cleared.
void decode(const QString& text, const Field& field)
{
    std::visit(
        [&](auto* value) {
            using T = std::remove_pointer_t<decltype(value)>;
            if constexpr (std::is_same_v<T, QString>) {
                *value = text;
            } else {
                qint32 number = 0;
                if (!decimal(text, number))
                    return;
                if constexpr (std::is_same_v<T, bool>)
                    *value = number != 0;
                else
                    *value = number;
            }
        },
        field);
}

} // namespace

SettingsStore::SettingsStore()
    : location_(locationOverride().isEmpty() ? userLocation() : locationOverride())
{}

QString SettingsStore::userLocation()
{
#ifdef Q_OS_WIN
    return QStringLiteral("HKEY_CURRENT_USER\\") + kKey;
#else
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(kKey + QStringLiteral(".ini"));
#endif
}

void SettingsStore::setLocationOverride(const QString& file)
{
    locationOverride() = file;
}

void SettingsStore::setAfterWriteHook(std::function<void(const QString&)> hook)
{
    afterWriteHook() = std::move(hook);
}

Settings SettingsStore::read(const QString& defaultCalcPath) const
{
    Settings settings;
    settings.calcPath = defaultCalcPath;
    const auto store = open(location_);
    if (store->status() != QSettings::NoError)
        return settings;
    store->beginGroup(kSubkey);
    for (const auto& [name, field] : fieldsOf(settings)) {
        // The store holds text only; a value of any other type is as good as missing.
        const QVariant value = store->value(QString(name));
        if (value.typeId() == QMetaType::QString)
            decode(value.toString(), field);
    }
    return settings;
}

void SettingsStore::write(const Settings& settings) const
{
    Settings values = settings;
    const auto fields = fieldsOf(values);
    const auto store = open(location_);
    bool subkeyExists = store->childGroups().contains(kSubkey);
    store->beginGroup(kSubkey);
    for (const char* name : kWriteOrder) {
        const auto field = std::find_if(fields.begin(), fields.end(), [&](const NamedField& f) {
            return f.first == QLatin1String(name);
        });
        Q_ASSERT(field != fields.end());
        const QString valueName = QString::fromLatin1(name);
        store->setValue(valueName, encode(field->second));
        // Each value goes to the store on its own, so a failure names the value it hit.
        store->sync();
        if (store->status() != QSettings::NoError) {
            if (!subkeyExists)
                throw Error(QStringLiteral("Failed to create key %1").arg(kSubkey));
            throw Error(QStringLiteral("Failed to set data for '%1'").arg(valueName));
        }
        subkeyExists = true;
        if (afterWriteHook())
            afterWriteHook()(valueName);
    }
}

} // namespace dorvale::platform
