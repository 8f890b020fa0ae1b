#include "Filter.h"

#include "Error.h"

#include <QRegularExpression>

namespace dorvale::data {

namespace {

struct OpText {
    const char* text;
    FilterExpression::Op op;
    const char* sql;
};

// Longer operators first, so "<=" is not read as "<".
constexpr OpText kOps[] = {
    {"<>", FilterExpression::Op::NotEqual, "<>"},     {"<=", FilterExpression::Op::LessEqual, "<="},
    {">=", FilterExpression::Op::GreaterEqual, ">="}, {"=", FilterExpression::Op::Equal, "="},
    {"<", FilterExpression::Op::Less, "<"},           {">", FilterExpression::Op::Greater, ">"},
};

} // namespace

FilterExpression FilterExpression::parse(const QString& text)
{
    FilterExpression result;
    if (text.trimmed().isEmpty())
        return result;

    static const QRegularExpression form(QStringLiteral(
        R"(^\s*([A-Za-z_][A-Za-z0-9_]*)\s*(<>|<=|>=|=|<|>)\s*([+-]?[0-9]{1,18})\s*$)"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        throw Error(QStringLiteral("The filter expression '%1' is not valid: a filter compares "
                                   "one field with a whole number, as in Q_EXAM_N=3.")
                        .arg(text));

    result.field_ = match.captured(1);
    const QString opText = match.captured(2);
    for (const OpText& candidate : kOps) {
        if (opText == QLatin1String(candidate.text)) {
            result.op_ = candidate.op;
            break;
        }
    }
    result.operand_ = match.captured(3).toLongLong();
    return result;
}

QString FilterExpression::sqlCondition(const QString& column) const
{
    const char* sqlOp = "=";
    for (const OpText& candidate : kOps) {
        if (candidate.op == op_)
            sqlOp = candidate.sql;
    }
    // An absent value reads as 0 everywhere else, so it compares as 0 here too.
    return QStringLiteral("IFNULL(\"%1\", 0) %2 ?").arg(column, QLatin1String(sqlOp));
}

bool FilterExpression::accepts(const QVariant& value) const
{
    if (isEmpty())
        return true;
    const qint64 v = value.isNull() ? 0 : value.toLongLong();
    switch (op_) {
    case Op::Equal:
        return v == operand_;
    case Op::NotEqual:
        return v != operand_;
    case Op::Less:
        return v < operand_;
    case Op::Greater:
        return v > operand_;
    case Op::LessEqual:
        return v <= operand_;
    case Op::GreaterEqual:
        return v >= operand_;
    }
    return false;
}

} // namespace dorvale::data
