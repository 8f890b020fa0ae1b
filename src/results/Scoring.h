#pragma once

#include "exam/AnswerSheet.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <vector>

namespace dorvale {

inline constexpr int ScoreScale = 1000;
inline constexpr int PassingScore = 850;
inline constexpr int PercentFactor = 100;

// One row of the section tally: the items of a section, its correct items, its percentage.
struct TSectionTally {
    qint32 total = 0;
    qint32 correct = 0;
    qint32 percent = 0;
};

// The tally of the last grading; section s is row s - 1.
extern std::array<TSectionTally, 6> SectionTally;

// The overall result of an answer sheet.
struct TotalScore {
    qint32 correct = 0;    // C
    qint32 items = 0;      // N
    long double score = 0; // (1000 / N) x C, unrounded
    bool pass = false;
    qint64 shown = 0; // the score rounded, halves to even
};

// Counts the correct items and computes the score and the grade. An exam without items scores
// 0 and fails: there is nothing it could have passed with.
TotalScore totalScore(const std::vector<TItemAnswer>& sheet);
// Fills a tally from the sheet: entries outside sections 1 to 6 count in no row.
void tallySections(const std::vector<TItemAnswer>& sheet, std::array<TSectionTally, 6>& tally);

QString gradeWord(bool pass);
// "Passing Score: 850   Your Score: <score>   Grade: <word>"
QString scoreLine(const TotalScore& total);
// The section chart's label: the name, " (", correct, "/", total, ") ".
QString sectionLabel(int section, const TSectionTally& row);

} // namespace dorvale
