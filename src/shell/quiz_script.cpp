#include "shell/quiz_script.h"

#include "shell/letter_case.h"

namespace tolvane {

const std::array<QuizStep, 5> quizScript{{
    {
        .number = 1,
        .questionScreen = ScreenId::TOLVANE2,
        .questionLabel = "question1",
        .question = "Donnez moi le prénom d'une grosse vache moche et conne qui prend les gens pour des cons !",
        .answerBox = "marzelletxt",
        .answerButton = "reponse",
        .answerCaption = "&Repondre",
        .acceptedAnswer = "MARZELLE",
        .match = {ScreenId::tolvane3, "CORRECT", "suite"},
        .miss = {ScreenId::tolvane4, "Label1", "suite4"},
        .verdictCaption = "&Suite",
        .next = ScreenId::tolvane5,
    },
    {
        .number = 2,
        .questionScreen = ScreenId::tolvane5,
        .questionLabel = "QUESTION2",
        .question = "En 2048, quel jour tombera le lundi de Pâques?",
        .answerBox = "LUNDI",
        .answerButton = "REPONDRE2",
        .answerCaption = "&Répondre",
        .acceptedAnswer = "LUNDI",
        .match = {ScreenId::tolvane6, "Label1", "suite"},
        .miss = {ScreenId::tolvane7, "Label1", "SUITE"},
        .verdictCaption = "&Suite",
        .next = ScreenId::tolvane8,
    },
    {
        .number = 3,
        .questionScreen = ScreenId::tolvane8,
        .questionLabel = "question3",
        .question = "Je peux être verte, jaune, ou rouge selon ma variété. On me trouve en toutes saisons, "
                    "et je suis utilisée pour la tarte Tatin.",
        .questionSecondLine = "Qui suis-je?",
        .answerBox = "Marzelleva",
        .answerButton = "repondre",
        .answerCaption = "&Répondre",
        .acceptedAnswer = "MARZELLE VASTRELLI",
        .match = {ScreenId::tolvane9, "CORRECT", "suite"},
        .miss = {ScreenId::tolvane10, "Label1", "SUITE"},
        .verdictCaption = "&Suite",
        .next = ScreenId::tolvane11,
    },
    {
        .number = 4,
        .questionScreen = ScreenId::tolvane11,
        .questionLabel = "QUESTION4",
        .question = "Quelle couleur donnent le jaune et le bleu ? ",
        .answerBox = "jaune",
        .answerButton = "repondre",
        .answerCaption = "&Répondre",
        .acceptedAnswer = "VERT",
        .match = {ScreenId::TOLVANE12, "correct", "suite"},
        .miss = {ScreenId::tolvane13, "Label1", "suite"},
        .verdictCaption = "&Suite",
        .next = ScreenId::TOLVANE14,
    },
    {
        .number = 5,
        .questionScreen = ScreenId::TOLVANE14,
        .questionLabel = "question05",
        .question = "En français, Marzelle Vastrelli veut dire conne. Vrai ou Faux ?",
        .answerBox = "VRAI",
        .answerButton = "REPONDRE",
        .answerCaption = "&Répondre",
        .acceptedAnswer = "VRAI",
        .match = {ScreenId::TOLVANE15, "Label1", "fin"},
        .miss = {ScreenId::tolvane16, "Label1", "fin"},
        .verdictCaption = "&Fin",
        .next = ScreenId::tolvane17,
    },
}};

std::string QuizStep::questionText() const
{
    std::string text(question);
    if (!questionSecondLine.empty())
        text.append("\r").append(questionSecondLine);
    return text;
}

const QuizStep *stepAskedOn(ScreenId screen)
{
    for (const QuizStep &step : quizScript) {
        if (step.questionScreen == screen)
            return &step;
    }
    return nullptr;
}

const QuizStep *stepJudgedOn(ScreenId screen)
{
    for (const QuizStep &step : quizScript) {
        if (step.match.screen == screen || step.miss.screen == screen)
            return &step;
    }
    return nullptr;
}

bool answersMatch(std::string_view typed, std::string_view accepted) { return sameApartFromCase(typed, accepted); }

} // namespace tolvane
