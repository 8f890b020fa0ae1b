#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace dorvale::bank {

struct Choice {
    QString text;
    bool correct = false;
};

// One item of the question bank as its source describes it.
struct Item {
    int id = 0;            // Q_ID
    int exam = 0;          // Q_EXAM_N: 1..7 for exams A..G, 0 for none
    int section = 0;       // Q_SECT: 1..6
    bool multiple = false; // Q_TYPE
    QString question;      // Q_TEXT
    QList<Choice> choices; // Q1..Q6 and A1..A6, at most six
    QString explanation;   // Q_EXPL
    QString pict1;         // PICT1
    QString pict2;         // PICT2
    QString sim;           // Q_SIM
    QString note;          // U_MEMO

    bool operator==(const Item&) const = default;
};

bool operator==(const Choice& a, const Choice& b);

// The bank source: a JSON text reviewed like code, one object per item in Q_ID order.
struct Source {
    QList<Item> items;
};

// Reads a source text. Throws dorvale::Error naming the item and field on a malformed source.
Source parseSource(const QByteArray& json);
Source readSourceFile(const QString& path);
// The canonical text of a source: what export writes and what the shipped source must be.
QByteArray writeSource(const Source& source);

// The rules a shipped bank must meet. Each failure names the item and the field.
// pictureDir is where the picture files named by PICT1 and PICT2 must exist.
QStringList validate(const Source& source, const QString& pictureDir);

// Writes the encrypted bank table at path, replacing any file there only once the new one is
// complete. The note of every item whose Q_ID and question text are unchanged is carried over
// from the table being replaced.
void writeBankTable(const Source& source, const QString& path);
// Reads a bank table back into its source form.
Source readBankTable(const QString& path);
// Creates the empty current exam set and user question set in dir where they are missing.
QStringList createEmptyTables(const QString& dir);

} // namespace dorvale::bank
