#pragma once

#include <QString>
#include <QVariant>

namespace dorvale::data {

// A filter expression of the form FIELD op INTEGER, op one of = <> < > <= >=.
// It is compiled to SQL with the number bound as a parameter; nothing of the text is pasted
// into SQL except the field name, which must name a column of the table.
class FilterExpression {
public:
    enum class Op { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual };

    FilterExpression() = default;
    // Throws dorvale::Error naming the expression when it is not of the accepted form.
    static FilterExpression parse(const QString& text);

    bool isEmpty() const { return field_.isEmpty(); }
    const QString& field() const { return field_; }
    Op op() const { return op_; }
    qint64 operand() const { return operand_; }

    // SQL condition with one placeholder; the column name is given as the table spells it.
    QString sqlCondition(const QString& column) const;
    // The same test for a field value held in memory; an absent value counts as 0.
    bool accepts(const QVariant& value) const;

private:
    QString field_;
    Op op_ = Op::Equal;
    qint64 operand_ = 0;
};

} // namespace dorvale::data
