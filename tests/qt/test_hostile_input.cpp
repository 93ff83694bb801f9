// Whatever a player types or pastes: a megabyte of answer, a ten-thousand
// character name, control characters, emoji, right-to-left text. Each gets
// its verdict, and nothing breaks or moves.

#include "platform/qt/form.h"
#include "platform/qt/label.h"
#include "platform/qt/text_box.h"
#include "shell/quiz_script.h"
#include "support/game_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLineEdit>
#include <QTest>

using namespace tolvane;
using namespace tolvane::qt;
using namespace tolvane::testing;
using tolvane::testing::GameDriver;
using tolvane::testing::typeText;

namespace {

// Pastes `text` into a widget with Ctrl+V, as a player would.
void paste(QWidget *widget, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
}

} // namespace

class TestHostileInput : public QObject {
    Q_OBJECT
private slots:
    void hugeNameIsClippedAndMovesNothing();
    void strangeAnswersGetTheirVerdict_data();
    void strangeAnswersGetTheirVerdict();
    void megabyteAnswer();
};

void TestHostileInput::hugeNameIsClippedAndMovesNothing()
{
    const QString name = QStringLiteral("Ébouriffé\u202Eétrange\U0001F921").repeated(600).left(10000);
    QCOMPARE(name.size(), 10000);
    GameDriver game(0.02);
    QTimer prompt;
    prompt.setInterval(5);
    connect(&prompt, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!box || !box->findChild<QLineEdit *>())
            return;
        prompt.stop();
        paste(box->findChild<QLineEdit *>(), name);
        box->accept();
    });
    prompt.start();
    game.start();
    QVERIFY(game.waitUntilVisible(ScreenId::TOLVANE2));
    Form *first = game.form(ScreenId::TOLVANE2);
    auto *greeting = game.control<Label>(ScreenId::TOLVANE2, "nom");
    QCOMPARE(greeting->caption(), name + QLatin1Char('!'));
    QCOMPARE(greeting->geometry(), QRect(40, 88, 217, 33));
    QCOMPARE(first->clientArea()->size(), QSize(543, 496));
    // Drawn, and clipped to its label: the question below keeps its place.
    first->grab();
    QCOMPARE(game.control<Label>(ScreenId::TOLVANE2, "question1")->geometry(), QRect(40, 136, 273, 105));
    // The name decides nothing.
    game.type(ScreenId::TOLVANE2, "marzelletxt", QStringLiteral("MARZELLE"));
    game.click(ScreenId::TOLVANE2, "reponse");
    QVERIFY(game.waitUntilVisible(ScreenId::tolvane3));
}

void TestHostileInput::strangeAnswersGetTheirVerdict_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("matches");
    QTest::newRow("lower case") << "marzelle" << true;
    QTest::newRow("control characters") << "MAR\x01ZEL\x1BLE" << false;
    QTest::newRow("tab after") << "MARZELLE\t" << false;
    QTest::newRow("emoji") << QStringLiteral("MARZELLE\U0001F4A9") << false;
    QTest::newRow("right-to-left mark") << QStringLiteral("\u200FMARZELLE") << false;
    QTest::newRow("hebrew") << QStringLiteral("\u05DE\u05E8\u05D6\u05DC") << false;
    QTest::newRow("fullwidth letters") << QStringLiteral("ＭＡＲＺＥＬＬＥ") << false;
    QTest::newRow("dotless i etc") << QStringLiteral("MARZELLE\u0131") << false;
}

void TestHostileInput::strangeAnswersGetTheirVerdict()
{
    QFETCH(QString, answer);
    QFETCH(bool, matches);
    GameDriver game;
    game.show(ScreenId::tolvane5);
    // Question 2 takes "LUNDI"; the same strange decorations apply.
    QString typed = answer;
    typed.replace(QStringLiteral("MARZELLE"), QStringLiteral("LUNDI"), Qt::CaseInsensitive);
    auto *box = game.control<TextBox>(ScreenId::tolvane5, "LUNDI");
    QTest::mouseClick(box, Qt::LeftButton);
    paste(box, typed);
    QCOMPARE(box->text(), typed);
    game.click(ScreenId::tolvane5, "REPONDRE2");
    const ScreenId expected = matches ? ScreenId::tolvane6 : ScreenId::tolvane7;
    QVERIFY(game.waitUntilVisible(expected));
    QVERIFY(!game.isLoaded(matches ? ScreenId::tolvane7 : ScreenId::tolvane6));
}

void TestHostileInput::megabyteAnswer()
{
    GameDriver game;
    game.show(ScreenId::tolvane11);
    auto *box = game.control<TextBox>(ScreenId::tolvane11, "jaune");
    QTest::mouseClick(box, Qt::LeftButton);
    const QString huge = QStringLiteral("VERT").repeated(256 * 1024); // a megabyte of characters
    QElapsedTimer clock;
    clock.start();
    paste(box, huge);
    QCOMPARE(box->text().size(), huge.size());
    typeText(box, QStringLiteral("!"));
    game.form(ScreenId::tolvane11)->grab();
    game.click(ScreenId::tolvane11, "repondre");
    QVERIFY(game.waitUntilVisible(ScreenId::tolvane13));
    qInfo("pasting, drawing and judging a megabyte answer took %lld ms", clock.elapsed());
    // A megabyte of the right word ends with the right word: still not the answer.
    QCOMPARE(game.control<Label>(ScreenId::tolvane13, "Label1")->caption(), QStringLiteral("  FAUX: VERT"));
}

QTEST_MAIN(TestHostileInput)
#include "test_hostile_input.moc"
