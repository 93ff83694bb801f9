#pragma once

// The five questions of a game: who asks them, what they ask, the one answer
// each accepts, and the two verdict screens an answer chooses between.

#include "resources/screen_id.h"

#include <array>
#include <string>
#include <string_view>

namespace tolvane {

struct Verdict {
    ScreenId screen;
    std::string_view label;  // holds the verdict text, fixed in the layout
    std::string_view button; // moves on
};

struct QuizStep {
    int number;
    ScreenId questionScreen;
    std::string_view questionLabel;
    std::string_view question;       // UTF-8
    std::string_view questionSecondLine = {}; // empty, or joined to the question by a carriage return
    std::string_view answerBox;
    std::string_view answerButton;
    std::string_view answerCaption;
    std::string_view acceptedAnswer;
    Verdict match;
    Verdict miss;
    std::string_view verdictCaption;
    ScreenId next;

    // The text the question screen writes into its question label at load.
    std::string questionText() const;
};

extern const std::array<QuizStep, 5> quizScript;

// The step asked on a question screen, or nullptr.
const QuizStep *stepAskedOn(ScreenId screen);
// The step a verdict screen belongs to, or nullptr.
const QuizStep *stepJudgedOn(ScreenId screen);

// The typed answer against the accepted one: the same text apart from letter
// case (shell/letter_case.h), on every desktop alike. Nothing is trimmed or
// normalised; spaces, accents and punctuation count.
bool answersMatch(std::string_view typed, std::string_view accepted);

} // namespace tolvane
