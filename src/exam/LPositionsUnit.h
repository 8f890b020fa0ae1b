#pragma once

namespace dorvale {

// Fill and lay out the item area of the test window for the current record of its current exam
// set. They act on the one test window and run in the order ShowCurrentItem gives.
void ShowCurrentItem();
void ShowQuestionText();
void ShowChoiceTexts();
void ShowAnswerControls();
void PlaceChoices();
void AlignAnswerControls();
void PlaceExplanation();
void RestoreAnswers();
void ShowReviewState();

// Aqua for a choice that the key marks correct, white for the others.
void HighlightKey();
// Shows the scroll bar when the content is taller than the area and sizes the content.
void FitItemArea();

} // namespace dorvale
