#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

namespace dorvale {

// One entry of the answer sheet: what the user chose for one item of the exam.
struct TItemAnswer {
    quint8 Choice1 = 0;
    quint8 Choice2 = 0;
    quint8 Choice3 = 0;
    quint8 Choice4 = 0;
    quint8 Choice5 = 0;
    quint8 Choice6 = 0;
    quint8 Marked = 0;
    quint8 Correct = 0;
    qint32 Section = 0;

    // Choice n (1 to 6) as a reference, for the code that walks the six choices.
    quint8& choice(int n);
    quint8 choice(int n) const;
};

// The answer sheet of the exam: the entry of the item with record number r is entry r - 1.
extern std::vector<TItemAnswer> ItemAnswers;

// Section s (1 to 6) is named by entry s - 1.
extern const std::array<QString, 6> SectionNames;

} // namespace dorvale
