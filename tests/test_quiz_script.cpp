// The answer comparison and the quiz script's own table.

#include "shell/quiz_script.h"

#include <QTest>

using namespace tolvane;

class TestQuizScript : public QObject {
    Q_OBJECT
private slots:
    void answerComparison_data();
    void answerComparison();
    void scriptTexts();
};

void TestQuizScript::answerComparison_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("accepted");
    QTest::addColumn<bool>("matches");

    QTest::newRow("capitals") << "MARZELLE" << "MARZELLE" << true;
    QTest::newRow("lower case") << "marzelle" << "MARZELLE" << true;
    QTest::newRow("first letter only") << "Marzelle" << "MARZELLE" << true;
    QTest::newRow("space before") << " MARZELLE" << "MARZELLE" << false;
    QTest::newRow("space after") << "MARZELLE " << "MARZELLE" << false;
    QTest::newRow("empty") << "" << "MARZELLE" << false;
    QTest::newRow("two words lower case") << "marzelle vastrelli" << "MARZELLE VASTRELLI" << true;
    QTest::newRow("two spaces between") << "marzelle  vastrelli" << "MARZELLE VASTRELLI" << false;
    QTest::newRow("surname alone") << "vastrelli" << "MARZELLE VASTRELLI" << false;
    QTest::newRow("feast name") << "lundi de Pâques" << "LUNDI" << false;
    QTest::newRow("full stop") << "Vert." << "VERT" << false;
    QTest::newRow("accented E") << "VÉRT" << "VERT" << false;
    QTest::newRow("faux for vrai") << "FAUX" << "VRAI" << false;
    QTest::newRow("accents fold by case") << "é" << "É" << true;
    QTest::newRow("non-ASCII word") << "ÉLÈVE" << "élève" << true;
    QTest::newRow("tab is not a space") << "MARZELLE\tVASTRELLI" << "MARZELLE VASTRELLI" << false;
    QTest::newRow("no-break space") << QString::fromUtf8("MARZELLE\u00A0VASTRELLI") << "MARZELLE VASTRELLI" << false;
    QTest::newRow("emoji") << QString::fromUtf8("VERT\U0001F600") << "VERT" << false;
}

void TestQuizScript::answerComparison()
{
    QFETCH(QString, typed);
    QFETCH(QString, accepted);
    QFETCH(bool, matches);
    QCOMPARE(answersMatch(typed, accepted), matches);
}

void TestQuizScript::scriptTexts()
{
    // The questions are shown exactly as written, punctuation included.
    QCOMPARE(quizScript[1].questionText(), QString::fromUtf8("En 2048, quel jour tombera le lundi de Pâques?"));
    const QString riddle = quizScript[2].questionText();
    QCOMPARE(riddle.count(QChar(u'\r')), 1);
    QVERIFY(!riddle.contains(QChar(u'\n')));
    QVERIFY(riddle.endsWith(QStringLiteral("Tatin.\rQui suis-je?")));
    QVERIFY(quizScript[3].questionText().endsWith(QStringLiteral("bleu ? ")));

    // Every run visits the same question screens, in order, whatever the verdicts.
    for (std::size_t i = 0; i + 1 < quizScript.size(); ++i)
        QCOMPARE(quizScript[i].next, quizScript[i + 1].questionScreen);
    QCOMPARE(quizScript.back().next, ScreenId::tolvane17);
    for (const QuizStep &step : quizScript) {
        QCOMPARE(stepAskedOn(step.questionScreen), &step);
        QCOMPARE(stepJudgedOn(step.match.screen), &step);
        QCOMPARE(stepJudgedOn(step.miss.screen), &step);
    }
}

QTEST_APPLESS_MAIN(TestQuizScript)
#include "test_quiz_script.moc"
