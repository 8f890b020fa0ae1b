#include "BankSource.h"

#include "data/Error.h"
#include "data/Schemas.h"
#include "data/Session.h"
#include "data/Table.h"
#include "data/TablePassword.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <atomic>
#include <filesystem>

namespace dorvale::bank {

using data::Table;

bool operator==(const Choice& a, const Choice& b)
{
    return a.text == b.text && a.correct == b.correct;
}

namespace {

constexpr int kFormat = 1;
constexpr int kMaxChoices = 6;

const QStringList& itemKeys()
{
    static const QStringList keys = {
        QStringLiteral("id"),          QStringLiteral("exam"),     QStringLiteral("section"),
        QStringLiteral("multiple"),    QStringLiteral("question"), QStringLiteral("choices"),
        QStringLiteral("explanation"), QStringLiteral("pict1"),    QStringLiteral("pict2"),
        QStringLiteral("sim"),         QStringLiteral("note")};
    return keys;
}

[[noreturn]] void malformed(int position, const QString& what)
{
    throw Error(QStringLiteral("item %1 of the source: %2").arg(position).arg(what));
}

int wholeNumber(const QJsonObject& object, const QString& key, int position)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        malformed(position, QStringLiteral("the field \"%1\" is missing").arg(key));
    const double number = value.toDouble(0.5);
    if (!value.isDouble() || number != double(qint64(number)) || std::abs(number) > 2e9)
        malformed(position, QStringLiteral("the field \"%1\" must be a whole number").arg(key));
    return int(number);
}

bool flag(const QJsonObject& object, const QString& key, int position)
{
    const QJsonValue value = object.value(key);
    if (!value.isBool())
        malformed(position, QStringLiteral("the field \"%1\" must be true or false").arg(key));
    return value.toBool();
}

QString text(const QJsonObject& object, const QString& key, int position, bool required)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() && !required)
        return {};
    if (!value.isString())
        malformed(position, QStringLiteral("the field \"%1\" must be a text").arg(key));
    return value.toString();
}

QByteArray quoted(const QString& text)
{
    // Qt's own JSON writer does the escaping, so reading the text back gives the same string.
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QString sessionNameForThisCall()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("dorvale-bank %1").arg(++counter);
}

QString choiceField(const char* prefix, int n)
{
    return QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(n);
}

} // namespace

Source parseSource(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw Error(QStringLiteral("the source is not valid JSON: %1 (at character %2)")
                        .arg(error.errorString())
                        .arg(error.offset));
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QStringLiteral("format")).toInt() != kFormat ||
        !root.value(QStringLiteral("items")).isArray())
        throw Error(QStringLiteral("the source must be an object with \"format\": %1 and an "
                                   "\"items\" array")
                        .arg(kFormat));

    Source source;
    const QJsonArray items = root.value(QStringLiteral("items")).toArray();
    int position = 0;
    for (const QJsonValue& value : items) {
        ++position;
        if (!value.isObject())
            malformed(position, QStringLiteral("an item must be an object"));
        const QJsonObject object = value.toObject();
        for (const QString& key : object.keys()) {
            if (!itemKeys().contains(key))
                malformed(position, QStringLiteral("unknown field \"%1\"").arg(key));
        }
        Item item;
        item.id = wholeNumber(object, QStringLiteral("id"), position);
        item.exam = wholeNumber(object, QStringLiteral("exam"), position);
        item.section = wholeNumber(object, QStringLiteral("section"), position);
        item.multiple = flag(object, QStringLiteral("multiple"), position);
        item.question = text(object, QStringLiteral("question"), position, true);
        item.explanation = text(object, QStringLiteral("explanation"), position, true);
        item.pict1 = text(object, QStringLiteral("pict1"), position, false);
        item.pict2 = text(object, QStringLiteral("pict2"), position, false);
        item.sim = text(object, QStringLiteral("sim"), position, false);
        item.note = text(object, QStringLiteral("note"), position, false);
        const QJsonValue choices = object.value(QStringLiteral("choices"));
        if (!choices.isArray())
            malformed(position, QStringLiteral("the field \"choices\" must be an array"));
        for (const QJsonValue& c : choices.toArray()) {
            const QJsonObject choice = c.toObject();
            if (!c.isObject() || !choice.value(QStringLiteral("text")).isString() ||
                !choice.value(QStringLiteral("correct")).isBool() || choice.size() != 2)
                malformed(position, QStringLiteral("each choice must be { \"text\": ..., "
                                                   "\"correct\": true or false }"));
            item.choices.append({choice.value(QStringLiteral("text")).toString(),
                                 choice.value(QStringLiteral("correct")).toBool()});
        }
        source.items.append(item);
    }
    return source;
}

Source readSourceFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("cannot read the source file '%1'").arg(path));
    return parseSource(file.readAll());
}

QByteArray writeSource(const Source& source)
{
    QByteArray out;
    out += "{\n    \"format\": " + QByteArray::number(kFormat) + ",\n    \"items\": [";
    bool firstItem = true;
    for (const Item& item : source.items) {
        out += firstItem ? "\n" : ",\n";
        firstItem = false;
        out += "        {\n";
        out += "            \"id\": " + QByteArray::number(item.id) + ",\n";
        out += "            \"exam\": " + QByteArray::number(item.exam) + ",\n";
        out += "            \"section\": " + QByteArray::number(item.section) + ",\n";
        out +=
            QByteArray("            \"multiple\": ") + (item.multiple ? "true" : "false") + ",\n";
        out += "            \"question\": " + quoted(item.question) + ",\n";
        out += "            \"choices\": [";
        for (int i = 0; i < item.choices.size(); ++i) {
            const Choice& choice = item.choices[i];
            out += i == 0 ? "\n" : ",\n";
            out += "                { \"text\": " + quoted(choice.text) +
                   ", \"correct\": " + (choice.correct ? "true" : "false") + " }";
        }
        out += item.choices.isEmpty() ? "]" : "\n            ]";
        out += ",\n            \"explanation\": " + quoted(item.explanation);
        const std::pair<const char*, const QString*> optional[] = {{"pict1", &item.pict1},
                                                                   {"pict2", &item.pict2},
                                                                   {"sim", &item.sim},
                                                                   {"note", &item.note}};
        for (const auto& [key, value] : optional) {
            if (!value->isEmpty())
                out += QByteArray(",\n            \"") + key + "\": " + quoted(*value);
        }
        out += "\n        }";
    }
    out += source.items.isEmpty() ? "]\n}\n" : "\n    ]\n}\n";
    return out;
}

QStringList validate(const Source& source, const QString& pictureDir)
{
    QStringList failures;
    const QDir pictures(pictureDir);
    for (int position = 0; position < source.items.size(); ++position) {
        const Item& item = source.items[position];
        const QString who = QStringLiteral("item %1").arg(item.id);
        auto fail = [&](const QString& what) { failures << who + QStringLiteral(": ") + what; };

        if (item.id != position + 1)
            fail(QStringLiteral("Q_ID is %1 at position %2; Q_ID must run from 1 without gaps")
                     .arg(item.id)
                     .arg(position + 1));
        if (item.exam < 0 || item.exam > 7)
            fail(QStringLiteral("Q_EXAM_N is %1; it must be 0 to 7").arg(item.exam));
        if (item.section < 1 || item.section > 6)
            fail(QStringLiteral("Q_SECT is %1; it must be 1 to 6").arg(item.section));
        if (item.question.trimmed().isEmpty())
            fail(QStringLiteral("Q_TEXT is empty"));
        if (item.choices.size() > kMaxChoices)
            fail(QStringLiteral("it has %1 choices; at most %2 are possible")
                     .arg(item.choices.size())
                     .arg(kMaxChoices));

        int correct = 0;
        for (int i = 0; i < item.choices.size() && i < kMaxChoices; ++i) {
            const Choice& choice = item.choices[i];
            const bool exists = !choice.text.isEmpty();
            if (choice.correct && !exists)
                fail(QStringLiteral("A%1 marks choice %2 as correct, but Q%1 is empty")
                         .arg(i + 1)
                         .arg(QChar(u'a' + i)));
            if (choice.correct && exists)
                ++correct;
            if (choice.text.contains(QLatin1Char('\n')))
                fail(QStringLiteral("Q%1 holds a line break; a choice is one line").arg(i + 1));
        }
        if (!item.multiple && correct != 1)
            fail(QStringLiteral("Q_TYPE is single response, but %1 existing choices are marked "
                                "correct (A1..A6); exactly one must be")
                     .arg(correct));
        if (item.multiple && correct < 1)
            fail(QStringLiteral("Q_TYPE is multiple response, but no existing choice is marked "
                                "correct (A1..A6)"));

        const std::pair<const char*, const QString*> pictureFields[] = {{"PICT1", &item.pict1},
                                                                        {"PICT2", &item.pict2}};
        for (const auto& [field, name] : pictureFields) {
            if (!name->isEmpty() && !QFileInfo(pictures.filePath(*name)).isFile())
                fail(QStringLiteral("%1 names '%2', which is not in %3")
                         .arg(QLatin1String(field), *name, pictureDir));
        }
    }
    return failures;
}

void writeBankTable(const Source& source, const QString& path)
{
    const QFileInfo target(path);
    data::Session session(sessionNameForThisCall());
    session.addPassword(data::tablePassword());
    session.setDirectory(target.absolutePath());

    // The user's notes live in the table being replaced; keep each one whose item is unchanged.
    QHash<int, QPair<QString, QString>> kept;
    if (target.exists()) {
        Table old(session.sessionName(), target.fileName());
        old.open();
        for (old.first(); !old.eof(); old.next()) {
            const QString memo = old.asString(QStringLiteral("U_MEMO"));
            if (!memo.isEmpty())
                kept.insert(old.asInteger(QStringLiteral("Q_ID")),
                            {old.asString(QStringLiteral("Q_TEXT")), memo});
        }
        old.close();
    }

    const QString tempName = target.fileName() + QStringLiteral(".new");
    const QString tempPath = target.absoluteDir().filePath(tempName);
    QFile::remove(tempPath);
    data::createTableFile(session, data::TableKind::Bank, tempPath);
    try {
        Table table(session.sessionName(), tempName);
        table.setExclusive(true);
        table.open();
        table.beginBatch();
        for (const Item& item : source.items) {
            table.append();
            table.setValue(QStringLiteral("Q_ID"), item.id);
            table.setValue(QStringLiteral("Q_EXAM_N"), item.exam);
            table.setValue(QStringLiteral("Q_SECT"), item.section);
            table.setValue(QStringLiteral("Q_TEXT"), item.question);
            table.setValue(QStringLiteral("Q_EXPL"), item.explanation);
            table.setValue(QStringLiteral("Q_TYPE"), item.multiple);
            for (int n = 1; n <= kMaxChoices; ++n) {
                const bool has = n <= item.choices.size();
                table.setValue(choiceField("Q", n), has ? item.choices[n - 1].text : QString());
                table.setValue(choiceField("A", n), has && item.choices[n - 1].correct);
            }
            table.setValue(QStringLiteral("Q_SIM"), item.sim);
            table.setValue(QStringLiteral("PICT1"), item.pict1);
            table.setValue(QStringLiteral("PICT2"), item.pict2);
            QString note = item.note;
            const auto carried = kept.constFind(item.id);
            if (carried != kept.constEnd() && carried->first == item.question)
                note = carried->second;
            table.setValue(QStringLiteral("U_MEMO"), note);
            table.post();
        }
        table.commitBatch();
        table.close();
        std::filesystem::rename(QFile::encodeName(tempPath).toStdString(),
                                QFile::encodeName(target.absoluteFilePath()).toStdString());
    } catch (...) {
        QFile::remove(tempPath);
        throw;
    }
}

Source readBankTable(const QString& path)
{
    const QFileInfo file(path);
    data::Session session(sessionNameForThisCall());
    session.addPassword(data::tablePassword());
    session.setDirectory(file.absolutePath());
    Table table(session.sessionName(), file.fileName());
    table.open();
    Source source;
    for (table.first(); !table.eof(); table.next()) {
        Item item;
        item.id = table.asInteger(QStringLiteral("Q_ID"));
        item.exam = table.asInteger(QStringLiteral("Q_EXAM_N"));
        item.section = table.asInteger(QStringLiteral("Q_SECT"));
        item.multiple = table.asBoolean(QStringLiteral("Q_TYPE"));
        item.question = table.asString(QStringLiteral("Q_TEXT"));
        item.explanation = table.asString(QStringLiteral("Q_EXPL"));
        for (int n = 1; n <= kMaxChoices; ++n)
            item.choices.append(
                {table.asString(choiceField("Q", n)), table.asBoolean(choiceField("A", n))});
        // Missing choices after the last one are not part of the source.
        while (!item.choices.isEmpty() && item.choices.last().text.isEmpty() &&
               !item.choices.last().correct)
            item.choices.removeLast();
        item.sim = table.asString(QStringLiteral("Q_SIM"));
        item.pict1 = table.asString(QStringLiteral("PICT1"));
        item.pict2 = table.asString(QStringLiteral("PICT2"));
        item.note = table.asString(QStringLiteral("U_MEMO"));
        source.items.append(item);
    }
    return source;
}

QStringList createEmptyTables(const QString& dir)
{
    data::Session session(sessionNameForThisCall());
    session.addPassword(data::tablePassword());
    QStringList created;
    for (const auto kind : {data::TableKind::CurrentSet, data::TableKind::UserSet}) {
        const QString path = QDir(dir).filePath(data::fileNameOf(kind));
        if (data::createTableFile(session, kind, path))
            created << path;
    }
    return created;
}

} // namespace dorvale::bank
