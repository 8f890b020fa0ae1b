#include "AnswerSheet.h"

namespace dorvale {

std::vector<TItemAnswer> ItemAnswers;

const std::array<QString, 6> SectionNames = {
    QStringLiteral("Planning"),
    QStringLiteral("Installation and Configuration"),
    QStringLiteral("Managing Resources"),
    QStringLiteral("Connectivity"),
    QStringLiteral("Monitoring and Optimization"),
    QStringLiteral("Troubleshooting"),
};

quint8& TItemAnswer::choice(int n)
{
    quint8* const flags[] = {&Choice1, &Choice2, &Choice3, &Choice4, &Choice5, &Choice6};
    return *flags[n - 1];
}

quint8 TItemAnswer::choice(int n) const
{
    const quint8 flags[] = {Choice1, Choice2, Choice3, Choice4, Choice5, Choice6};
    return flags[n - 1];
}

} // namespace dorvale
