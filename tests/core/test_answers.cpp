// The answer comparison and the quiz script's own table.

#include "shell/letter_case.h"
#include "shell/quiz_script.h"
#include "answer_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

using namespace tolvane;

TEST(Answers, ComparedApartFromLetterCaseOnly)
{
    for (const tolvane::testing::AnswerCase &c : tolvane::testing::answerCases) {
        EXPECT_EQ(answersMatch(c.typed, c.accepted), c.matches) << c.name;
        EXPECT_EQ(answersMatch(c.accepted, c.typed), c.matches) << c.name << ", the other way round";
    }
}

TEST(Answers, FoldingIsOneLetterCaseOnly)
{
    // A folded letter folds no further, and a letter that folds lands on
    // another code point, never on a surrogate half.
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        const char32_t folded = foldedCase(c);
        ASSERT_EQ(foldedCase(folded), folded) << std::hex << "U+" << std::uint32_t(c);
        if (folded != c) {
            ASSERT_TRUE(folded <= 0x10FFFF && (folded < 0xD800 || folded > 0xDFFF)) << std::hex << "U+" << std::uint32_t(c);
        }
    }
}

TEST(QuizScript, TextsAndChain)
{
    // The questions are shown exactly as written, punctuation included.
    EXPECT_EQ(quizScript[1].questionText(), "En 2048, quel jour tombera le lundi de Pâques?");
    const std::string riddle = quizScript[2].questionText();
    EXPECT_EQ(std::count(riddle.begin(), riddle.end(), '\r'), 1);
    EXPECT_EQ(riddle.find('\n'), std::string::npos);
    EXPECT_TRUE(riddle.ends_with("Tatin.\rQui suis-je?"));
    EXPECT_TRUE(quizScript[3].questionText().ends_with("bleu ? "));

    // Every run visits the same question screens, in order, whatever the verdicts.
    for (std::size_t i = 0; i + 1 < quizScript.size(); ++i)
        EXPECT_EQ(quizScript[i].next, quizScript[i + 1].questionScreen);
    EXPECT_EQ(quizScript.back().next, ScreenId::tolvane17);
    for (const QuizStep &step : quizScript) {
        EXPECT_EQ(stepAskedOn(step.questionScreen), &step);
        EXPECT_EQ(stepJudgedOn(step.match.screen), &step);
        EXPECT_EQ(stepJudgedOn(step.miss.screen), &step);
    }
}
